'use strict';
// Both passes of the checkout under PHP's built-in server: the order page built from a cart
// post, and the order post that mails, logs and redirects, with its refusals.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { spawn } = require('node:child_process');
const { ERROR, outcome, TEMPLATE_PATH, withCheckout, hiddenInputs, orderFields, placeOrder } = require('./fixture');

const SHOP = [{ id: 'SKU1', name: 'Cake', price: '2.50' }, { id: 'SKU2', name: "Tom's Pies & Co", price: '4' },
  { id: 'SKU3', name: 'Caf\u00e9 <Deluxe>', price: '1.999' }];

// PHP's "l, F jS Y" in UTC
const longDate = (d) => d.toLocaleDateString('en-US', { timeZone: 'UTC', weekday: 'long', month: 'long', day: 'numeric', year: 'numeric' })
  .replace(/ (\d+),/, (m, day) => ` ${day}${(day > 3 && day < 21) || day % 10 > 3 ? 'th' : ['th', 'st', 'nd', 'rd'][day % 10]}`);

test('a first visit gets the empty order page posting to the script itself; a cart is priced from its table', () =>
  withCheckout({ products: SHOP, fileName: 'shop_checkout.php' }, async (site) => {
    const { status, headers, text: html } = await site.get();
    assert.deepEqual([status, headers.get('content-type')], [200, 'text/html; charset=ISO-8859-1']);
    assert.ok(html.startsWith('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">\r\n'));
    for (const line of ['<meta http-equiv="Content-Type" content="text/html; charset=ISO-8859-1">', '<title>Check out</title>',
      '<form name="checkout" method="post" action="shop_checkout.php" onsubmit="return CheckForm(this);">',
      `alert("We're sorry, but you must provide the following field(s) before continuing:\\n" + why);`,
      '<textarea name="comments" id="comments" rows="6" cols="40"></textarea>',
      '<input type="submit" value="submit order"> <input type="reset" value="Reset">']) {
      assert.ok(html.includes(`${line}\r\n`), line);
    }
    const missing = [...html.matchAll(/\["billing_\w+", "([^"]*)"\]/g)].map((m) => m[1]);
    assert.deepEqual(missing, ['First Name', 'Last Name', 'Address', 'City', 'State', 'Zipcode', 'Phone', 'Email']);
    const [[total, token], [, again]] = [html, (await site.get()).text].map(hiddenInputs);
    assert.deepEqual([total, token[0]], [['TOTAL', '$0.00'], 'order_token']);
    assert.ok(/^[0-9a-f]{32}$/.test(token[1]) && again[1] !== token[1], `${token[1]}: a new token of 32 hex digits for every order page`);

    // Each row: its label, then each field with its size and the name of its own that it is labelled by; a
    // star marks a row and a field as required, for the eye and for assistive technology.
    const ROW = /<tr><td><label for="\w+">([^<]*)(<span class="required" aria-hidden="true">\*<\/span>)?<\/label><\/td><td>(.*?)<\/td><\/tr>/g;
    const FIELD = /(?:<span class="mervaneown" id="(\w+)">([^<]*)<\/span>)?<input type="text" name="(\w+)" id="\3" size="(\d+)"[^>]*?(?: aria-labelledby="(\w+)")?( aria-required="true")?>/g;
    const rows = [...html.matchAll(ROW)].map((m) => m[1] + (m[2] ? '*' : '') + [...m[3].matchAll(FIELD)]
      .map((f) => ` ${f[3]}:${f[4]}${f[6] ? '*' : ''}` + (f[2] && f[1] === f[5] ? `(${f[2]})` : '')).join(''));
    const table = (who, star) => [`Name:    ${star} ${who}_first:18${star}(First name) ${who}_last:15${star}(Last name)`,
      `Address: ${star} ${who}_address:37${star}`, `Address:  ${who}_address2:37(Address line 2)`,
      `City:    ${star} ${who}_city:21${star}`, `State:   ${star} ${who}_state:1${star}`, `Zip:     ${star} ${who}_zip:5${star}`,
      `Phone:   ${star} ${who}_phone:37${star}`, `Fax:      ${who}_fax:37`, `Email:   ${star} ${who}_email:37${star}`];
    assert.deepEqual(rows, [...table('billing', '*'), ...table('shipping', '')]);

    const priced = (await site.postCart(['SKU2|2', 'SKU1|1.5', 'SKU3|1'])).text;
    const cells = [...priced.matchAll(/<td class="mervaneentry">(.*?)(?:<\/td>|<input)/g)].map((m) => m[1]);
    assert.deepEqual(cells, ['SKU2', 'Tom&#39;s Pies &amp; Co', '2', '$4.00', 'SKU1', 'Cake', '1.5', '$2.50',
      'SKU3', 'Caf&#233; &lt;Deluxe&gt;', '1', '$2.00']);
    // The hidden fields ID_n, QUANTITY_n, PRICE_n, NAME_n and TOTAL: 2 x 4 + 1 x 2.50 (1.5 counts as 1) + 1 x 1.999
    assert.deepEqual(hiddenInputs(priced).slice(0, -1).map(([, value]) => value), ['SKU2', '2', '4', 'Tom&#39;s Pies &amp; Co',
      'SKU1', '1.5', '2.50', 'Cake', 'SKU3', '1', '1.999', 'Caf&#233; &lt;Deluxe&gt;', '$12.50']);
    assert.match(priced, /align="right"><b>\$12.50<\/b>/);
  }));

test('a completed order mails the owner and the customer, logs one line and redirects', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const before = new Date();
    const { page, result } = await placeOrder(site, ['SKU1|2', 'SKU2|1.5'], {
      shipping_first: 'Bob', shipping_last: 'Babbage', shipping_address: '1 Engine Way', shipping_address2: '',
      shipping_city: 'Cambridge', shipping_state: 'CB', shipping_zip: 'CB2', shipping_phone: '555 0200',
      shipping_fax: '555 0201', comments: 'Leave at door, please\r\nThanks',
    });
    assert.deepEqual(outcome(result), [302, 'shop_success.html']);

    const [owner, customer] = site.mails();
    const headers = (from) => [['From', from], ['Reply-To', from], ['MIME-Version', '1.0'], ['X-Mailer', 'PHP Mail generated by: Mervane']];
    assert.deepEqual(owner.headers, [['To', 'orders@example.com'], ['Subject', 'New Online Order'], ...headers('ada@example.org')]);
    assert.deepEqual(customer.headers, [['To', 'ada@example.org'], ['Subject', 'Order Confirmation'], ...headers('orders@example.com')]);
    const date = [before, new Date()].map(longDate).find((d) => owner.body.includes(d));
    const expected = [
      'A new order has been received.  A summary of this order appears below.', '',
      `Order Date: ${date} `, ' ', 'Bill To: ', '-------- ',
      '   Ada Lovelace ', '   12 Analytical Row ', '   Flat 3 ', '   London, LN  N1 9GU ', '   555 0100 ', '   555 0101 ',
      '   ada@example.org ', ' ', ' ',
      'Ship To: ', '-------- ', '   Bob Babbage ', '   1 Engine Way ', '    ', '   Cambridge, CB  CB2 ', '   555 0200 ', ' ', ' ',
      'Qty  Price($)   Product ID  - Product Name', '='.repeat(69) + ' ',
      '2    $2.50    SKU1 - Cake     ',
      '1.5    $4    SKU2 - Tom&#39;s Pies &amp; Co     ',
      '='.repeat(69) + ' ', 'TOTAL: $9.00 ', '', '', 'Comments: ', '--------- ',
      'Leave at door, please\r\nThanks ', ' ', '',
    ].join('\n');
    assert.deepEqual([owner.body, customer.body], [expected, expected]);

    const log = site.orderLog();
    assert.ok(Math.abs(new Date(log.slice(0, 19) + 'Z') - before) < 5000, `log time ${log.slice(0, 19)}`);
    assert.equal(log.slice(19), ',127.0.0.1,SKU1,2,2.50,Cake,SKU2,1.5,4,Tom&#39;s Pies &amp; Co,$9.00,'
      + 'Ada,Lovelace,12 Analytical Row,Flat 3,London,LN,N1 9GU,555 0100,555 0101,ada@example.org,'
      + `Bob,Babbage,1 Engine Way,,Cambridge,CB,CB2,555 0200,555 0201,,Leave at door  please Thanks,${hiddenInputs(page.text).at(-1)[1]}\r\n`);
  }));

