'use strict';
// One visitor's whole order on a shop that the module published: the cart in
// Chromium, the checkout script's order page under PHP, the two e-mails, the
// order log and the success page.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launchBrowser } = require('../lib/browser');
const { ROOT, ostrel, makeFolder, writeJson, serveSite, openPublished } = require('../lib/module');
const { addToCart, checkOut, productList, cartLines } = require('../lib/visitor');
const { customerFields } = require('../../checkout/fixture');

const PICTURES = path.join(ROOT, 'examples/bakery/images');
const CART = {
  products: [
    { name: 'Crème Brûlée', price: '4.75', productId: 'DES-1', category: 'Desserts', image: path.join(PICTURES, 'lemon.png') },
    { name: 'Rye Loaf', price: '3.20', productId: 'BR-2', category: 'Bread', image: path.join(PICTURES, 'rye.png') },
  ],
};
const SITE = {
  title: 'Corner Shop',
  pages: [{ file: 'index.html', title: 'Shop', html: '<h1>Corner Shop</h1>', widgets: [{ definition: 'cart.json', bounds: [0, 0, 640, 420] }] }],
  files: ['shop_success.html', 'shop_error.html'],
};

// Writes the site project beside its cart and pages, and publishes it.
function publishShop(folder) {
  const source = path.join(folder, 'project');
  writeJson(path.join(source, 'cart.json'), CART);
  const siteFile = writeJson(path.join(source, 'site.json'), SITE);
  fs.writeFileSync(path.join(source, 'shop_success.html'), '<!DOCTYPE html><title>Thanks</title><p>Order received</p>');
  fs.writeFileSync(path.join(source, 'shop_error.html'), '<!DOCTYPE html><title>Sorry</title><p>Order refused</p>');
  const site = path.join(folder, 'site');
  ostrel('site', siteFile, site);
  return site;
}

async function fillOrderPage(page) {
  for (const [name, value] of customerFields()) {
    if (value !== '') await page.fill(`[name="${name}"]`, value);
  }
}

test('a visitor orders two products and the shop gets the order by mail and in its log', async () => {
  const folder = makeFolder('mervane-journey-');
  const shop = await serveSite(publishShop(folder));
  const browser = await launchBrowser();
  try {
    const { page, problems } = await openPublished(browser, shop.url + 'index.html');
    assert.deepEqual(await productList(page, 'Cart1'), [
      { name: 'Crème Brûlée', picture: true }, { name: 'Rye Loaf', picture: true },
    ]);
    await addToCart(page, 'Cart1', 0, 2);
    await addToCart(page, 'Cart1', 1);
    assert.deepEqual(await cartLines(page, 'Cart1'), ['DES-1|2', 'BR-2|1']);

    await Promise.all([page.waitForURL(shop.url + 'mervane_checkout.php'), checkOut(page, 'Cart1')]);
    assert.equal(await page.inputValue('input[name="TOTAL"]'), '$12.70');
    assert.deepEqual(await page.locator('td.mervaneentry').allTextContents(),
      ['DES-1', 'Crème Brûlée', '2', '$4.75', 'BR-2', 'Rye Loaf', '1', '$3.20']);
    assert.deepEqual(await page.locator('input[name^="NAME_"]').evaluateAll((i) => i.map((e) => e.value)),
      ['Cr&#232;me Br&#251;l&#233;e', 'Rye Loaf']);
    await fillOrderPage(page);
    await Promise.all([page.waitForURL(shop.url + 'shop_success.html'), page.click('input[type="submit"]')]);
    assert.equal(await page.textContent('p'), 'Order received');
    assert.deepEqual(problems, []);

    const mails = shop.mails().sort((a, b) => a.subject.localeCompare(b.subject));
    assert.deepEqual(mails.map((m) => [m.subject, m.to]),
      [['New Online Order', 'orders@example.com'], ['Order Confirmation', 'ada@example.org']]);
    for (const mail of mails) {
      assert.match(mail.body, /^2 +\$4\.75 +DES-1 - Cr&#232;me Br&#251;l&#233;e/m);
      assert.match(mail.body, /^1 +\$3\.20 +BR-2 - Rye Loaf/m);
      assert.match(mail.body, /^TOTAL: \$12\.70/m);
    }
    const logLines = shop.orderLog().split('\r\n').filter(Boolean);
    assert.equal(logLines.length, 1);
    assert.match(logLines[0], /,DES-1,2,4\.75,.*,BR-2,1,3\.20,Rye Loaf,\$12\.70,Ada,Lovelace,.*,ada@example\.org,/);
    assert.equal(shop.phpErrors(), '');
  } finally {
    await browser.close();
    await shop.stop();
    fs.rmSync(folder, { recursive: true, force: true });
  }
});
