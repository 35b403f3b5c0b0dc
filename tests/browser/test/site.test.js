'use strict';
// Carts on a site that ostrel publishes, served as the main job serves them:
// a cart with hostile labels, checked by axe in three states of a visit, and
// one visitor's order by keyboard alone from the cart in Chromium through
// the checkout script's order page under PHP to the success page.
const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const { useCart, axe } = require('./harness');
const { ROOT, publishSite, addToCart, cartLines, customerFields } = require('../lib/module');

const PICTURES = path.join(ROOT, 'examples/bakery/images');
const product = (name, price, productId, category, image) => ({ name, price, productId, category, image: path.join(PICTURES, image) });
// Labels are site-wide: both pages' carts have markup or nothing in theirs.
const LABELS = {
  labelCartMenuName: '<b>Basket</b> (_COUNT_)', labelAddToCartButton: '<i>Add</i>', labelQuantityText: '', labelRemove: '',
  labelSearchText: '', messageItemAdded: '<b>Added</b> to your basket',
};
const ORDER = [product('Crème Brûlée', '4.75', 'DES-1', 'Desserts', 'lemon.png'), product('Seed Roll', '0.90', 'SR-3', 'Bread', 'wholemeal.png'),
  product('Rye Loaf', '3.20', 'BR-2', 'Bread', 'rye.png')];
const h = useCart((folder) => publishSite(folder, [{ ...LABELS, products: [product('Торт <b>«Наполеон»</b>', '4.75', 'T1', 'Десерты', 'lemon.png'),
  product('抹茶ロール', '3.20', 'M2', 'ケーキ', 'rye.png')] }, { ...LABELS, products: ORDER }], {
  'shop_success.html': '<!DOCTYPE html><title>Thanks</title><p>Order received</p>',
  'shop_error.html': '<!DOCTYPE html><title>Sorry</title><p>Order refused</p>',
}));

// Roles and names of the tabs, buttons, fields and column headers in
// Chromium's accessibility tree.
const named = async (locator) => [...(await locator.ariaSnapshot()).matchAll(/- (tab|button|textbox|columnheader) "([^"]*)"/g)]
  .map((m) => `${m[1]} ${m[2]}`);

test('a cart with categories, non-Latin names, markup in a name and markup or nothing in its labels names its controls in plain text', async () => {
  const page = await h.open(h.shop.url + 'page0.html');
  assert.deepEqual(await named(page.locator('#Cart1')), ['tab Products', 'tab Basket (0)', 'textbox Search', 'button Search',
    'button Clear', 'textbox Quantity Торт «Наполеон»', 'button Add Торт «Наполеон»', 'textbox Quantity 抹茶ロール',
    'button Add 抹茶ロール', 'button Checkout']);
  // The shop at start, the message box showing, two lines in the cart.
  const found = {};
  for (const [state, reach] of [['start', () => {}], ['message', () => addToCart(page, 'Cart1', 0)],
    ['cart', () => addToCart(page, 'Cart1', 1).then(() => page.click('#Cart1 a[href="#scart"]'))]]) {
    await reach();
    found[state] = await axe(page);
  }
  assert.deepEqual(found, { start: [], message: [], cart: [] });
});

test('a visitor orders by keyboard alone', async () => {
  const page = await h.open(h.shop.url + 'page1.html');
  const rings = {}, dialogs = [];
  page.on('dialog', (d) => { dialogs.push(d.message().split('\n')[0]); return d.accept(); });
  // Each step presses `key` until `selector` has the focus (without a key it
  // must have it now), noting the focus ring of each of the cart's links on
  // the way, then presses `keys` there.
  const steps = async (...list) => {
    for (const [selector, key = 'Tab', ...keys] of list) {
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
  await steps(['#Cart2 a.sel', 'Tab', 'ArrowRight'], ['#Cart2 a.sel[href="#scart"]', null, 'ArrowLeft'],
    ['#Cart2 .mvSearch[title="Clear Search"]'], ['#Cart2 .mvTxtQuantity', 'Tab', 'Enter']);
  await page.waitForFunction(() => $('#Cart2 [role="status"]').text() === 'Added to your basket', null, { timeout: 5000 });
  await steps(['#Cart2 .mvAddToCart[rel="1"]', 'Tab', 'Space'], ['#Cart2 .mvAddToCart[rel="2"]', 'Tab', 'Enter'],
    ['#Cart2 a.sel', 'Shift+Tab', 'End']);
  assert.deepEqual(await named(page.locator('#Cart2 [role="table"]')), ['columnheader Products', 'columnheader Price',
    'columnheader Subtotal', ...ORDER.flatMap(({ name }) => [`textbox Quantity ${name}`, `button Remove ${name}`])]);
  await steps(['#lblQuantity0', 'Tab', '2', 'Enter'], ['#lblQuantity0', null], ['#Cart2 .mvRemove[rel="1"]', 'Tab', 'Enter'],
    ['#Cart2 .mvRemove[rel="2"]', null], ['#Cart2 a.sel', 'Shift+Tab', 'Home'], ['#Cart2 .mvSkip', 'Tab', 'Enter'],
    ['#Cart2 .mvCheckoutButton', null]);
  assert.deepEqual(await cartLines(page, 'Cart2'), ['DES-1|2', 'BR-2|1']);
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
});
