'use strict';
// Checkout through a payment gateway or another form target, in Chromium:
// the page is built from what the module renders and publishes, and the form
// that the ready script posts is caught before it leaves the machine.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { SiteServer } = require('../lib/site');
const { launchBrowser, openPage } = require('../lib/browser');
const { ROOT, makeFolder, writeJson, renderCart, publishCart, hostPage } = require('../lib/module');
const { addToCart, checkOut } = require('../lib/visitor');

const PICTURES = path.join(ROOT, 'examples/bakery/images');
const PRODUCTS = [
  { name: 'Cake', price: '10.00', productId: 'CAKE', image: path.join(PICTURES, 'victoria.png') },
  { name: 'Bun', price: '2.50', productId: 'BUN', image: path.join(PICTURES, 'cinnamon.png') },
];
const CART_ID = 'Cart7';
// 3 cakes and a bun, as the loop in the ready script describes them.
const DESCRIPTION = 'CAKE, Cake, Qty. 3\r\nBUN, Bun, Qty. 1\r\n';
const AMOUNT = '32.5';
// Gateway fields that use both totals, a value holding "|" and a field stored
// without "|".
const EXTRA_FIELDS = ['total|_AMOUNT_', 'note|_DESCRIPTION_', 'a|b|c', 'lonely'];
const EXTRA_POSTED = [['total', AMOUNT], ['note', DESCRIPTION], ['a', 'b'], ['lonely', '']];

const h = {};
test.before(async () => {
  h.folder = makeFolder('mervane-gateways-');
  h.server = await new SiteServer().start();
  h.browser = await launchBrowser();
});
test.after(async () => {
  await h.browser.close();
  await h.server.close();
  fs.rmSync(h.folder, { recursive: true, force: true });
});

// Renders and publishes a cart with `settings`, serves its page and returns
// the page opened in a fresh context whose requests off the site are caught.
async function openShop(name, settings) {
  const definition = writeJson(path.join(h.folder, name, 'cart.json'), { id: 7, products: PRODUCTS, ...settings });
  const texts = renderCart(definition);
  assert.ok(!/\$ID\$/.test(texts.html + texts.ready), 'the element id is put in place');
  assert.equal(texts.resources, 'jquery-1.9.1.min.js\n');
  const files = publishCart(definition, path.join(h.folder, name, 'site'));
  const url = h.server.publish({ ...files, 'index.html': hostPage(texts) });
  const shop = await openPage(h.browser, null);
  shop.posts = [];
  await shop.context.route((u) => u.origin !== h.server.origin, (route) => {
    const request = route.request();
    if (request.method() !== 'POST') return route.fulfill({ status: 204 });
    shop.posts.push({ url: request.url(), fields: [...new URLSearchParams(request.postData())] });
    return route.fulfill({ status: 200, contentType: 'text/html', body: '<!DOCTYPE html><title>Paid</title>' });
  });
  await shop.page.goto(url);
  return shop;
}

// Puts the [index, quantity] lines (3 cakes and a bun by default) into the
// cart, checks out and waits for the post.
async function buyAndCheckOut(shop, lines = [[0, 3], [1]]) {
  for (const [index, quantity] of lines) await addToCart(shop.page, CART_ID, index, quantity);
  await Promise.all([shop.page.waitForURL((u) => u.origin !== h.server.origin), checkOut(shop.page, CART_ID)]);
  await shop.context.close();
  assert.deepEqual(shop.problems, []);
  assert.equal(shop.posts.length, 1);
  return shop.posts[0];
}

const TOTALS_GATEWAYS = [
  { processor: 1, url: 'https://secure.authorize.net/gateway/transact.dll', description: 'x_Description', amount: 'x_Amount' },
  { processor: 2, url: 'https://secure.worldpay.com/wcc/purchase', description: 'desc', amount: 'amount' },
  { processor: 3, url: 'https://www.linkpointcentral.com/lpcentral/servlet/lppay', description: 'desc', amount: 'chargetotal' },
];

for (const g of TOTALS_GATEWAYS) {
  test(`processor ${g.processor} posts the description, the amount and the gateway fields with totals filled in`, async () => {
    const shop = await openShop('p' + g.processor, {
      paymentProcessor: g.processor, hiddenFields: ['login|shop42', ...EXTRA_FIELDS],
    });
    const post = await buyAndCheckOut(shop);
    assert.equal(post.url, g.url);
    assert.deepEqual(post.fields, [
      [g.description, DESCRIPTION], [g.amount, AMOUNT], ['login', 'shop42'], ...EXTRA_POSTED,
    ]);
  });
}

test('PayPal gets four numbered fields per cart line, then the gateway fields as stored', async () => {
  const shop = await openShop('paypal', {
    paymentProcessor: 4,
    hiddenFields: ['cmd|_cart', 'upload|1', 'business|shop@example.org', 'currency_code|EUR', 'note|_AMOUNT_', 'lonely'],
  });
  const post = await buyAndCheckOut(shop);
  assert.equal(post.url, 'https://www.paypal.com/cgi-bin/webscr');
  assert.deepEqual(post.fields, [
    ['item_number_1', 'CAKE'], ['quantity_1', '3'], ['amount_1', '10.00'], ['item_name_1', 'Cake'],
    ['item_number_2', 'BUN'], ['quantity_2', '1'], ['amount_2', '2.50'], ['item_name_2', 'Bun'],
    ['cmd', '_cart'], ['upload', '1'], ['business', 'shop@example.org'], ['currency_code', 'EUR'],
    ['note', '_AMOUNT_'], ['lonely', ''],
  ]);
});

test('another form target gets the checkout address as stored and only the gateway fields', async () => {
  const checkoutUrl = 'https://orders.example.test/take.php?shop=7&via=cart';
  const shop = await openShop('other', { paymentProcessor: 5, checkoutUrl, hiddenFields: EXTRA_FIELDS });
  const post = await buyAndCheckOut(shop);
  assert.equal(post.url, checkoutUrl);
  assert.deepEqual(post.fields, EXTRA_POSTED);
});

test('the amount is summed in whole cents: three products at 1.10 post 3.3', async () => {
  const products = ['A', 'B', 'C'].map((productId) => ({ name: productId, price: '1.10', productId }));
  const shop = await openShop('cents', { paymentProcessor: 2, products, hiddenFields: ['total|_AMOUNT_'] });
  const post = await buyAndCheckOut(shop, [[0], [1], [2]]);
  assert.deepEqual(post.fields.filter(([name]) => name !== 'desc'), [['amount', '3.3'], ['total', '3.3']]);
});
