'use strict';
// Hostile input against both passes: markup, quotes and line breaks in every field, malformed
// and oversized carts, fields of the wrong shape. Nothing from the visitor may reach the page
// unescaped, no mail header may be added, PHP must stay silent, and the log must keep exactly
// one intact line per accepted order.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const { withCheckout, hiddenInputs, customerFields, placeOrder } = require('./fixture');

const SHOP = [
  { id: 'SKU1', name: 'Cake', price: '2.50' },
  { id: 'A<b>&1', name: 'Odd id', price: '1' },
];
const CORPUS = ['<script>alert(1)</script>', '"><img src=x onerror=alert(1)>', "'onmouseover='alert(1)'",
  '</textarea><i>x</i>', '\r\nX-Injected: yes', '&lt;i&gt;'];

// The page carries no markup but its own: one script element, no element the corpus brings.
function assertNoVisitorMarkup(html) {
  assert.equal(html.split('<script').length, 2, 'only the field-check script');
  for (const bad of ['<img', '<i>', 'onerror=', "'onmouseover", 'X-Injected', '&lt;i&gt;']) {
    assert.ok(!html.includes(bad), `page holds ${bad}`);
  }
}

test('malformed and hostile cart entries never reach the order page', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const page = await site.postCart([
      ...CORPUS.map((c) => `${c}|1`), ...CORPUS.map((c) => `SKU1|${c}`),
      'SKU1', '', '|1', 'SKU1|', 'SKU1|abc', 'SKU1|-1', 'SKU1|0', 'SKU1|0.5', 'SKU1|1e3', 'SKU1| 2', 'SKU1|0x10',
      'SKU1|2|3', 'A<b>&1|2', 'SKU1|3',
    ]);
    assertNoVisitorMarkup(page.text);
    assert.match(page.text, /<td class="mervaneentry">A&lt;b&gt;&amp;1<\/td>/);
    assert.deepEqual(hiddenInputs(page.text), [
      ['ID_1', 'A<b>&1'], ['QUANTITY_1', '2'], ['PRICE_1', '1'], ['NAME_1', 'Odd id'],
      ['ID_2', 'SKU1'], ['QUANTITY_2', '3'], ['PRICE_2', '2.50'], ['NAME_2', 'Cake'], ['TOTAL', '$9.50'],
    ]);

    const shapes = {
      'a single text': [['products_selected', 'SKU1|2']],
      'a nested list': [['products_selected[0][]', 'SKU1|2']],
      'nothing posted': [],
    };
    for (const [what, pairs] of Object.entries(shapes)) {
      assert.deepEqual(hiddenInputs((await site.post(pairs)).text), [['TOTAL', '$0.00']], what);
    }
    const viaQuery = await site.get(`/${site.fileName}?products_selected[]=SKU1%7C2`);
    assert.deepEqual(hiddenInputs(viaQuery.text).at(-1), ['TOTAL', '$5.00']);
    const viaPath = await site.get(`/${site.fileName}/%22%3E%3Cscript%3Ealert(1)%3C/script%3E`);
    assert.match(viaPath.text, /action="mervane_checkout.php"/);
    assertNoVisitorMarkup(viaPath.text);
  }));

test('a cart of 5,000 lines is priced and can be ordered', () =>
  withCheckout({ products: SHOP, phpArgs: ['-d', 'max_input_vars=30000'] }, async (site) => {
    const cart = Array.from({ length: 5000 }, (_, i) => (i % 2 ? 'SKU1|2' : `<script>${i}|x`));
    const { page, result } = await placeOrder(site, cart);
    assertNoVisitorMarkup(page.text);
    const hidden = hiddenInputs(page.text);
    assert.equal(hidden.length, 2500 * 4 + 1);
    assert.deepEqual(hidden.slice(-2), [['NAME_2500', 'Cake'], ['TOTAL', '$12500.00']]);
    assert.equal(result.location, 'shop_success.html');
    assert.equal(site.log().split('\r\n').length, 2);
  }));

test('hostile order details are mailed without extra headers and logged as one intact line', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const hostile = (name) => `${name}<script>alert("x")</script>'\r\nBcc: evil@example.net\n, ${CORPUS.join(',')}`;
    const details = Object.fromEntries(customerFields().map(([n]) => [n, n === 'billing_email' ? 'ada@example.org' : hostile(n)]));
    let accepted = 0;
    const expectAccepted = async (overrides) => {
      const { result } = await placeOrder(site, ['SKU1|1'], overrides);
      assert.equal(result.location, 'shop_success.html', JSON.stringify(overrides));
      accepted++;
    };
    await expectAccepted(details);
    for (const mail of site.mails()) {
      assert.deepEqual(mail.headers.map(([n]) => n), ['To', 'Subject', 'From', 'Reply-To', 'MIME-Version', 'X-Mailer']);
    }

    // Fields of the wrong shape or missing altogether: refused or ignored, never a warning.
    const page = await site.postCart(['SKU1|1']);
    const order = [...hiddenInputs(page.text), ...customerFields()];
    const without = (name) => order.filter(([n]) => n !== name);
    for (const [what, pairs] of Object.entries({
      'e-mail as a list': [...without('billing_email'), ['billing_email[]', 'ada@example.org']],
      'name as a list': [...without('billing_first'), ['billing_first[x][y]', 'Ada']],
      'total as a list': [...without('TOTAL'), ['TOTAL[]', '$2.50']],
      'total alone': [['TOTAL', '$2.50']],
      'details alone': [['TOTAL', '']],
    })) {
      const r = await site.post(pairs);
      assert.deepEqual([r.status, r.location], [302, 'shop_error.html'], what);
    }
    assert.equal((await site.post([...without('comments'), ['comments[]', 'x'], ['extra', '=1']])).location, 'shop_success.html');
    accepted++;
    await expectAccepted({ comments: 'plain' });

    const lines = site.log().split('\r\n');
    assert.equal(lines.pop(), '');
    assert.equal(lines.length, accepted);
    for (const line of lines) {
      assert.match(line, /^\d{4}-\d\d-\d\d \d\d:\d\d:\d\d,127\.0\.0\.1,SKU1,1,2\.50,Cake,\$2\.50,/);
      assert.ok(!/[\r\n"]/.test(line));
    }
    assert.equal(lines[0].split(',').length, 2 + 4 + 1 + 21);
    assert.ok(lines[0].includes(",billing_first<script>alert('x')</script>' Bcc: evil@example.net   <script>"));
    assert.ok(lines[1].endsWith(",,'=1"), 'a list in place of a field is logged empty');
  }));
