'use strict';
// Checkout through a payment gateway or another form target, in Chromium, on
// a site that ostrel publishes with one cart page per case; the form that the
// ready script posts is caught before it leaves the machine.
const test = require('node:test');
const assert = require('node:assert/strict');
const { useCart } = require('./harness');
const { publishSite, addToCart } = require('../lib/module');

const PRODUCTS = [{ name: 'Cake', price: '10.00', productId: 'CAKE' }, { name: 'Bun', price: '2.50', productId: 'BUN' }];
// 3 cakes and a bun, as the loop in the ready script describes them.
const DESCRIPTION = 'CAKE, Cake, Qty. 3\r\nBUN, Bun, Qty. 1\r\n';
// Gateway fields that use both totals, a value holding "|" and a field
// stored without "|".
const EXTRA_FIELDS = ['total|_AMOUNT_', 'note|_DESCRIPTION_', 'a|b|c', 'lonely'];
const EXTRA_POSTED = [['total', '32.5'], ['note', DESCRIPTION], ['a', 'b'], ['lonely', '']];
const OTHER_URL = 'https://orders.example.test/take.php?shop=7&via=cart';

// Settings, what the visitor buys ([index, quantity]), the target and the
// fields posted.
const CASES = [
  ...[[1, 'https://secure.authorize.net/gateway/transact.dll', 'x_Description', 'x_Amount'],
    [2, 'https://secure.worldpay.com/wcc/purchase', 'desc', 'amount'],
    [3, 'https://www.linkpointcentral.com/lpcentral/servlet/lppay', 'desc', 'chargetotal'],
  ].map(([paymentProcessor, url, description, amount]) => ({
    name: `processor ${paymentProcessor} posts the description, the amount and the gateway fields with totals filled in`,
    cart: { paymentProcessor, hiddenFields: ['login|shop42', ...EXTRA_FIELDS] },
    url, fields: [[description, DESCRIPTION], [amount, '32.5'], ['login', 'shop42'], ...EXTRA_POSTED],
  })),
  {
    name: 'PayPal gets four numbered fields per cart line, then the gateway fields as stored',
    cart: { paymentProcessor: 4, hiddenFields: ['cmd|_cart', 'business|shop@example.org', 'note|_AMOUNT_', 'lonely'] },
    url: 'https://www.paypal.com/cgi-bin/webscr',
    fields: [['item_number_1', 'CAKE'], ['quantity_1', '3'], ['amount_1', '10.00'], ['item_name_1', 'Cake'],
      ['item_number_2', 'BUN'], ['quantity_2', '1'], ['amount_2', '2.50'], ['item_name_2', 'Bun'],
      ['cmd', '_cart'], ['business', 'shop@example.org'], ['note', '_AMOUNT_'], ['lonely', '']],
  },
  {
    name: 'another form target gets the checkout address as stored and only the gateway fields',
    cart: { paymentProcessor: 5, checkoutUrl: OTHER_URL, hiddenFields: EXTRA_FIELDS }, url: OTHER_URL, fields: EXTRA_POSTED,
  },
  {
    name: 'the amount is summed in whole cents: three products at 1.10 post 3.3',
    cart: { paymentProcessor: 2, products: ['A', 'B', 'C'].map((productId) => ({ name: productId, price: '1.10', productId })) },
    buy: [[0], [1], [2]], url: 'https://secure.worldpay.com/wcc/purchase',
    fields: [['desc', 'A, A, Qty. 1\r\nB, B, Qty. 1\r\nC, C, Qty. 1\r\n'], ['amount', '3.3']],
  },
];

const h = useCart((folder) => publishSite(folder, CASES.map((c) => ({ products: PRODUCTS, ...c.cart }))));

CASES.forEach((c, i) => test(c.name, async () => {
  const posts = [];
  const offSite = (u) => u.origin !== new URL(h.shop.url).origin;
  const page = await h.open(`${h.shop.url}page${i}.html`, { prepare: (context) => context.route(offSite, (route) => {
    if (route.request().method() !== 'POST') return route.fulfill({ status: 204 });
    posts.push({ url: route.request().url(), fields: [...new URLSearchParams(route.request().postData())] });
    return route.fulfill({ status: 200, contentType: 'text/html', body: '<!DOCTYPE html><title>Paid</title>' });
  }) });
  for (const [index, quantity] of c.buy || [[0, 3], [1]]) await addToCart(page, `Cart${i + 1}`, index, quantity);
  await Promise.all([page.waitForURL(offSite), page.click(`#Cart${i + 1} .mvCheckoutButton`)]);
  assert.deepEqual(posts, [{ url: c.url, fields: c.fields }]);
}));
