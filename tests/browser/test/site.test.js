'use strict';
// Whole sites that ostrel publishes, served as the main job serves them: the
// demo bakery and a cart with hostile labels, each checked by axe in the five
// states of a visit, and one visitor's order by keyboard alone from the cart
// in Chromium through the checkout script's order page under PHP to the
// mails, the log and the success page. With MERVANE_SCREENSHOTS=1 the demo
// test also renews the README's picture of the published cart.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { useCart, axe } = require('./harness');
const { ROOT, makeFolder, publishDemo, publishSite, serveSite, addToCart, productList, cartLines, customerFields } = require('../lib/module');

const DEMO = path.join(ROOT, 'examples/bakery');
const PICTURES = path.join(DEMO, 'images');
const h = useCart();
test.before(() => { h.folder = makeFolder('mervane-site-'); });
test.after(() => fs.rmSync(h.folder, { recursive: true, force: true }));

// The five states of a visit, each reached from the one before: the shop at
// start, the message box showing, two lines in the cart, the order page, and
// the order page listing a refused line.
const STATES = {
  start: async () => {},
  message: (page, id) => addToCart(page, id, 0),
  cart: (page, id) => addToCart(page, id, 1).then(() => page.click(`#${id} a[href="#scart"]`)),
  order: (page, id) => Promise.all([page.waitForURL('**/mervane_checkout.php'), page.click(`#${id} .mvCheckoutButton`)]),
  refused: (page) => Promise.all([page.waitForNavigation(), page.evaluate(() => {
    document.forms.checkout.innerHTML = '<input name="products_selected[]" value="GHOST|1">';
    document.forms.checkout.submit();
  })]).then(() => page.waitForSelector('#refused', { timeout: 5000 })),
};
const CLEAN = Object.fromEntries(Object.keys(STATES).map((state) => [state, []]));

