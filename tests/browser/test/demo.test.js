'use strict';
// The demo bakery, built by ostrel from examples/bakery and served as the
// main job serves it, opened in Chromium. With MERVANE_SCREENSHOTS=1 it also
// renews the README's picture of the published cart.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { launchBrowser } = require('../lib/browser');
const { ROOT, ostrel, makeFolder, serveSite, openPublished } = require('../lib/module');
const { productList } = require('../lib/visitor');

const DEMO = path.join(ROOT, 'examples/bakery');
const SCREENSHOT = path.join(ROOT, 'docs/images/demo-cart.png');

test('the demo shop lists every product of its cart with its picture, and its pages load cleanly', async () => {
  const folder = makeFolder('mervane-demo-');
  const site = path.join(folder, 'site');
  ostrel('site', path.join(DEMO, 'site.json'), site);
  const shop = await serveSite(site);
  const browser = await launchBrowser();
  try {
    const { products } = JSON.parse(fs.readFileSync(path.join(DEMO, 'cart.json'), 'utf8'));
    const { page, problems } = await openPublished(browser, shop.url + 'index.html');
    assert.equal(products.length, 12);
    assert.deepEqual(await productList(page, 'Cart1'), products.map((p) => ({ name: p.name, picture: true })));
    if (process.env.MERVANE_SCREENSHOTS === '1') {
      await page.locator('#Cart1').screenshot({ path: SCREENSHOT });
    }
    await page.click('a[href="about.html"]');
    await page.waitForURL(shop.url + 'about.html');
    assert.deepEqual(problems, []);
  } finally {
    await browser.close();
    await shop.stop();
    fs.rmSync(folder, { recursive: true, force: true });
  }
});
