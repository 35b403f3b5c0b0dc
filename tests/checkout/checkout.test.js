'use strict';
// Both passes of the checkout under PHP's built-in server: the order page built from a cart
// post, and the order post that mails, logs and redirects, with its refusals.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { spawn } = require('node:child_process');
const { withCheckout, hiddenInputs, customerFields, placeOrder } = require('./fixture');

const SHOP = [
  { id: 'SKU1', name: 'Cake', price: '2.50' },
  { id: 'SKU2', name: "Tom's Pies & Co", price: '4' },
  { id: 'SKU3', name: 'Caf\u00e9 <Deluxe>', price: '1.999' },
];
const ERROR = { status: 302, location: 'shop_error.html' };
const redirect = (r) => ({ status: r.status, location: r.location });

const WEEKDAYS = ['Sunday', 'Monday', 'Tuesday', 'Wednesday', 'Thursday', 'Friday', 'Saturday'];
const MONTHS = ['January', 'February', 'March', 'April', 'May', 'June', 'July', 'August',
  'September', 'October', 'November', 'December'];
function longDate(d) { // PHP's "l, F jS Y" in UTC
  const day = d.getUTCDate();
  const suffix = day >= 11 && day <= 13 ? 'th' : ({ 1: 'st', 2: 'nd', 3: 'rd' }[day % 10] || 'th');
  return `${WEEKDAYS[d.getUTCDay()]}, ${MONTHS[d.getUTCMonth()]} ${day}${suffix} ${d.getUTCFullYear()}`;
}

function assertNothingSent(site) {
  assert.equal(site.mails().length, 0, 'no mail');
  assert.equal(site.log(), null, 'no log');
}

test('a first visit without a cart gets the empty order page posting to the script itself', () =>
  withCheckout({ fileName: 'shop_checkout.php' }, async (site) => {
    const page = await site.get();
    assert.equal(page.status, 200);
    assert.equal(page.headers.get('content-type'), 'text/html; charset=ISO-8859-1');
    const html = page.text;
    assert.ok(html.startsWith('<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">\r\n'));
    assert.match(html, /<meta http-equiv="Content-Type" content="text\/html; charset=ISO-8859-1">/);
    assert.match(html, /<title>Check out<\/title>/);
    assert.match(html, /<form [^>]*method="post" action="shop_checkout.php" onsubmit="return CheckForm\(this\);">/);
    assert.match(html, /alert\("We're sorry, but you must provide the following field\(s\) before continuing:\\n" \+ why\)/);
    const missing = [...html.matchAll(/why \+= "     Billing: ([^\\]*)\\n"/g)].map((m) => m[1]);
    assert.deepEqual(missing, ['First Name', 'Last Name', 'Address', 'City', 'State', 'Zipcode', 'Phone', 'Email']);
    assert.deepEqual(hiddenInputs(html), [['TOTAL', '$0.00']]);
    assert.match(html, /<b>TOTAL<\/b><\/td>\r\n<td class="mervanetotal" colspan="2" align="right"><b>\$0.00<\/b>/);

    const rows = [...html.matchAll(/<tr><td>([^<]*)<\/td><td>(.*?)<\/td><\/tr>/g)]
      .map((m) => m[1] + [...m[2].matchAll(/name="([^"]+)" size="(\d+)"/g)].map((f) => ` ${f[1]}:${f[2]}`).join(''));
    const table = (who) => [`Name:     ${who}_first:18 ${who}_last:15`, `Address:  ${who}_address:37`,
      `Address:  ${who}_address2:37`, `City:     ${who}_city:21`, `State:    ${who}_state:1`, `Zip:      ${who}_zip:5`,
      `Phone:    ${who}_phone:37`, `Fax:      ${who}_fax:37`, `Email:    ${who}_email:37`];
    assert.deepEqual(rows, [...table('billing'), ...table('shipping')]);
    assert.match(html, /<textarea name="comments" rows="6" cols="40"><\/textarea>/);
    assert.match(html, /<input type="submit" value="submit order"> <input type="reset" value="Reset">/);
  }));

test('a cart post is priced from the script\'s own table; unknown products are left out', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const page = await site.postCart(['SKU2|2', 'GHOST|5', 'SKU1|1.5', 'SKU3|1']);
    const rows = [...page.text.matchAll(/<td class="mervaneentry">(.*?)<\/td>\r\n<td class="mervaneentry">(.*?)<\/td>\r\n<td class="mervaneentry">(.*?)<\/td>\r\n<td class="mervaneentry">(.*?)<input/g)]
      .map((m) => m.slice(1));
    assert.deepEqual(rows, [
      ['SKU2', 'Tom&#39;s Pies &amp; Co', '2', '$4.00'],
      ['SKU1', 'Cake', '1.5', '$2.50'],
      ['SKU3', 'Caf&#233; &lt;Deluxe&gt;', '1', '$2.00'],
    ]);
    // 2 x 4 + 1 x 2.50 (1.5 counts as 1) + 1 x 1.999
    assert.deepEqual(hiddenInputs(page.text), [
      ['ID_1', 'SKU2'], ['QUANTITY_1', '2'], ['PRICE_1', '4'], ['NAME_1', 'Tom&#39;s Pies &amp; Co'],
      ['ID_2', 'SKU1'], ['QUANTITY_2', '1.5'], ['PRICE_2', '2.50'], ['NAME_2', 'Cake'],
      ['ID_3', 'SKU3'], ['QUANTITY_3', '1'], ['PRICE_3', '1.999'], ['NAME_3', 'Caf&#233; &lt;Deluxe&gt;'],
      ['TOTAL', '$12.50'],
    ]);
    assert.match(page.text, /align="right"><b>\$12.50<\/b>/);
  }));

