'use strict';
// Shared set-up of the browser tests: one server and one browser per file, a
// fresh browser context per page, and no console or page error tolerated.
const assert = require('node:assert/strict');
const { before, after, afterEach } = require('node:test');
const { SiteServer, cartSite } = require('../lib/site');
const { launchBrowser, openPage } = require('../lib/browser');
const { catalogue } = require('../lib/markup');

const PRODUCTS = catalogue([
  ['Chocolate Cake', '12.50', 'Cakes', 'SKU1', 'img/cake.svg', 'Rich and dark'],
  ['Apple Pie', '7.25', 'Pies', 'SKU2', 'img/pie.svg'],
  ['Cupcake', '2', 'Cupcake', 'SKU3', ''],
  ['Cheesecake', '0.10', 'Cake', 'SKU4', 'img/cheese.svg'],
  ['Bread', '3.333', '', 'SKU5', ''],
]);

function useCart() {
  const h = { opened: [] };
  before(async () => {
    h.server = await new SiteServer().start();
    h.browser = await launchBrowser();
  });
  after(async () => {
    await h.browser.close();
    await h.server.close();
  });
  afterEach(async () => {
    const opened = h.opened.splice(0);
    for (const o of opened) await o.context.close();
    assert.deepEqual(opened.flatMap((o) => o.problems), []);
  });
  // Publishes a site (see cartSite) and opens it.
  h.open = async (site = {}, { clock = false } = {}) => {
    const url = h.server.publish(cartSite({ products: PRODUCTS, ...site }));
    const o = await openPage(h.browser, url, { clock });
    h.opened.push(o);
    o.page.url0 = url;
    return o.page;
  };
  return h;
}

// What a visitor sees of the cart, read in one go.
function state(page) {
  return page.evaluate(() => {
    const $c = $('#cart');
    const texts = (sel) => $c.find(sel).map(function () { return $(this).text(); }).get();
    return {
      shown: texts('.mvProductList .mvProducts .mvPDiv2 strong:first-child'),
      options: $c.find('select[name="products_selected[]"] option').map(function () {
        return this.value + ' rel=' + this.getAttribute('rel') + ' ' + this.text + (this.selected ? '' : ' (not selected)');
      }).get(),
      lines: $c.find('.mvCartItem').map(function () {
        return $(this).find('.mvCartItemTitle1 div').text() + ' ' + $(this).find('.mvCartItemTitle2').text() +
          ' x' + $(this).find('.mvTxtQuantity2').val() + ' = ' + $(this).find('.mvCartItemTitle4').text();
      }).get(),
      total: $c.find('.mvLabelSubtotalValue').text(),
      cartTab: $c.find('a[href="#scart"]').html(),
      cartTitle: $c.find('a[href="#scart"]').attr('title'),
      message: $c.find('.mvMessageBar2').html(),
      bars: texts('.mvMessageBar'),
      stored: localStorage.getItem('mervane'),
    };
  });
}

// Adds a product by its index, typing the quantity first when given.
async function add(page, index, qty) {
  const block = page.locator(`#cart .mvProducts:has(a.mvAddToCart[rel="${index}"])`);
  if (qty !== undefined) await block.locator('.mvTxtQuantity').fill(String(qty));
  await block.locator('.mvAddToCart').click();
}

async function search(page, text) {
  await page.locator('#cart .mvTxtSearch').fill(text);
  await page.locator('#cart .mvTxtSearch').press('End');
}

module.exports = { useCart, state, add, search, PRODUCTS };
