'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { useCart, seen, add, catchCheckout, catalogue, markupOf, PRODUCTS } = require('./harness');
const { addToCart, cartLines } = require('../lib/module');

const h = useCart();

const storeAndReload = async (page, raw) => { await page.evaluate((raw) => localStorage.setItem('mervane', raw), raw); await page.reload(); };

test('an empty cart checks out too, and onCheckout takes over from the form', async () => {
  const page = await h.open();
  const posted = catchCheckout(page);
  await page.click('#cart .mvCheckoutButton');
  assert.deepEqual(await posted, []);

  const options = '{ onCheckout: function (list) { window.handed = [list instanceof jQuery, this.className, list.attr("name")].concat(list.children("option").map(function () { return this.value; }).get()); } }';
  const own = await h.open({ options });
  await own.route('**/checkout.php', () => assert.fail('the form must not be submitted'));
  await add(own, 1, 4);
  await own.click('#cart .mvCheckoutButton');
  assert.deepEqual(await own.evaluate(() => window.handed), [true, 'mvCheckoutButton', 'products_selected[]', 'SKU2|4']);
  assert.equal(own.url(), own.url0);
  assert.deepEqual(await seen(own, 'stored'), [null]);
});

// Each change is stored (see also the quantity and shared-cart tests) and restored on reload.
test('stored carts: others\' lines kept unshown, bad lines of this cart and non-texts dropped, a non-array ignored', async () => {
  const page = await h.open();
  for (const bad of ['not json', '{"0":"SKU1|1"}', '"SKU1|1"', 'null']) {
    await storeAndReload(page, bad);
    assert.deepEqual(await seen(page, 'options stored cartTab'), [[], null, 'My Cart (0)'], bad);
  }
  const raw = '["SKU1|2", 5, null, ["SKU2|1"], "NOPE|1", "SKU2|0", "SKU2|abc", "SKU2|", "SKU3", "SKU1|4", "SKU4|1.5"]';
  await storeAndReload(page, raw);
  assert.deepEqual(await seen(page, 'options total cartTab bars stored'), [['SKU1|2 rel=0 Chocolate Cake', 'SKU3|1 rel=2 Cupcake',
    'SKU4|1.5 rel=3 Cheesecake'], '27.15', 'My Cart (3)', [], raw]);
  await add(page, 4);
  assert.deepEqual(await seen(page, 'stored'), ['["NOPE|1","SKU1|2","SKU3|1","SKU4|1.5","SKU5|1"]']);
});

test('a cart list already in the markup is rebuilt, then joined by the stored cart', async () => {
  const list = '<select name="products_selected[]"><option value="SKU2|3">x</option><option value="GONE|1">y</option></select>\r\n';
  const page = await h.open({ markup: markupOf(PRODUCTS).replace('</div>', list + '</div>') });
  assert.deepEqual(await seen(page, 'lines'), [['Apple Pie 7.25 x3 = 21.75']]);
  assert.deepEqual(await page.evaluate(() => { const l = $('#cart select[name="products_selected[]"]')[0]; return [l.multiple, $(l).is(':visible'), l === $('#cart').children().last()[0]]; }),
    [true, false, true]);
  await storeAndReload(page, '["SKU2|5","SKU1|1"]');
  assert.deepEqual(await seen(page, 'options lines'), [['SKU2|3 rel=1 Apple Pie', 'SKU1|1 rel=0 Chocolate Cake'],
    ['Apple Pie 7.25 x3 = 21.75', 'Chocolate Cake 12.50 x1 = 12.50']]);
});

test('carts of a site share the stored cart: each shows and submits its own lines, and keeps the others\'', async () => {
  const teas = catalogue([['Green Tea', '3', '', 'TEA1'], ['Black Tea', '4', '', 'TEA2']]);
  const breads = catalogue([['Rye', '5', '', 'RYE']]);
  const twoCarts = h.publish({
    markup: markupOf(PRODUCTS) + markupOf(teas, 'teas'),
    ready: '$("#cart").mervane({}); $("#teas").mervane({});\r\n',
  });
  const page = await h.open(twoCarts);
  await add(page, 0, 2);
  await addToCart(page, 'teas', 1, 3);
  assert.deepEqual([await cartLines(page, 'cart'), await cartLines(page, 'teas')], [['SKU1|2'], ['TEA2|3']]);
  await page.goto(h.publish({ products: breads }));
  assert.deepEqual(await seen(page, 'options bars'), [[], ['Your cart is empty']]);
  await add(page, 0);
  assert.deepEqual(await seen(page, 'stored'), ['["SKU1|2","TEA2|3","RYE|1"]']);
  await page.goto(twoCarts);
  assert.deepEqual([...await seen(page, 'lines'), ...await seen(page, 'lines', 'teas')], [['Chocolate Cake 12.50 x2 = 25.00'], ['Black Tea 4 x3 = 12.00']]);
  page.on('dialog', (d) => d.accept());
  await page.click('#teas a[href="#scart"]');
  await page.click('#teas a.mvRemove');
  await page.reload();
  assert.deepEqual([...await seen(page, 'stored'), await cartLines(page, 'cart'), await cartLines(page, 'teas')], ['["SKU1|2","RYE|1"]', ['SKU1|2'], []]);
  const posted = catchCheckout(page);
  await page.click('#cart .mvCheckoutButton');
  assert.deepEqual(await posted, [['products_selected[]', 'SKU1|2']]);
  await page.waitForURL('**/checkout.php');
  assert.equal(await page.evaluate(() => localStorage.getItem('mervane')), null);
});
