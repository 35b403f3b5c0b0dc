'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { useCart, seen, add, catalogue } = require('./harness');

const h = useCart();

// Records every hook call, its product, quantity and `this`, in
// window.calls; window.allow answers the cancelling hooks.
const HOOKS = '{' + ['Add', 'Added', 'Update', 'Updated', 'Remove', 'Removed'].map((n) => `on${n}: function (p, q) {` +
  ` calls.push(['${n.toLowerCase()}', p.attr('pid')].concat(q === undefined ? [] : [q], this.id).join(' ')); return allow; }`).join(',') + '}';
const HEAD = '<script>var calls = [], allow;</script>\r\n';
const calls = (page) => page.evaluate(() => calls.splice(0));
const allow = (page, value) => page.evaluate((v) => { allow = v; }, value);
const setQuantity = async (page, value, key = 'Tab') => { await page.fill('#lblQuantity1', value); await page.press('#lblQuantity1', key); };

test('quantity change in the cart: valid, invalid, Enter, and hooks that cancel', async () => {
  const page = await h.open({ options: HOOKS, head: HEAD });
  await add(page, 1, 2);
  assert.deepEqual(await calls(page), ['add SKU2 2 cart', 'added SKU2 2 cart']);
  await page.click('#cart a[href="#scart"]');
  await setQuantity(page, '4', 'Enter');
  assert.equal(page.url(), page.url0);
  assert.deepEqual(await seen(page, 'options lines message cartTitle stored'), [['SKU2|4 rel=1 Apple Pie'], ['Apple Pie 7.25 x4 = 29.00'],
    'Product quantity updated', 'Cart | Total Products: 1 | Total Quantity: 4', '["SKU2|4"]']);
  assert.deepEqual(await calls(page), ['update SKU2 4 cart', 'updated SKU2 4 cart']);
  for (const bad of ['0', 'x', '']) {
    await setQuantity(page, bad);
    assert.deepEqual([await page.inputValue('#lblQuantity1'), ...await seen(page, 'message')], ['4', 'Invalid quantity. Quantity cannot update']);
  }
  assert.deepEqual(await calls(page), []);
  await allow(page, false);
  await setQuantity(page, '9');
  assert.deepEqual([await page.inputValue('#lblQuantity1'), ...await seen(page, 'options')], ['4', ['SKU2|4 rel=1 Apple Pie']]);
  await page.click('#cart a[href="#sproducts"]');
  await add(page, 0);
  assert.deepEqual([await calls(page), ...await seen(page, 'options')], [['update SKU2 9 cart', 'add SKU1 1 cart'], ['SKU2|4 rel=1 Apple Pie']]);
});

test('the message box fades in, stays two seconds, fades out; remove asks first, a hook may cancel, the line slides up', async () => {
  const products = catalogue([['A$&B "x"', '1.10', '', 'P1'], ['Other', '2', '', 'P2']]);
  const page = await h.open({ products, options: HOOKS, head: HEAD }, { clock: true });
  const box = () => page.evaluate(() => { const $b = $('#cart .mvMessageBar2'); return $b.is(':visible') ? Number($b.css('opacity')) : 'hidden'; });
  const between = (x) => x > 0 && x < 1;
  await add(page, 0, 3);
  for (const [ms, shown] of [[100, between], [2050, (x) => x === 1], [200, between], [150, (x) => x === 'hidden']]) {
    await page.clock.runFor(ms);
    const x = await box();
    assert.ok(shown(x), `opacity ${x} after ${ms} ms more`);
  }
  await add(page, 1);
  await calls(page);
  await page.click('#cart a[href="#scart"]');
  const dialogs = [];
  let answer = false;
  page.on('dialog', (d) => { dialogs.push(d.type() + ': ' + d.message()); return answer ? d.accept() : d.dismiss(); });
  await page.click('#cart a.mvRemove[rel="0"]');
  answer = true;
  await allow(page, false);
  await page.click('#cart a.mvRemove[rel="0"]');
  assert.deepEqual([dialogs, await calls(page), ...await seen(page, 'lines')], [Array(2).fill('confirm: Do you want to remove "A$&B "x"" from cart?'),
    ['remove P1 cart'], ['A$&B "x" 1.10 x3 = 3.30', 'Other 2 x1 = 2.00']]);
  await allow(page, undefined);
  const height = () => page.evaluate(() => $('#divCartItem0').length ? $('#divCartItem0').height() : 'gone');
  const full = await height();
  await page.click('#cart a.mvRemove[rel="0"]');
  assert.deepEqual([await calls(page), ...await seen(page, 'options stored cartTab')],
    [['remove P1 cart', 'removed P1 cart'], ['P2|1 rel=1 Other'], '["P2|1"]', 'My Cart (2)']);
  await page.clock.runFor(300);
  const half = await height();
  assert.ok(half > 0 && half < full, `sliding: ${half} of ${full}`);
  await page.clock.runFor(350);
  assert.deepEqual([await height(), ...await seen(page, 'message lines total cartTab')],
    ['gone', 'Product removed from the cart', ['Other 2 x1 = 2.00'], '2.00', 'My Cart (1)']);
  await page.click('#cart a.mvRemove[rel="1"]');
  await page.clock.runFor(650);
  assert.deepEqual(await seen(page, 'total cartTab bars'), ['0.00', 'My Cart (0)', ['Your cart is empty']]);
});

