'use strict';
// The demo shop's order page, success page and error page, published and
// served as the main job does it, seen at desktop and phone widths: axe with
// the WCAG 2.2 AA rules, no sideways scroll, room for a finger, fields named
// apart, and the e-mail address checked before the post. With
// MERVANE_SHOTS=DIR a screenshot of each page at each width goes there.
const test = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const { useShop, axe } = require('./harness');
const { publishDemo, customerFields } = require('../lib/module');

const h = useShop(publishDemo);

// Each page at a width, a phone's below 800 px; the order page with two lines
// of the demo's cart, posted as the cart posts them.
const open = (file, width) => h.open(h.shop.url + file,
  { device: { viewport: { width, height: 800 }, ...(width < 800 && { isMobile: true, hasTouch: true }) } });
const PAGES = {
  order: async (width) => {
    const page = await open('index.html', width);
    await Promise.all([page.waitForURL('**/mervane_checkout.php'), page.evaluate(() => {
      document.forms[0].innerHTML = ['BR-001|2', 'BR-003|1'].map((l) => `<input name="products_selected[]" value="${l}">`).join('');
      document.forms[0].submit();
    })]);
    return page;
  },
  success: (width) => open('shop_success.html', width),
  error: (width) => open('shop_error.html', width),
};

test('the order, success and error pages pass axe, reflow at 320 px and give fingers 44 px on a phone', async () => {
  const found = {};
  for (const width of [1280, 390, 320]) {
    for (const [name, reach] of Object.entries(PAGES)) {
      const page = await reach(width);
      found[`${name} ${width}`] = [...await axe(page, ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa']), ...await page.evaluate((width) => [
        ...(document.documentElement.scrollWidth > width ? [`${document.documentElement.scrollWidth} px wide`] : []),
        ...(width < 800 ? [...document.querySelectorAll('input:not([type="hidden"]), textarea, nav a')].map((e) => [e, e.getBoundingClientRect()])
          .filter(([, r]) => r.width < 44 || r.height < 44).map(([e, r]) => `${e.name || e.value || e.textContent}: ${r.width} x ${r.height}`) : []),
      ], width)];
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
  assert.deepEqual(h.shop.mails().map((m) => m.to).sort(), ['a.b@example.org', 'orders@example.com']);
});
