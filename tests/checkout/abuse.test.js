'use strict';
// Hostile and malformed input against both passes, grouped by the fault it would expose: nothing
// from the visitor reaches a page unescaped or vanishes unseen, or adds a mail header or log line.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const { ERROR, outcome, withCheckout, decodeEntities, hiddenInputs, orderFields, customerFields, placeOrder } = require('./fixture');

const SHOP = [{ id: 'SKU1', name: 'Cake', price: '2.50' }, { id: 'A<b>&1', name: 'Odd id', price: '1' }];
const CORPUS = ['<script>alert(1)</script>', '"><img src=x onerror=alert(1)>', "'onmouseover='alert(1)'",
  '</textarea><i>x</i>', '\r\nX-Injected: yes', '&lt;i&gt;'];
const CUT_SHORT = /PHP Request Startup: (Input variables exceeded 1000|POST Content-Length|Input variable nesting level)/;
const cartOf = (count) => Array(count).fill('SKU1|1');

// The rows of the table of refused lines, each cell's text as the visitor reads it.
const refusedRows = (html) => html.split('were not accepted and are not part of the order:')[1].split('</table>')[0].split('<tr>')
  .slice(2).map((row) => [...row.matchAll(/<td class="mervaneentry">(.*?)<\/td>/gs)].map((cell) => decodeEntities(cell[1])));

test('every cart line the order page refuses is listed, escaped, with its reason', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const [unknown, quantity, notALine] = ['This product is not in the shop catalogue.',
      'The quantity is not a number of at least 1.', 'This line does not name a product and a quantity.'];
    const badQuantities = ['abc', '-1', '0', '0.5', '1e3', ' 2', '0x10', '', ...CORPUS];
    const page = await site.postCart(['SKU1|3', ...CORPUS.map((c) => `${c}|1`), ...badQuantities.map((q) => `SKU1|${q}`),
      'GHOST|5', 'SKU1|2|3', '|1', 'SKU1', '', 'A<b>&1|2']);
    assert.equal(page.text.split('<script').length, 2, 'only the field-check script');
    assert.doesNotMatch(page.text, /<img|<i>|'onmouseover/);
    assert.deepEqual(refusedRows(page.text), [
      ...CORPUS.map((c) => [c, '1', unknown]), ...badQuantities.map((q) => ['SKU1', q, quantity]),
      ['GHOST', '5', unknown], ['SKU1|2', '3', unknown], ['', '1', unknown], ['SKU1', '', notALine], ['', '', notALine],
    ]);
    assert.match(page.text, /<td class="mervaneentry">A&lt;b&gt;&amp;1<\/td>/);
    assert.deepEqual(hiddenInputs(page.text).slice(0, -1).map(([, value]) => value), ['SKU1', '3', '2.50', 'Cake', 'A<b>&1', '2', '1', 'Odd id', '$9.50']);
    assert.deepEqual(refusedRows((await site.post([['products_selected[0][]', 'SKU1|2']])).text), [['', '', notALine]]);
    assert.doesNotMatch((await site.postCart(['SKU1|1'])).text, /not accepted/, 'no table without refused lines');

    const single = await site.post([['products_selected', 'SKU1|2']]);
    const query = await site.get(`/${site.fileName}?products_selected[]=SKU1%7C2`);
    assert.deepEqual([single, query].map((r) => hiddenInputs(r.text).at(-2)), [['TOTAL', '$5.00'], ['TOTAL', '$5.00']]);
    const viaPath = await site.get(`/${site.fileName}/%22%3E%3Cscript%3Ealert(1)%3C/script%3E`);
    assert.match(viaPath.text, /action="mervane_checkout.php"/);
    assert.equal(viaPath.text.split('<script').length, 2);
  }));