test('pictures and the picture tip', async () => {
  const page = await h.open();
  await add(page, 0);
  const tip = page.locator('#cart .tooltip');
  await page.locator('#cart .mvProductImage').first().hover();
  await tip.waitFor();
  assert.equal(await tip.locator('img').getAttribute('src'), 'cake.svg');
  assert.equal(await tip.locator('img').evaluate((e) => e.getBoundingClientRect().height), 200);
  const placed = await page.evaluate(() => {
    const $i = $('#cart .mvProductImage').first(), $t = $('#cart .tooltip');
    return [$t.css('top'), $t.css('left'), ($i.offset().top - $i.height()) + 'px', ($i.width() + 10) + 'px'];
  });
  assert.deepEqual(placed.slice(0, 2), placed.slice(2));
  await page.hover('#cart .mvPDiv2 >> nth=0');
  await tip.waitFor({ state: 'hidden' });
  await page.click('#cart a[href="#scart"]');
  await page.hover('#cart .mvProductImageSmall');
  await tip.waitFor();
  assert.equal(await page.locator('#cart .mvProductImage').count(), 3);

  const plain = await h.open({ settings: { enableImageTooltip: false } });
  await plain.hover('#cart .mvProductImage >> nth=0');
  await plain.waitForTimeout(300);
  assert.equal(await plain.locator('#cart .tooltip').isVisible(), false);
});

test('on a touch screen the picture tip closes on the next tap, or by itself after three seconds', async () => {
  const page = await h.open({}, { clock: true, device: { hasTouch: true } });
  const tip = page.locator('#cart .tooltip');
  const picture = page.locator('#cart .mvProductImage').first();
  const shownAfter = async (ms) => { await page.clock.runFor(ms); return tip.isVisible(); };
  await picture.tap();
  assert.equal(await shownAfter(500), true);
  await page.locator('#cart .mvPDiv2 >> nth=1').tap();
  assert.equal(await shownAfter(0), false, 'a tap elsewhere closes it');
  await picture.tap();
  await picture.tap();
  assert.equal(await shownAfter(500), false, 'a tap on its picture closes it too');
  await picture.tap();
  assert.deepEqual([await shownAfter(2900), await shownAfter(200)], [true, false]);
});

test('labels are published exactly and shown as HTML', async () => {
  const texts = {
    labelCartMenuName: 'Basket "<i>_COUNT_</i>" \u20ac _COUNT_',
    labelCartMenuNameTooltip: "It's _ITEMCOUNT_/_PRODUCTCOUNT_ _ITEMCOUNT_",
    labelAddToCartButton: "Add & <u>go</u>, l'ami",
    labelCategoryText: 'Cat\u00e9gorie',
    messageItemAdded: '<em>A\u00f1adido</em> "ok" \u65e5\u672c',
    messageConfirmRemove: 'Drop "_PRODUCTNAME_"? (_PRODUCTNAME_)',
  };
  const page = await h.open({ settings: { ...texts, enableImage: false } });
  const button = page.locator('#cart .mvAddToCart').first();
  assert.deepEqual([await page.locator('#cart a[href="#scart"]').innerHTML(), await button.innerHTML(), await button.getAttribute('title'),
    await page.locator('#cart .mvLabelCategory').textContent()],
  ['Basket "<i>0</i>" \u20ac _COUNT_', 'Add &amp; <u>go</u>, l\'ami', texts.labelAddToCartButton, 'Cat\u00e9gorie:']);
  await add(page, 0, 2);
  assert.equal(await page.locator('#cart img').count(), 0, 'no pictures without enableImage');
  assert.deepEqual(await seen(page, 'message cartTab cartTitle'), [texts.messageItemAdded, 'Basket "<i>1</i>" \u20ac _COUNT_', "It's 2/1 _ITEMCOUNT_"]);
  await page.click('#cart a[href="#scart"]');
  const asked = new Promise((resolve) => page.once('dialog', (d) => { resolve(d.message()); return d.dismiss(); }));
  await page.click('#cart a.mvRemove');
  assert.equal(await asked, 'Drop "Chocolate Cake"? (_PRODUCTNAME_)');
});

test('templates and page-wide defaults; money keeps two decimals at any size', async () => {
  const head = '<script>$(function () { $.fn.mervane.defaults.cartItemTemplate = "<em><%=pid%></em><%=nope%>|<%=pprice"; });</script>\r\n';
  const products = catalogue([['Big', '1000000000000000000000', '', 'B'], ['Huge', '1.5e300', '', 'H']]);
  const page = await h.open({ head, products, options: '{ productItemTemplate: "<strong><%=pname%></strong> costs <%=pprice%>%><%=missing%>!" }' });
  assert.equal(await page.locator('#cart .mvPDiv2').first().innerHTML(), '<strong>Big</strong> costs 1000000000000000000000%&gt;!');
  await add(page, 0, 2);
  const inCart = page.locator('#cart .mvCartItemTitle1 div');
  assert.deepEqual([await inCart.innerHTML(), await inCart.getAttribute('title')], ['<em>B</em>|1000000000000000000000', 'Big']);
  assert.deepEqual(await seen(page, 'lines'), [['B|1000000000000000000000 1000000000000000000000 x2 = 2000000000000000000000.00']]);
  await add(page, 1);
  assert.deepEqual(await seen(page, 'total'), ['15' + '0'.repeat(299) + '.00']);
});
