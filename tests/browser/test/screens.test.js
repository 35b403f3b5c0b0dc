'use strict';
// The demo shop exactly as the main job publishes it, from a wide desktop
// down to a phone at 400 % zoom, and its order, success and error pages.
// MERVANE_SHOTS=DIR saves a screenshot of each page at each width there;
// MERVANE_SCREENSHOTS=1 renews the README's picture of the published cart.
const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const { useCart, axe } = require('./harness');
const { ROOT, publishDemo, addToCart, customerFields, productList } = require('../lib/module');

// Every product of the demo's cart, shown with its picture.
const LISTED = require(path.join(ROOT, 'examples/bakery/cart.json')).products.map((p) => ({ name: p.name, picture: true }));

// Each width, and a phone whose browser has no container queries, where a
// width check restacks the cart.
const CASES = [1920, 1280, 1024, 768, 414, 390, 360, 320].map((width) => ({ width, how: '' }))
  .concat({ width: 360, how: ' without container queries', prepare: (context) => context.addInitScript(() => {
    const supports = CSS.supports;
    CSS.supports = (...args) => args[0] !== 'container-type' && supports.apply(CSS, args);
  }) });
const AXE_WIDTHS = [1280, 390];
const h = useCart(publishDemo);

const openAt = (width, how = {}) => h.open(h.shop.url + 'index.html', { device: { viewport: { width, height: width > 414 ? 800 : 844 } }, ...how });

// Focuses each control that `selector` finds in the cart (or the control
// that `focus` finds) and names those that are not whole in the window and in
// every scroll box around them, or not the element found at their own centre.
const hidden = (page, selector, focus) => page.evaluate(([selector, focus]) => $('#Cart1').find(selector).get().filter((e) => {
  const f = focus ? $('#Cart1').find(focus)[0] : e;
  f.focus();
  const r = e.getBoundingClientRect(), boxes = [{ left: 0, top: 0, right: innerWidth, bottom: innerHeight }];
  for (let a = e.parentElement; a; a = a.parentElement) if (getComputedStyle(a).overflow !== 'visible') boxes.push(a.getBoundingClientRect());
  const whole = boxes.every((b) => r.left >= b.left - 0.5 && r.right <= b.right + 0.5 && r.top >= b.top - 0.5 && r.bottom <= b.bottom + 0.5);
  const hit = document.elementFromPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  return document.activeElement !== f || !whole || !(hit === e || e.contains(hit));
}).map((e) => e.className + ' ' + (e.getAttribute('aria-label') || e.textContent)), [selector, focus]);

// What scrolls sideways: the page, or a box inside the cart.
const sideways = (page) => page.evaluate(() => [document.documentElement, ...document.querySelectorAll('#Cart1 *')]
  .filter((e) => e.scrollWidth > e.clientWidth + 1 && (e === document.documentElement || /auto|scroll/.test(getComputedStyle(e).overflowX)))
  .map((e) => e.tagName + '.' + e.className));

// Shown controls that `selector` finds, smaller than 44 x 44.
const small = (page, selector) => page.evaluate((s) => [...document.querySelectorAll(s)].map((e) => [e, e.getBoundingClientRect()])
  .filter(([, r]) => r.width * r.height && (r.width < 44 || r.height < 44)).map(([e, r]) => `${e.name || e.className} ${e.textContent}: ${r.width} x ${r.height}`), selector);
const CONTROLS = '#Cart1 a:not(.mvSkip), #Cart1 input, #Cart1 select, nav a';

for (const { width, how, prepare } of CASES) {
  test(`at ${width} px${how} every key control of the demo cart is whole and on top when focused`, async () => {
    const page = await openAt(width, { prepare });
    assert.deepEqual(await productList(page, 'Cart1'), LISTED);
    if (width === 1280 && process.env.MERVANE_SCREENSHOTS === '1') await page.locator('#Cart1').screenshot({ path: path.join(ROOT, 'docs/images/demo-cart.png') });
    const found = { products: await hidden(page, '[role="tab"], .mvTxtSearch, .mvSearch, .mvSelCategory, .mvTxtQuantity, .mvAddToCart') };
    if (width <= 414) Object.assign(found, { sideways: await sideways(page), small: await small(page, CONTROLS) });
    if (AXE_WIDTHS.includes(width)) found.axe = await axe(page);
    await page.click('#Cart1 a[href="#scart"]');
    if (AXE_WIDTHS.includes(width)) found.emptyBasket = await axe(page);
    await page.click('#Cart1 a[href="#sproducts"]');
    for (const index of [0, 5, 11]) await addToCart(page, 'Cart1', index);
    await page.click('#Cart1 a[href="#scart"]');
    found.basket = await hidden(page, '.mvTxtQuantity2, .mvRemove, .mvCheckoutButton');
    found.total = await hidden(page, '.mvLabelSubtotalValue', '.mvCheckoutButton');
    if (width <= 414) Object.assign(found, { basketSideways: await sideways(page), basketSmall: await small(page, CONTROLS) });
    if (process.env.MERVANE_SHOTS) await page.screenshot({ path: path.join(process.env.MERVANE_SHOTS, `demo-${width}${how}.png`), fullPage: true });
    assert.deepEqual(found, Object.fromEntries(Object.keys(found).map((k) => [k, []])));
  });
}