test('a completed order mails the owner and the customer, logs one line and redirects', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const before = new Date();
    const { result } = await placeOrder(site, ['SKU1|2', 'SKU2|1.5'], {
      shipping_first: 'Bob', shipping_last: 'Babbage', shipping_address: '1 Engine Way', shipping_address2: '',
      shipping_city: 'Cambridge', shipping_state: 'CB', shipping_zip: 'CB2', shipping_phone: '555 0200',
      shipping_fax: '555 0201', comments: 'Leave at door, please\r\nThanks',
    });
    const after = new Date();
    assert.deepEqual(redirect(result), { status: 302, location: 'shop_success.html' });

    const [owner, customer] = site.mails();
    const headers = (from) => [['From', from], ['Reply-To', from], ['MIME-Version', '1.0'], ['X-Mailer', 'PHP Mail generated by: Mervane']];
    assert.deepEqual(owner.headers, [['To', 'orders@example.com'], ['Subject', 'New Online Order'], ...headers('ada@example.org')]);
    assert.deepEqual(customer.headers, [['To', 'ada@example.org'], ['Subject', 'Order Confirmation'], ...headers('orders@example.com')]);
    const date = [before, after].map(longDate).find((d) => owner.body.includes(d));
    assert.ok(date, 'order date');
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
    assert.equal(owner.body, expected);
    assert.equal(customer.body, expected);

    const log = site.log();
    const stamp = log.slice(0, 19);
    assert.ok(Math.abs(new Date(stamp + 'Z') - before) < 5000, `log time ${stamp}`);
    assert.equal(log.slice(19), ',127.0.0.1,SKU1,2,2.50,Cake,SKU2,1.5,4,Tom&#39;s Pies &amp; Co,$9.00,'
      + 'Ada,Lovelace,12 Analytical Row,Flat 3,London,LN,N1 9GU,555 0100,555 0101,ada@example.org,'
      + 'Bob,Babbage,1 Engine Way,,Cambridge,CB,CB2,555 0200,555 0201,,Leave at door  please Thanks\r\n');
  }));

test('the e-mail prices items in dollars whatever the currency sign; no Ship To without a shipping name', () =>
  withCheckout({ products: SHOP, edit: (t) => t.replace("$monetary_symbol = '$';", "$monetary_symbol = 'EUR ';") }, async (site) => {
    const { page, result } = await placeOrder(site, ['SKU1|3']);
    assert.match(page.text, /<td class="mervaneentry">EUR 2.50<input/);
    assert.equal(result.location, 'shop_success.html');
    const body = site.mails()[0].body;
    assert.match(body, /   ada@example.org \n \n \nQty  Price\(\$\)   Product ID/);
    assert.match(body, /\n3    \$2.50    SKU1 - Cake     \n/);
    assert.match(body, /\nTOTAL: EUR 7.50 \n/);
  }));

test('missing billing details and bad addresses are refused before anything is sent', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const required = ['billing_first', 'billing_last', 'billing_address', 'billing_city', 'billing_state',
      'billing_zip', 'billing_phone', 'billing_email'];
    const refused = [
      ...required.map((f) => ({ [f]: '' })), { billing_first: undefined },
      ...['ada', 'ada@', 'ada@example', 'ada@example.c', 'ada@example.museums', '@example.org', 'ada@@example.org',
        '.ada@example.org', 'ada@example.org\n', 'ada@example.org\r\nBcc: victim@example.net', 'ada@example.org\r',
        'ada\n@example.org'].map((e) => ({ billing_email: e })),
    ];
    for (const overrides of refused) {
      const { result } = await placeOrder(site, ['SKU1|1'], overrides);
      assert.deepEqual(redirect(result), ERROR, JSON.stringify(overrides));
    }
    assertNothingSent(site);
    const { result } = await placeOrder(site, ['SKU1|1'], { billing_email: 'Ada.King-Noel@Example.CO.uk' });
    assert.equal(result.location, 'shop_success.html', 'the address pattern ignores case');
    assert.equal(site.mails()[1].to, 'Ada.King-Noel@Example.CO.uk');
  }));

test('an order log that cannot be opened stops the script after the checks and before any mail', () =>
  withCheckout({ products: SHOP }, async (site) => {
    fs.mkdirSync(site.csvPath);
    assert.deepEqual(redirect((await placeOrder(site, ['SKU1|1'], { billing_zip: '' })).result), ERROR);
    const { result } = await placeOrder(site, ['SKU1|1']);
    assert.equal(result.status, 200);
    assert.equal(result.text, "can't open csv file");
    assert.equal(site.mails().length, 0);
  }));

