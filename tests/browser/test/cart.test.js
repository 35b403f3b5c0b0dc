'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { useCart, state, add } = require('./harness');
const { catalogue } = require('../lib/markup');

const h = useCart();

// Records every hook call in window.calls; window.allow answers the
// cancelling hooks (undefined lets them pass).
const HOOKS = `{
  onAdd: function (p, q) { calls.push('add ' + p.attr('pid') + ' ' + q + ' ' + this.id); return allow; },
  onAdded: function (p, q) { calls.push('added ' + p.attr('pid') + ' ' + q); },
  onUpdate: function (p, q) { calls.push('update ' + p.attr('pid') + ' ' + q); return allow; },
  onUpdated: function (p, q) { calls.push('updated ' + p.attr('pid') + ' ' + q); },
  onRemove: function (p) { calls.push('remove ' + p.attr('pid')); return allow; },
  onRemoved: function (p) { calls.push('removed ' + p.attr('pid')); }
}`;
const HEAD = '<script>var calls = [], allow;</script>\r\n';
const calls = (page) => page.evaluate(() => calls.splice(0));

test('quantity change in the cart: valid, invalid, Enter, and hooks that cancel', async () => {
  const page = await h.open({ options: HOOKS, head: HEAD });
  await add(page, 1, 2);
  assert.deepEqual(await calls(page), ['add SKU2 2 cart', 'added SKU2 2']);
  await page.click('#cart a[href="#scart"]');
  await page.fill('#lblQuantity1', '4');
  await page.press('#lblQuantity1', 'Enter');
  let s = await state(page);
  assert.equal(page.url(), page.url0);
  assert.deepEqual(s.options, ['SKU2|4 rel=1 Apple Pie']);
  assert.deepEqual(s.lines, ['Apple Pie 7.25 x4 = 29.00']);
  assert.equal(s.message, 'Product quantity updated');
  assert.equal(s.cartTitle, 'Cart | Total Products: 1 | Total Quantity: 4');
  assert.equal(s.stored, '["SKU2|4"]');
  assert.deepEqual(await calls(page), ['update SKU2 4', 'updated SKU2 4']);
  for (const bad of ['0', 'x', '']) {
    await page.fill('#lblQuantity1', bad);
    await page.press('#lblQuantity1', 'Tab');
    s = await state(page);
    assert.equal(await page.inputValue('#lblQuantity1'), '4');
    assert.equal(s.message, 'Invalid quantity. Quantity cannot update');
  }
  assert.deepEqual(await calls(page), []);
  await page.evaluate(() => { allow = false; });
  await page.fill('#lblQuantity1', '9');
  await page.press('#lblQuantity1', 'Tab');
  assert.equal(await page.inputValue('#lblQuantity1'), '4');
  assert.deepEqual((await state(page)).options, ['SKU2|4 rel=1 Apple Pie']);
  await page.click('#cart a[href="#sproducts"]');
  await add(page, 0);
  assert.deepEqual(await calls(page), ['update SKU2 9', 'add SKU1 1 cart']);
  assert.equal((await state(page)).options.length, 1);
});

test('remove asks first; a refusal, a cancelling hook and a removal', async () => {
  const products = catalogue([['A$&B "x"', '1.10', '', 'P1'], ['Other', '2', '', 'P2']]);
  const page = await h.open({ products, options: HOOKS, head: HEAD });
  await add(page, 0, 3);
  await add(page, 1);
  await calls(page);
  await page.click('#cart a[href="#scart"]');
  const dialogs = [];
  let answer = false;
  page.on('dialog', (d) => { dialogs.push(d.type() + ': ' + d.message()); return answer ? d.accept() : d.dismiss(); });
  await page.click('#cart a.mvRemove[rel="0"]');
  assert.deepEqual(dialogs, ['confirm: Do you want to remove "A$&B "x"" from cart?']);
  assert.equal((await state(page)).options.length, 2);
  assert.deepEqual(await calls(page), []);
  answer = true;
  await page.evaluate(() => { allow = false; });
  await page.click('#cart a.mvRemove[rel="0"]');
  assert.equal((await state(page)).options.length, 2);
  await page.evaluate(() => { allow = undefined; });
  await page.click('#cart a.mvRemove[rel="0"]');
  assert.deepEqual(await calls(page), ['remove P1', 'remove P1', 'removed P1']);
  let s = await state(page);
  assert.deepEqual(s.options, ['P2|1 rel=1 Other']);
  assert.equal(s.stored, '["P2|1"]');
  await page.locator('#divCartItem0').waitFor({ state: 'detached' });
  s = await state(page);
  assert.equal(s.message, 'Product removed from the cart');
  assert.deepEqual(s.lines, ['Other 2 x1 = 2.00']);
  assert.equal(s.total, '2.00');
  assert.equal(s.cartTab, 'My Cart (1)');
  page.removeAllListeners('dialog');
  page.on('dialog', (d) => d.accept());
  await page.click('#cart a.mvRemove[rel="1"]');
  await page.locator('#divCartItem1').waitFor({ state: 'detached' });
  s = await state(page);
  assert.deepEqual([s.total, s.cartTab, s.bars], ['0.00', 'My Cart (0)', ['Your cart is empty']]);
});