// What axe finds in each state: rule and elements per violation.
async function axeVisit(page, id) {
  const found = {};
  for (const [state, reach] of Object.entries(STATES)) {
    await reach(page, id);
    found[state] = await axe(page, ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice']);
  }
  return found;
}

// Roles and names of the tabs, buttons, fields and column headers in
// Chromium's accessibility tree.
const named = async (locator) => [...(await locator.ariaSnapshot()).matchAll(/- (tab|button|textbox|columnheader) "([^"]*)"/g)]
  .map((m) => `${m[1]} ${m[2]}`);

// Serves `site`, opens `file` and runs `fn(page, shop)`.
async function visit(site, file, fn) {
  const shop = await serveSite(site);
  try {
    await fn(await h.open(shop.url + file), shop);
  } finally {
    await shop.stop();
  }
}

test('the demo shop lists every product of its cart with its picture, its pages load, and axe finds nothing', async () => {
  const site = publishDemo(path.join(h.folder, 'demo'));
  const { products } = JSON.parse(fs.readFileSync(path.join(DEMO, 'cart.json'), 'utf8'));
  await visit(site, 'index.html', async (page) => {
    assert.deepEqual(await productList(page, 'Cart1'), products.map((p) => ({ name: p.name, picture: true })));
    if (process.env.MERVANE_SCREENSHOTS === '1') await page.locator('#Cart1').screenshot({ path: path.join(ROOT, 'docs/images/demo-cart.png') });
    await page.click('a[href="about.html"]');
    await page.waitForURL('**/about.html');
    await page.goBack();
    assert.deepEqual(await axeVisit(page, 'Cart1'), CLEAN);
  });
});

test('a cart with categories, non-Latin names and markup or nothing in its labels names its controls in plain text', async () => {
  const site = publishSite(path.join(h.folder, 'labels'), [{
    labelCartMenuName: '<b>Basket</b> (_COUNT_)', labelAddToCartButton: '<i>Add</i>', labelQuantityText: '', labelRemove: '',
    labelSearchText: '', products: [
      { name: 'Торт «Наполеон»', price: '4.75', productId: 'T1', category: 'Десерты', image: path.join(PICTURES, 'lemon.png') },
      { name: '抹茶ロール', price: '3.20', productId: 'M2', category: 'ケーキ', image: path.join(PICTURES, 'rye.png') }],
  }]);
  await visit(site, 'page0.html', async (page) => {
    assert.deepEqual(await named(page.locator('#Cart1')), ['tab Products', 'tab Basket (0)', 'textbox Search', 'button Search',
      'button Clear', 'textbox Quantity Торт «Наполеон»', 'button Add Торт «Наполеон»', 'textbox Quantity 抹茶ロール',
      'button Add 抹茶ロール', 'button Checkout']);
    assert.deepEqual(await axeVisit(page, 'Cart1'), CLEAN);
  });
});

test('a visitor orders by keyboard alone, and the shop gets the order by mail and in its log', async () => {
  const site = publishSite(path.join(h.folder, 'order'), [{
    messageItemAdded: '<b>Added</b> to your basket', products: [
      { name: 'Crème Brûlée', price: '4.75', productId: 'DES-1', category: 'Desserts', image: path.join(PICTURES, 'lemon.png') },
      { name: 'Seed Roll', price: '0.90', productId: 'SR-3', category: 'Bread', image: path.join(PICTURES, 'wholemeal.png') },
      { name: 'Rye Loaf', price: '3.20', productId: 'BR-2', category: 'Bread', image: path.join(PICTURES, 'rye.png') }],
  }], {
    'shop_success.html': '<!DOCTYPE html><title>Thanks</title><p>Order received</p>',
    'shop_error.html': '<!DOCTYPE html><title>Sorry</title><p>Order refused</p>',
  });
  await visit(site, 'page0.html', async (page, shop) => {
    const rings = {}, dialogs = [];
    page.on('dialog', (d) => { dialogs.push(d.message().split('\n')[0]); return d.accept(); });
    // Each step presses `key` until `selector` has the focus (without a key
    // it must have it now), noting the focus ring of each of the cart's links
    // on the way, then presses `keys` there; or it is a check to run.
    const steps = async (...list) => {
      for (const step of list) {
        if (typeof step === 'function') {
          await step();
          continue;
        }
        const [selector, key = 'Tab', ...keys] = step;
        for (let presses = 0; ; presses++, await page.keyboard.press(key)) {
          const [there, link, ring] = await page.evaluate((s) => {
            const e = document.activeElement, style = getComputedStyle(e);
            return [e.matches(s), e.matches('.mvMain a') && (e.getAttribute('role') === 'tab' ? 'tab' : e.className),
              `${style.outlineStyle} ${style.outlineWidth} ${style.boxShadow}`];
          }, selector);
          if (link) rings[link] = ring;
          if (there) break;
          assert.ok(key && presses < 40, `${selector} not reached${key ? ' by ' + key : ''}`);
        }
        for (const k of keys) await page.keyboard.press(k);
      }
    };
    await steps(['#Cart1 a.sel', 'Tab', 'ArrowRight'], ['#Cart1 a.sel[href="#scart"]', null, 'ArrowLeft'],
      ['#Cart1 .mvSearch[title="Clear Search"]'], ['#Cart1 .mvTxtQuantity', 'Tab', 'Enter'],
      () => page.waitForFunction(() => $('#Cart1 [role="status"]').text() === 'Added to your basket', null, { timeout: 5000 }),
      ['#Cart1 .mvAddToCart[rel="1"]', 'Tab', 'Space'], ['#Cart1 .mvAddToCart[rel="2"]', 'Tab', 'Enter'],
      ['#Cart1 a.sel', 'Shift+Tab', 'End'],
      async () => assert.deepEqual(await named(page.locator('#Cart1 [role="table"]')), ['columnheader Products',
        'columnheader Price', 'columnheader Quantity', 'columnheader Subtotal', ...['Crème Brûlée', 'Seed Roll', 'Rye Loaf']
          .flatMap((name) => [`textbox Quantity ${name}`, `button Remove ${name}`])]),
      ['#lblQuantity0', 'Tab', '2', 'Enter'], ['#lblQuantity0', null], ['#Cart1 .mvRemove[rel="1"]', 'Tab', 'Enter'],
      ['#Cart1 .mvRemove[rel="2"]', null], ['#Cart1 a.sel', 'Shift+Tab', 'Home'], ['#Cart1 .mvSkip', 'Tab', 'Enter'],
      ['#Cart1 .mvCheckoutButton', null]);
    assert.deepEqual(await cartLines(page, 'Cart1'), ['DES-1|2', 'BR-2|1']);
    await Promise.all([page.waitForURL('**/mervane_checkout.php'), page.keyboard.press('Enter')]);

    assert.equal(await page.inputValue('input[name="TOTAL"]'), '$12.70');
    assert.deepEqual(await page.locator('td.mervaneentry').allTextContents(),
      ['DES-1', 'Crème Brûlée', '2', '$4.75', 'BR-2', 'Rye Loaf', '1', '$3.20']);
    await steps(['input[type="submit"]', 'Tab', 'Enter'], ['#billing_first', null],
      ...customerFields().map(([name, value]) => [`[name="${name}"]`, 'Tab', ...value]), ['input[type="submit"]']);
    await Promise.all([page.waitForURL('**/shop_success.html'), page.keyboard.press('Enter')]);
    assert.equal(await page.textContent('p'), 'Order received');
    const RING = 'solid 2px rgb(255, 255, 255) 0px 0px 0px 2px';
    assert.deepEqual(rings, { tab: RING, mvSearch: RING, mvAddToCart: RING, mvRemove: RING, mvSkip: RING, mvCheckoutButton: RING });
    assert.deepEqual(dialogs, ['Do you want to remove "Seed Roll" from cart?',
      "We're sorry, but you must provide the following field(s) before continuing:"]);

    // What the mails and the log hold is the checkout suite's to check.
    const mails = shop.mails().sort((a, b) => a.subject.localeCompare(b.subject));
    assert.deepEqual(mails.map((m) => [m.subject, m.to]),
      [['New Online Order', 'orders@example.com'], ['Order Confirmation', 'ada@example.org']]);
    assert.match(shop.orderLog(), /^[^\r\n]*,DES-1,2,4\.75,[^\r\n]*\$12\.70,Ada,[^\r\n]*\r\n$/);
    assert.equal(shop.phpErrors(), '');
  });
});
