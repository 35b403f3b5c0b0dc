'use strict';
// Whole sites that ostrel publishes, served as the main job serves them: the
// demo bakery, and one visitor's order from the cart in Chromium through the
// checkout script's order page under PHP to the mails, the log and the
// success page. With MERVANE_SCREENSHOTS=1 the demo test also renews the
// README's picture of the published cart.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { useCart } = require('./harness');
const { ROOT, ostrel, makeFolder, publishSite, serveSite, addToCart, productList, cartLines } = require('../lib/module');
const { customerFields } = require('../../checkout/fixture');

const DEMO = path.join(ROOT, 'examples/bakery');
const h = useCart();
test.before(() => { h.folder = makeFolder('mervane-site-'); });
test.after(() => fs.rmSync(h.folder, { recursive: true, force: true }));

// Serves `site`, opens `file` and runs `fn(page, shop)`.
async function visit(site, file, fn) {
  const shop = await serveSite(site);
  try {
    await fn(await h.open(shop.url + file), shop);
  } finally {
    await shop.stop();
  }
}

test('the demo shop lists every product of its cart with its picture, and its pages load', async () => {
  const site = path.join(h.folder, 'demo');
  ostrel('site', path.join(DEMO, 'site.json'), site);
  const { products } = JSON.parse(fs.readFileSync(path.join(DEMO, 'cart.json'), 'utf8'));
  await visit(site, 'index.html', async (page) => {
    assert.deepEqual(await productList(page, 'Cart1'), products.map((p) => ({ name: p.name, picture: true })));
    if (process.env.MERVANE_SCREENSHOTS === '1') await page.locator('#Cart1').screenshot({ path: path.join(ROOT, 'docs/images/demo-cart.png') });
    await page.click('a[href="about.html"]');
    await page.waitForURL('**/about.html');
  });
});

test('a visitor orders two products and the shop gets the order by mail and in its log', async () => {
  const pictures = path.join(DEMO, 'images');
  const site = publishSite(path.join(h.folder, 'order'), [{
    products: [
      { name: 'Crème Brûlée', price: '4.75', productId: 'DES-1', category: 'Desserts', image: path.join(pictures, 'lemon.png') },
      { name: 'Rye Loaf', price: '3.20', productId: 'BR-2', category: 'Bread', image: path.join(pictures, 'rye.png') },
    ],
  }], {
    'shop_success.html': '<!DOCTYPE html><title>Thanks</title><p>Order received</p>',
    'shop_error.html': '<!DOCTYPE html><title>Sorry</title><p>Order refused</p>',
  });
  await visit(site, 'page0.html', async (page, shop) => {
    assert.deepEqual(await productList(page, 'Cart1'), [{ name: 'Crème Brûlée', picture: true }, { name: 'Rye Loaf', picture: true }]);
    await addToCart(page, 'Cart1', 0, 2);
    await addToCart(page, 'Cart1', 1);
    assert.deepEqual(await cartLines(page, 'Cart1'), ['DES-1|2', 'BR-2|1']);
    await Promise.all([page.waitForURL('**/mervane_checkout.php'), page.click('#Cart1 .mvCheckoutButton')]);
    assert.equal(await page.inputValue('input[name="TOTAL"]'), '$12.70');
    assert.deepEqual(await page.locator('td.mervaneentry').allTextContents(),
      ['DES-1', 'Crème Brûlée', '2', '$4.75', 'BR-2', 'Rye Loaf', '1', '$3.20']);
    assert.deepEqual(await page.locator('input[name^="NAME_"]').evaluateAll((i) => i.map((e) => e.value)),
      ['Cr&#232;me Br&#251;l&#233;e', 'Rye Loaf']);
    for (const [name, value] of customerFields()) if (value !== '') await page.fill(`[name="${name}"]`, value);
    await Promise.all([page.waitForURL('**/shop_success.html'), page.click('input[type="submit"]')]);
    assert.equal(await page.textContent('p'), 'Order received');

    // What the mails and the log hold is the checkout suite's to check.
    const mails = shop.mails().sort((a, b) => a.subject.localeCompare(b.subject));
    assert.deepEqual(mails.map((m) => [m.subject, m.to]),
      [['New Online Order', 'orders@example.com'], ['Order Confirmation', 'ada@example.org']]);
    assert.match(shop.orderLog(), /^[^\r\n]*,DES-1,2,4\.75,[^\r\n]*\$12\.70,Ada,[^\r\n]*\r\n$/);
    assert.equal(shop.phpErrors(), '');
  });
});