test('an order post missing details, with a bad address or token, or not made by the order page is refused before the log opens', () =>
  withCheckout({ products: SHOP, expectWarning: /order log .*cannot be opened: fopen/ }, async (site) => {
    // The order page checks the address with its own copy of the server's pattern.
    const onPage = new RegExp((await site.get()).text.match(/var pattern = \/(.*)\/i;/)[1], 'i');
    const page = (await site.postCart(['SKU1|2', 'SKU2|1'])).text;
    const without = (...lines) => Object.fromEntries(lines.flatMap((n) => ['ID', 'QUANTITY', 'PRICE', 'NAME'].map((f) => [`${f}_${n}`, undefined])));
    const refused = [
      ...['first', 'last', 'address', 'city', 'state', 'zip', 'phone', 'email'].map((f) => ({ [`billing_${f}`]: '' })), { billing_first: undefined },
      ...['ada', 'ada@', 'ada@example', 'ada@example.c', 'ada@example.museums', '@example.org', 'ada@@example.org',
        '.ada@example.org', 'a+b@example.org', 'ada_@example.org', 'ada@-example.org', 'ad\u00e9@example.org',
        'ada@example.org\n', 'ada@example.org\r\nBcc: victim@example.net', 'ada@example.org\r', 'ada\n@example.org',
      ].map((e) => ({ billing_email: e })),
      ...['', 'A'.repeat(32), '0'.repeat(31), undefined].map((token) => ({ order_token: token })),
      { PRICE_1: '0.01' }, { NAME_2: 'Gold bar' }, { ID_2: 'GHOST' }, { TOTAL: '$1.00' }, { QUANTITY_2: '0', TOTAL: '$5.00' },
      without(1), { ...without(1, 2), TOTAL: '$0.00' }, { NAME_7: 'Free gift' }, { PRICE_2: undefined },
      { ID_1: undefined, 'ID_1[]': 'SKU1' }, { billing_email: undefined, 'billing_email[]': 'ada@example.org' },
      { TOTAL: undefined, 'TOTAL[]': '$9.00' },
    ];
    fs.mkdirSync(site.csvPath);
    for (const overrides of refused) {
      assert.deepEqual(outcome(await site.post(orderFields(page, overrides))), ERROR, String(Object.entries(overrides)));
      assert.ok(!onPage.test(overrides.billing_email || ''), `the order page lets ${overrides.billing_email} through`);
    }
    const unlogged = await site.post(orderFields(page));
    assert.deepEqual([unlogged.status, unlogged.text, site.mails().length], [200, "can't open csv file", 0], 'log checked before mail');
    fs.rmdirSync(site.csvPath);
    for (const email of ['Ada.King-Noel@Example.CO.uk', 'a_1.b@x_2-y.example.museum']) {
      const { result } = await placeOrder(site, ['SKU1|1'], { billing_email: email });
      assert.deepEqual([result.location, site.mails().at(-1).to, onPage.test(email)], ['shop_success.html', email, true]);
    }
  }));