test('the picture tip stays under the pointer, closes on Escape and never covers the focus', async () => {
  const page = await openAt(390);
  const tip = page.locator('#Cart1 .tooltip'), picture = page.locator('#Cart1 .mvProductImage').first();
  await picture.hover();
  await tip.waitFor();
  await page.waitForFunction(() => !$('#Cart1 .tooltip').is(':animated'));  // measured once grown
  const box = await tip.boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2, { steps: 5 });
  await page.waitForTimeout(500);
  assert.equal(await tip.isVisible(), true, 'the pointer may move onto the tip');
  await picture.hover();
  await page.keyboard.press('Escape');
  await picture.hover({ position: { x: 5, y: 5 } });
  assert.equal(await tip.isVisible(), false, 'Escape closes it until the pointer leaves the picture');
  // Focus on a control where the tip stood keeps the tip away.
  assert.ok(await page.evaluate((b) => $('#Cart1 a:visible, #Cart1 input:visible').get().some((e) => {
    const r = e.getBoundingClientRect();
    return r.right > b.x && r.left < b.x + b.width && r.bottom > b.y && r.top < b.y + b.height && !e.focus({ preventScroll: true });
  }), box));
  await page.mouse.move(10, 10);
  await picture.hover();
  await page.waitForTimeout(300);
  assert.equal(await tip.isVisible(), false);
});

test('the status region holds only what is shown, and nothing moves under reduced motion', async () => {
  const page = await h.open();
  await page.emulateMedia({ reducedMotion: 'reduce' });
  await page.locator('#cart .mvAddToCart').first().click();
  assert.equal(await page.evaluate(() => $('#cart .mvMessageBar2').css('opacity') + $('#cart .mvMessageBar2').is(':animated')), '1false');
  await page.fill('#cart .mvTxtSearch', 'zzz');
  await page.press('#cart .mvTxtSearch', 'z');
  await page.waitForFunction(() => /No products/.test($('#cart [role="status"]').text()));
  await page.click('#cart a[href="#scart"]');
  assert.doesNotMatch(await page.locator('#cart [role="status"]').textContent(), /No products/);
  page.once('dialog', (d) => d.accept());
  await page.click('#cart .mvRemove');
  assert.equal(await page.locator('#cart .mvCartItem').count(), 0, 'the removed line goes without sliding');
});

// Each page at a width, a phone's below 800 px; the order page with two lines
// of the demo's cart and one it refuses, posted as the cart posts them.
const openPage = (file, width) => h.open(h.shop.url + file,
  { device: { viewport: { width, height: 800 }, ...(width < 800 && { isMobile: true, hasTouch: true }) } });
const PAGES = {
  order: async (width) => {
    const page = await openPage('index.html', width);
    await Promise.all([page.waitForURL('**/mervane_checkout.php'), page.evaluate(() => {
      document.forms[0].innerHTML = ['BR-001|2', 'BR-003|1', 'GHOST|1'].map((l) => `<input name="products_selected[]" value="${l}">`).join('');
      document.forms[0].submit();
    })]);
    await page.waitForSelector('#refused');
    return page;
  },
  success: (width) => openPage('shop_success.html', width),
  error: (width) => openPage('shop_error.html', width),
  about: (width) => openPage('about.html', width),
};

test('the order, success, error and about pages pass axe, reflow at 320 px and give fingers 44 px on a phone', async () => {
  const found = {};
  for (const width of [1280, 390, 320]) {
    for (const [name, reach] of Object.entries(PAGES)) {
      const page = await reach(width);
      found[`${name} ${width}`] = [...await axe(page), ...await sideways(page),
        ...width < 800 ? await small(page, 'input:not([type="hidden"]), textarea, nav a') : []];
      if (process.env.MERVANE_SHOTS) await page.screenshot({ path: path.join(process.env.MERVANE_SHOTS, `${name}-${width}.png`), fullPage: true });
    }
  }
  assert.deepEqual(found, Object.fromEntries(Object.keys(found).map((k) => [k, []])));
});

test('the order page names each field apart and stops a malformed e-mail address at the field, as the server would', async () => {
  const page = await PAGES.order(390);
  assert.deepEqual([...(await page.locator('[aria-labelledby="billing"]').ariaSnapshot()).matchAll(/textbox "([^"]*)"/g)]
    .map((m) => m[1]), ['First name', 'Last name', 'Address:', 'Address line 2', 'City:', 'State:', 'Zip:', 'Phone:', 'Fax:', 'Email:']);
  for (const [name, value] of customerFields({ billing_email: 'a+b@example.org' })) await page.fill(`[name="${name}"]`, value);
  await page.tap('input[type="submit"]');
  assert.deepEqual(await page.evaluate(() => {
    const e = document.activeElement, note = document.getElementById(e.getAttribute('aria-describedby'));
    return [location.pathname, e.name, e.getAttribute('aria-invalid'), note && note.getAttribute('role'), note && note.textContent];
  }), ['/mervane_checkout.php', 'billing_email', 'true', 'alert',
    'Billing: Email must have the form name@example.com, with only letters, digits, dots, hyphens and underscores.']);

  // The server's own refusal, a missing field posted past the page's check, leads to the
  // error page, whose link leads back to the form as it was left.
  await page.fill('[name="billing_email"]', 'a.b@example.org');
  await page.fill('[name="billing_phone"]', '');
  await Promise.all([page.waitForURL('**/shop_error.html'), page.evaluate(() => document.forms.checkout.submit())]);
  await Promise.all([page.waitForURL('**/mervane_checkout.php'), page.tap('main a')]);
  assert.equal(await page.inputValue('[name="billing_email"]'), 'a.b@example.org');
  await page.fill('[name="billing_phone"]', '555 0100');
  await Promise.all([page.waitForURL('**/shop_success.html'), page.tap('input[type="submit"]')]);
  assert.deepEqual([h.shop.mails().map((m) => m.to).sort(), h.shop.phpErrors()], [['a.b@example.org', 'orders@example.com'], '']);
});