// PHP reads at most max_input_vars fields (1000 by default) and no post over post_max_size;
// the order page posts four fields per line and 23 others.
test('a cart or order that PHP cuts short ends on the error page, never on a short order', async () => {
  const shown = /^<br \/>\n<b>Warning<\/b>: [^\n]*max_input_vars[^\n]*\n<meta http-equiv="refresh" content="0; url=shop_error.html">$/;
  const cut = (site) => site.postCart(cartOf(5000));
  const multipart = new FormData();
  for (let i = 0; i < 1000; i++) multipart.append(`x${i}`, '1');
  multipart.append('products_selected[]', 'SKU1|1');
  for (const [what, ini, request, expected, text = /^$/] of [
    ['buffered output', '', cut, ERROR],
    ['unbuffered output', 'output_buffering=0', cut, [200, null], shown],
    ['a post over post_max_size', 'post_max_size=1K\ndisplay_errors=0', (site) => site.postCart(cartOf(100)), ERROR],
    ['a query cut before the cart', '', (site) => site.get(`/${site.fileName}?${'x=1&'.repeat(1000)}products_selected[]=SKU1%7C1`), ERROR],
    ['a multipart post cut before the cart', '', (site) => site.post(multipart), ERROR],
    ['an order page whose post would be cut', '', (site) => site.postCart(cartOf(245)), ERROR],
    ['a field nested too deeply', '', (site) => site.post([[`x${'[a]'.repeat(70)}`, '1'], ['products_selected[]', 'SKU1|1']]), ERROR],
  ]) {
    await withCheckout({ products: SHOP, ini, expectWarning: CUT_SHORT }, async (site) => {
      const page = await request(site);
      assert.deepEqual(outcome(page), expected, what);
      assert.match(page.text, text, what);
    });
  }

  await withCheckout({ products: SHOP, expectWarning: CUT_SHORT }, async (site) => {
    // The largest order PHP reads whole, first with two fields more.
    const order = orderFields((await site.postCart(cartOf(244))).text);
    assert.deepEqual(outcome(await site.post([...order, ['x', '1'], ['y', '1']])), ERROR);
    assert.equal((await site.post(order)).location, 'shop_success.html');
    assert.deepEqual([site.mails().length, site.orderLog().split('\r\n').length], [2, 2]);
  });

  await withCheckout({ products: SHOP, ini: 'max_input_vars=30000' }, async (site) => {
    const { page, result } = await placeOrder(site, cartOf(5000));
    assert.deepEqual([hiddenInputs(page.text).at(-2), result.location], [['TOTAL', '$12500.00'], 'shop_success.html'], 'a raised limit');
  });
});

test('hostile order details add no mail header and are logged as one intact line, formulas defused', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const hostile = (name) => `${name}<script>alert("x")</script>'\r\nBcc: evil@example.net\n, ${CORPUS.join(',')}`;
    const details = Object.fromEntries(customerFields().map(([n]) => [n, n === 'billing_email' ? 'ada@example.org' : hostile(n)]));
    assert.equal((await placeOrder(site, ['SKU1|1'], details)).result.location, 'shop_success.html');
    assert.deepEqual(site.mails().map((m) => m.headers.length), [6, 6]);
    const formulas = { billing_first: '=HYPERLINK("http://evil.example")', billing_last: '+1', billing_address: '-2',
      billing_city: '@SUM(A1)', billing_phone: '+1 555 0100', billing_fax: ' =1', comments: undefined };
    const order = orderFields((await site.postCart(['SKU1|1'])).text, formulas);
    assert.equal((await site.post([...order, ['comments[]', 'x'], ['extra', '"=1+1"']])).location, 'shop_success.html');
    const lines = site.orderLog().split('\r\n');
    assert.deepEqual([lines.length, lines.pop()], [3, '']);
    for (const line of lines) assert.match(line, /^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,127\.0\.0\.1,SKU1,1,2\.50,Cake,\$2\.50,[^\r\n"]*$/);
    assert.ok(lines[0].includes(",billing_first<script>alert('x')</script>' Bcc: evil@example.net   <script>"));
    assert.deepEqual(lines[1].split(',').slice(7, -1), ["'=HYPERLINK('http://evil.example')", "'+1", "'-2", 'Flat 3', "'@SUM(A1)",
      'LN', 'N1 9GU', "'+1 555 0100", "' =1", 'ada@example.org', ...Array(10).fill(''), '', "'=1+1'"]);
  }));