// Every case places its orders and then finds one log row and two mails per order, nothing else.
test('no order is lost or doubled: control characters, resubmissions, a held lock, concurrent orders, a failing log, orders from every cart of a 20-page site', async () => {
  const rows = (site) => (site.orderLog() || '').split('\r\n').slice(0, -1);
  const taken = (site, orders) => assert.deepEqual([rows(site).length, site.mails().length], [orders, 2 * orders]);
  await withCheckout({ products: SHOP, env: { PHP_CLI_SERVER_WORKERS: '4' } }, async (site) => {
    const dirty = { billing_first: 'A\0da', billing_city: 'Lon\x01don\x7f', comments: 'a\0\tb\r\nc', ADDTLINFO_1: 'gift\0\x1b' };
    await placeOrder(site, ['SKU1|1'], dirty);
    taken(site, 1);
    assert.match(site.mails()[0].body, /   Ada Lovelace \n.*   London, LN  N1 9GU \n.* - Cake   gift  \n.*\nab\r\nc \n/s);
    assert.doesNotMatch(site.orderLog() + site.mails().map((m) => m.body).join(), /[\0-\x08\x0b-\x0c\x0e-\x1f\x7f\t]/);

    const order = orderFields((await site.postCart(['SKU2|1'])).text);
    const posts = [...await Promise.all([site.post(order), site.post(order)]), await site.post(order)];
    assert.deepEqual(posts.map(outcome), Array(3).fill([302, 'shop_success.html']), 'a double click and a retry');
    taken(site, 2);

    // An order waits for the log's lock; orders at the same moment each append a whole row.
    const holder = spawn('flock', ['-x', site.csvPath, '-c', 'echo locked; sleep 1.5'], { stdio: ['ignore', 'pipe', 'inherit'] });
    await new Promise((resolve) => holder.stdout.once('data', resolve));
    const start = Date.now();
    await placeOrder(site, ['SKU1|1'], { comments: 'first' });
    assert.ok(Date.now() - start >= 1000, 'the order waited for the lock');
    const comments = Array.from({ length: 12 }, (_, i) => `order${i}-${'x'.repeat(200000)}`);
    await Promise.all(comments.map((comment) => placeOrder(site, ['SKU1|1'], { comments: comment })));
    taken(site, 15);
    assert.deepEqual(rows(site).slice(3).map((l) => l.split(',').at(-2)).sort(), comments.sort());
  });
  const fullLog = (t) => t.replace("$csv_file = './orders.csv';", "$csv_file = '/dev/full';");
  const badSender = (t) => t.replace("$admin_email = 'orders@example.com';", '$admin_email = "orders@example.com\r\n";');
  for (const [what, options, before, expected] of [
    ['a log on a full device', { edit: fullLog, expectWarning: /order log \/dev\/full could not be written: fwrite/ }, '', [200, "can't open csv file"]],
    ['a short write', { fileBlocks: 1, expectWarning: /order log .* could not be written/ }, 'x'.repeat(400), [200, "can't open csv file"]],
    ['a sender that breaks the headers', { edit: badSender, expectWarning: /its mails have a NUL byte or malformed headers/ }, null, ERROR],
  ]) {
    await withCheckout({ products: SHOP, ...options }, async (site) => {
      if (before !== null) fs.writeFileSync(site.csvPath, before);
      const { result } = await placeOrder(site, ['SKU1|1']);
      assert.deepEqual([result.status, result.location || result.text], expected, what);
      assert.deepEqual([site.orderLog(), site.mails().length], [before, 0], what);
      assert.match(site.phpErrors(), options.expectWarning, `${what}: the server's log says why`);
    });
  }
  // A site of 20 pages with a cart each, the last listing the first's product at another price.
  const carts = [...SHOP.map((p) => [p]), ...Array.from({ length: 16 }, (_, i) => [{ id: `P${i}`, name: 'Bun', price: '1' }]), [{ ...SHOP[0], price: '9' }]];
  await withCheckout({ carts }, async (site) => {
    for (const cart of carts) assert.equal((await placeOrder(site, [`${cart[0].id}|1`])).result.location, 'shop_success.html', cart[0].id);
    const { page, result } = await placeOrder(site, ['SKU1|1', 'SKU2|2', 'SKU3|1', 'P15|3']);
    assert.deepEqual([hiddenInputs(page.text).at(-2), result.location], [['TOTAL', '$15.50'], 'shop_success.html'], 'the first cart\'s price');
    taken(site, 21);
  });
});