test('the e-mail lists only the first 24 lines while the log keeps every posted field', () => {
  const products = Array.from({ length: 30 }, (_, i) => ({ id: `P${i + 1}`, name: `Item ${i + 1}`, price: '1' }));
  return withCheckout({ products }, async (site) => {
    const { result } = await placeOrder(site, products.map((p) => `${p.id}|1`));
    assert.equal(result.location, 'shop_success.html');
    const items = site.mails()[0].body.split('\n').filter((l) => /^1    \$1    P\d+ - /.test(l));
    assert.deepEqual(items, products.slice(0, 24).map((p) => `1    $1    ${p.id} - ${p.name}     `));
    const fields = site.log().split(',');
    assert.equal(fields.length, 2 + 30 * 4 + 1 + 21);
    assert.deepEqual(fields.slice(118, 122), ['P30', '1', '1', 'Item 30']);
  });
});

test('an order post that does not match the product table is refused', () =>
  withCheckout({ products: SHOP }, async (site) => {
    const page = await site.postCart(['SKU1|2', 'SKU2|1']);
    const genuine = [...hiddenInputs(page.text), ...customerFields()];
    const set = (pairs, name, value) => pairs.map(([n, v]) => [n, n === name ? value : v]);
    const tampered = {
      'lowered price': set(set(genuine, 'PRICE_1', '0.01'), 'TOTAL', '$4.02'),
      'renamed product': set(genuine, 'NAME_2', 'Gold bar'),
      'unknown product': set(genuine, 'ID_2', 'GHOST'),
      'product swapped': set(set(set(genuine, 'ID_1', 'SKU2'), 'NAME_1', 'Cake'), 'PRICE_1', '2.50'),
      'lowered total': set(genuine, 'TOTAL', '$1.00'),
      'raised quantity': set(genuine, 'QUANTITY_1', '20'),
      'negative quantity': set(set(genuine, 'QUANTITY_2', '-1'), 'TOTAL', '$1.00'),
      'gap in lines': genuine.filter(([n]) => !n.endsWith('_1')),
      'stray line': [...genuine, ['NAME_7', 'Free gift']],
      'line missing a field': genuine.filter(([n]) => n !== 'PRICE_2'),
      'no lines': [['TOTAL', '$0.00'], ...customerFields()],
      'field as a list': [['ID_1[]', 'SKU1'], ...genuine.filter(([n]) => n !== 'ID_1')],
    };
    for (const [what, pairs] of Object.entries(tampered)) {
      assert.deepEqual(redirect(await site.post(pairs)), ERROR, what);
    }
    assertNothingSent(site);
    assert.equal((await site.post(genuine)).location, 'shop_success.html');
  }));

test('log fields a spreadsheet would run as formulas are defused', () =>
  withCheckout({ products: SHOP }, async (site) => {
    await placeOrder(site, ['SKU1|1'], {
      billing_first: '=HYPERLINK("http://evil.example")', billing_last: '+1', billing_address: '-2',
      billing_city: '@SUM(A1)', billing_phone: '+1 555 0100', billing_fax: ' =1', comments: '"=1+1"',
    });
    const fields = site.log().trimEnd().split(',');
    assert.deepEqual(fields.slice(7, 16), ["'=HYPERLINK('http://evil.example')", "'+1", "'-2", 'Flat 3', "'@SUM(A1)",
      'LN', 'N1 9GU', "'+1 555 0100", "' =1"]);
    assert.equal(fields.at(-1), "'=1+1'");
  }));

test('the log append waits for the file lock and concurrent orders never interleave', () =>
  withCheckout({ products: SHOP, env: { PHP_CLI_SERVER_WORKERS: '4' } }, async (site) => {
    fs.writeFileSync(site.csvPath, '');
    const holder = spawn('flock', ['-x', site.csvPath, '-c', 'echo locked; sleep 1.5'], { stdio: ['ignore', 'pipe', 'inherit'] });
    await new Promise((resolve) => holder.stdout.once('data', resolve));
    const start = Date.now();
    await placeOrder(site, ['SKU1|1'], { comments: 'first' });
    assert.ok(Date.now() - start >= 1000, 'the order waited for the lock');

    const bulk = 'x'.repeat(200000);
    const results = await Promise.all(Array.from({ length: 12 }, (_, i) =>
      placeOrder(site, ['SKU1|1'], { comments: `order${i}-${bulk}` })));
    assert.ok(results.every(({ result }) => result.location === 'shop_success.html'));
    const lines = site.log().split('\r\n');
    assert.equal(lines.pop(), '');
    assert.equal(lines.length, 13);
    const comments = lines.slice(1).map((l) => l.split(',').at(-1)).sort();
    assert.deepEqual(comments, Array.from({ length: 12 }, (_, i) => `order${i}-${bulk}`).sort());
  }));