test('message box fades in, stays two seconds, fades out; removal slides up first', async () => {
  const page = await h.open({}, { clock: true });
  const box = () => page.evaluate(() => { const $b = $('#cart .mvMessageBar2'); return $b.is(':visible') ? Number($b.css('opacity')) : 'hidden'; });
  await add(page, 0);
  await page.clock.runFor(100);
  const fading = await box();
  assert.ok(fading > 0 && fading < 1, `half-way opacity ${fading}`);
  await page.clock.runFor(2050);
  assert.equal(await box(), 1);
  await page.clock.runFor(200);
  const leaving = await box();
  assert.ok(leaving > 0 && leaving < 1, `fading out at ${leaving}`);
  await page.clock.runFor(150);
  assert.equal(await box(), 'hidden');

  await page.click('#cart a[href="#scart"]');
  page.on('dialog', (d) => d.accept());
  const height = () => page.evaluate(() => $('#divCartItem0').length ? $('#divCartItem0').height() : 'gone');
  const full = await height();
  await page.click('#cart a.mvRemove');
  await page.clock.runFor(300);
  const half = await height();
  assert.ok(half > 0 && half < full, `sliding: ${half} of ${full}`);
  assert.equal((await state(page)).cartTab, 'My Cart (1)');
  await page.clock.runFor(350);
  const s = await state(page);
  assert.equal(await height(), 'gone');
  assert.equal(s.message, 'Product removed from the cart');
  assert.equal(s.cartTab, 'My Cart (0)');
});

test('pictures and the picture tip', async () => {
  const page = await h.open();
  await add(page, 0);
  const tip = page.locator('#cart .tooltip');
  const img = page.locator('#cart .mvProductImage').first();
  await img.hover();
  await tip.waitFor();
  assert.equal(await tip.locator('img').getAttribute('src'), 'img/cake.svg');
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

  const plain = await h.open({ options: '{ enableImageTooltip: false }' });
  await plain.hover('#cart .mvProductImage >> nth=0');
  await plain.waitForTimeout(300);
  assert.equal(await plain.locator('#cart .tooltip').isVisible(), false);
  const none = await h.open({ options: '{ enableImage: false }' });
  await add(none, 0);
  assert.equal(await none.locator('#cart img').count(), 0);
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
  const page = await h.open({ texts });
  assert.equal(await page.locator('#cart a[href="#scart"]').innerHTML(), 'Basket "<i>0</i>" \u20ac _COUNT_');
  const button = page.locator('#cart .mvAddToCart').first();
  assert.equal(await button.innerHTML(), 'Add &amp; <u>go</u>, l\'ami');
  assert.equal(await button.getAttribute('title'), texts.labelAddToCartButton);
  assert.equal(await page.locator('#cart .mvLabelCategory').textContent(), 'Cat\u00e9gorie:');
  await add(page, 0, 2);
  const s = await state(page);
  assert.equal(s.message, texts.messageItemAdded);
  assert.equal(s.cartTab, 'Basket "<i>1</i>" \u20ac _COUNT_');
  assert.equal(s.cartTitle, "It's 2/1 _ITEMCOUNT_");
  await page.click('#cart a[href="#scart"]');
  let asked;
  page.once('dialog', (d) => { asked = d.message(); return d.dismiss(); });
  await page.click('#cart a.mvRemove');
  assert.equal(asked, 'Drop "Chocolate Cake"? (_PRODUCTNAME_)');
});

test('templates and page-wide defaults', async () => {
  const head = '<script>$(function () { $.fn.mervane.defaults.cartItemTemplate = "<em><%=pid%></em><%=nope%>|<%=pprice"; });</script>\r\n';
  const page = await h.open({ head, options: '{ productItemTemplate: "<strong><%=pname%></strong> costs <%=pprice%>%><%=missing%>!" }' });
  assert.equal(await page.locator('#cart .mvPDiv2').first().innerHTML(), '<strong>Chocolate Cake</strong> costs 12.50%&gt;!');
  await add(page, 1);
  assert.equal(await page.locator('#cart .mvCartItemTitle1 div').innerHTML(), '<em>SKU2</em>|7.25');
  assert.equal(await page.locator('#cart .mvCartItemTitle1 div').getAttribute('title'), 'Apple Pie');
});

test('money keeps two decimals at any size', async () => {
  const products = catalogue([['Big', '1000000000000000000000', '', 'B'], ['Huge', '1.5e300', '', 'H']]);
  const page = await h.open({ products });
  await add(page, 0, 2);
  assert.deepEqual((await state(page)).lines, ['Big 1000000000000000000000 x2 = 2000000000000000000000.00']);
  await add(page, 1);
  assert.equal((await state(page)).total, '15' + '0'.repeat(299) + '.00');
});