test('the e-mail lists the first 24 lines in dollars whatever the currency sign; the log keeps every field', () => {
  const products = Array.from({ length: 30 }, (_, i) => ({ id: `P${i + 1}`, name: `Item ${i + 1}`, price: '1' }));
  const edit = (t) => t.replace("$monetary_symbol = '$';", "$monetary_symbol = 'EUR ';");
  return withCheckout({ products, edit }, async (site) => {
    const { page } = await placeOrder(site, products.map((p) => `${p.id}|1`));
    assert.match(page.text, /<td class="mervaneentry">EUR 1.00<input/);
    const body = site.mails()[0].body;
    const items = body.split('\n').filter((l) => /^1    \$1    P\d+ - /.test(l));
    assert.deepEqual(items, products.slice(0, 24).map((p) => `1    $1    ${p.id} - ${p.name}     `));
    assert.match(body, /   ada@example.org \n \n \nQty  Price\(\$\)   Product ID .*\nTOTAL: EUR 30.00 \n/s, 'no Ship To without a name');
    const fields = site.orderLog().split(',');
    assert.equal(fields.length, 2 + 30 * 4 + 1 + 21 + 1);
    assert.deepEqual(fields.slice(118, 122), ['P30', '1', '1', 'Item 30']);
  });
});

// The publisher decodes both from the ANSI code page and fills their tokens by plain text
// replacement. What the template's settings say is pinned by the orders the other tests place.
test('the checkout template and the cart script are ASCII with CRLF line ends; the template has one product token', () => {
  for (const file of [TEMPLATE_PATH, path.join(path.dirname(TEMPLATE_PATH), 'jquery.mervane-2.0.js')]) {
    assert.match(fs.readFileSync(file, 'latin1'), /^([\0-\x09\x0b\x0c\x0e-\x7f]*\r\n)+$/, `${file}: ASCII lines, each ended by CRLF`);
  }
  assert.equal(fs.readFileSync(TEMPLATE_PATH, 'latin1').split('_PRODUCTS_').length, 2);
});
