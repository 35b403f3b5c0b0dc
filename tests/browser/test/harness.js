'use strict';
// Shared set-up of the cart tests: one server and one browser per file, a
// fresh browser context per page, and no console or page error tolerated.
const assert = require('node:assert/strict');
const { before, after, afterEach } = require('node:test');
const { SiteServer, cartSite, cartMarkup, launchBrowser } = require('../lib/site');
const fs = require('fs');
const { addToCart, makeFolder, serveSite } = require('../lib/module');

const AXE = require.resolve('axe-core/axe.min.js');

// A small catalogue for tests: name, price, category, id, picture, description.
const catalogue = (rows) => rows.map(([name, price, category, productId, image = '', description = '']) =>
  ({ name, price, category, productId, image, description }));

// The cart definition of a test cart: `products`, posting to checkout.php, and
// `settings` (field name -> value) over the defaults.
const cartOf = (products, settings) => ({ products, phpFileName: 'checkout.php', ...settings });
const markupOf = (products, id = 'cart') => cartMarkup(cartOf(products), id);

const PRODUCTS = catalogue([
  ['Chocolate Cake', '12.50', 'Cakes', 'SKU1', 'img/cake.svg', 'Rich and dark'],
  ['Apple Pie', '7.25', 'Pies', 'SKU2', 'img/pie.svg'],
  ['Cupcake', '2', 'Cupcake', 'SKU3', ''],
  ['Cheesecake', '0.10', 'Cake', 'SKU4', 'img/cheese.svg'],
  ['Bread', '3.333', '', 'SKU5', ''],
]);

// One server and one browser per file. With `build(folder)`, which publishes
// a site into a fresh folder and returns the site's folder, ostrel serves that
// site for the whole file too, as h.shop.
function useCart(build) {
  const h = { opened: [] };
  before(async () => {
    [h.server, h.browser] = await Promise.all([new SiteServer().start(), launchBrowser()]);
    if (build) h.shop = await serveSite(build(h.folder = makeFolder('mervane-shop-')));
  });
  after(async () => {
    await Promise.all([h.browser.close(), h.server.close(), h.shop && h.shop.stop()]);
    if (build) fs.rmSync(h.folder, { recursive: true, force: true });
  });
  afterEach(async () => {
    const opened = h.opened.splice(0);
    for (const o of opened) await o.context.close();
    assert.deepEqual(opened.flatMap((o) => o.problems), []);
  });
  // Serves a site (see cartSite; `products` and `settings` make its cart).
  h.publish = ({ products = PRODUCTS, settings, ...site } = {}) => h.server.publish(cartSite({ cart: cartOf(products, settings), ...site }));
  // Opens `site`, published as above, or a served site's URL in a new context
  // (own local storage) that answers the browser's icon request;
  // `prepare(context)` runs first. With `clock` the page's timers stand still
  // once it has loaded; only page.clock.runFor() moves them.
  h.open = async (site = {}, { clock, prepare, device } = {}) => {
    const url = typeof site === 'string' ? site : h.publish(site);
    const o = { context: await h.browser.newContext(device), problems: [] };
    h.opened.push(o);
    if (clock) await o.context.clock.install({ time: new Date('2024-01-01T00:00:00Z') });
    await o.context.route('**/favicon.ico', (route) => route.fulfill({ status: 204 }));
    if (prepare) await prepare(o.context);
    const page = await o.context.newPage();
    page.on('console', (m) => { if (m.type() === 'error') o.problems.push('console error: ' + m.text()); });
    page.on('pageerror', (e) => o.problems.push('page error: ' + e.message));
    await page.goto(url);
    if (clock) await page.clock.pauseAt(new Date('2024-01-02T00:00:00Z'));
    page.url0 = url;
    return page;
  };
  return h;
}

// What axe finds on the page under WCAG 2.2 AA and best practice: rule and
// elements per violation.
async function axe(page) {
  await page.addScriptTag({ path: AXE });
  return page.evaluate(() => window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'wcag22aa', 'best-practice'] })
    .then((r) => r.violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`)));
}

// What a visitor sees of a cart, read in one go: the values that `keys`
// (space-separated) name, in that order.
function seen(page, keys, id = 'cart') {
  return page.evaluate(([keys, id]) => {
    const $c = $('#' + id);
    const texts = (sel) => $c.find(sel).map(function () { return $(this).text(); }).get();
    const all = {
      shown: () => texts('.mvProductList .mvProducts:visible .mvPDiv2 strong:first-child'),
      options: () => $c.find('select[name="products_selected[]"] option').map(function () {
        return this.value + ' rel=' + this.getAttribute('rel') + ' ' + this.text + (this.selected ? '' : ' (not selected)');
      }).get(),
      lines: () => $c.find('.mvCartItem').map(function () {
        return $(this).find('.mvCartItemTitle1 div').text() + ' ' + $(this).find('.mvCartItemTitle2').text() +
          ' x' + $(this).find('.mvTxtQuantity2').val() + ' = ' + $(this).find('.mvCartItemTitle4').text();
      }).get(),
      total: () => $c.find('.mvLabelSubtotalValue').text(),
      cartTab: () => $c.find('a[href="#scart"]').html(),
      cartTitle: () => $c.find('a[href="#scart"]').attr('title'),
      message: () => $c.find('.mvMessageBar2').html(),
      bars: () => texts('.mvMessageBar'),
      stored: () => localStorage.getItem('mervane'),
    };
    return keys.split(' ').map((k) => all[k]());
  }, [keys, id]);
}

const add = (page, index, qty) => addToCart(page, 'cart', index, qty);

// Types `text` into the search field; the key's release searches.
const search = async (page, text) => { await page.fill('#cart .mvTxtSearch', text); await page.press('#cart .mvTxtSearch', 'End'); };

// Lets the page post its form to checkout.php; resolves to the posted fields.
function catchCheckout(page) {
  return new Promise((resolve) => page.route('**/checkout.php', (route) => {
    resolve([...new URLSearchParams(route.request().postData() || '')]);
    return route.fulfill({ contentType: 'text/html', body: '<p>thanks</p>' });
  }));
}

module.exports = { useCart, axe, seen, add, search, catchCheckout, catalogue, markupOf, PRODUCTS };
