'use strict';
const test = require('node:test');
const assert = require('node:assert/strict');
const { useCart, seen, add, search, catalogue } = require('./harness');

const h = useCart();
const ALL = ['Chocolate Cake', 'Apple Pie', 'Cupcake', 'Cheesecake', 'Bread'];
const CAKES = ['Chocolate Cake', 'Cupcake', 'Cheesecake'];

const shown = async (page) => (await seen(page, 'shown'))[0];

// Which tab link has "sel" and which tab block is visible.
const tabs = (page) => page.evaluate(() =>
  $('#cart .mvMenuBar a').map(function () { return this.className || '-'; }).get().join(',') + ' ' +
  $('#cart .mvTabs').map(function () { return $(this).is(':visible') ? 'shown' : 'hidden'; }).get().join(','));

test('start-up builds the frame with default texts and honours `selected`', async () => {
  const page = await h.open();
  assert.deepEqual(await seen(page, 'shown cartTab cartTitle total bars'),
    [ALL, 'My Cart (0)', 'Cart | Total Products: 0 | Total Quantity: 0', '0.00', ['Your cart is empty']]);
  assert.deepEqual([await page.locator('#cart > *').first().getAttribute('class'), await page.locator('#cart .mvMessageBar2').isVisible(),
    await page.locator('#cart .mvBottomBar > *').evaluateAll((es) => es.map((e) => e.className + ':' + e.textContent)),
    await page.locator('#cart .mvCartTitle').allTextContents()], ['mvMenuBar', false,
    ['mvCheckoutButton:Checkout', 'mvLabelSubtotalValue:0.00', 'mvLabelSubtotalText:Total:'], ['Products', 'Price', 'Quantity', 'Subtotal', '']]);
  for (const [tab, seen] of [[null, 'sel,- shown,hidden'], ['scart', '-,sel hidden,shown'], ['sproducts', 'sel,- shown,hidden']]) {
    if (tab) await page.click(`#cart a[href="#${tab}"]`);
    assert.equal(await tabs(page), seen);
  }
  assert.equal(new URL(page.url()).hash, '');
  const started = await page.evaluate(() => [1, '1', 2, 'x', true].map((selected, i) => {
    const $c = $('<div class="mvMain"><input type="hidden" pid="X" pname="X" pprice="1"></div>').attr('id', 'more' + i).appendTo('body');
    $c.mervane({ selected: selected });
    return $c.find('.mvMenuBar a.sel').attr('href') + ' ' + $c.find('.mvTabs:visible .mvCartList').length;
  }));
  assert.deepEqual(started, ['#scart 1', '#scart 1', '#sproducts 0', '#sproducts 0', '#sproducts 0']);
});

test('search trims spaces, ignores case, matches parts of names; the buttons and key releases refill', async () => {
  const page = await h.open();
  // Typing alone does not search; a key release or the search button does.
  for (const [act, expected] of [[() => search(page, '  CAKE '), CAKES], [() => search(page, '   '), ALL],
    [() => page.fill('#cart .mvTxtSearch', 'pie'), ALL], [() => page.click('#cart a.mvSearch[title="Search Product"]'), ['Apple Pie']]]) {
    await act();
    assert.deepEqual(await shown(page), expected);
  }
  await page.fill('#cart .mvTxtQuantity >> visible=true', '7');
  await search(page, 'zzz');
  assert.deepEqual(await seen(page, 'shown bars'), [[], ['No products to display', 'Your cart is empty']]);
  await page.click('#cart a.mvSearch[title="Clear Search"]');
  assert.deepEqual([await page.inputValue('#cart .mvTxtSearch'), ...await seen(page, 'shown bars')], ['', ALL, ['Your cart is empty']]);
  assert.deepEqual(await page.locator('#cart .mvTxtQuantity').evaluateAll((es) => es.map((e) => e.value)), ['1', '1', '1', '1', '1']);
  await page.press('#cart .mvTxtSearch', 'Enter');
  assert.equal(page.url(), page.url0, 'Enter does not submit the form');
});

test('category filter: distinct categories, containment, clears the search; hidden without categories', async () => {
  const page = await h.open();
  const cat = page.locator('#cart .mvSelCategory');
  assert.deepEqual(await cat.locator('option').evaluateAll((os) => os.map((o) => o.value + '=' + o.text)),
    ['=All', 'Cakes=Cakes', 'Pies=Pies', 'Cupcake=Cupcake', 'Cake=Cake']);
  await search(page, 'c');
  await cat.selectOption('Cake');
  assert.deepEqual([await page.inputValue('#cart .mvTxtSearch'), await shown(page)], ['', CAKES]);
  await search(page, 'CHEESE');
  assert.deepEqual(await shown(page), ['Cheesecake']);
  await cat.selectOption('');
  assert.deepEqual(await shown(page), ALL);

  const plain = await h.open({ products: catalogue([['Loaf', '1', '', 'L1'], ['Roll', '2', '', 'L2']]) });
  assert.deepEqual([await plain.locator('#cart .mvSelCategory').isVisible(), await plain.locator('#cart .mvLabelCategory').isVisible()], [false, false]);
  const bare = await h.open({ settings: { enableSearch: false, enableCategoryFilter: false } });
  assert.deepEqual([await bare.locator('#cart .mvSearchPanel > *').count(), await shown(bare)], [0, ALL]);
});

test('add: new line, repeated add sums, bad quantities, fractions and missing products', async () => {
  const page = await h.open();
  await add(page, 0, 2);
  assert.deepEqual(await seen(page, 'options lines message'),
    [['SKU1|2 rel=0 Chocolate Cake'], ['Chocolate Cake 12.50 x2 = 25.00'], 'Product added to the cart']);
  await add(page, 0, 3);
  assert.deepEqual(await seen(page, 'options lines message'),
    [['SKU1|5 rel=0 Chocolate Cake'], ['Chocolate Cake 12.50 x5 = 62.50'], 'Product quantity updated']);
  for (const bad of ['0', '-1', 'abc', '']) {
    await add(page, 1, bad);
    assert.deepEqual([...await seen(page, 'message options'), await page.locator('#cart .mvTxtQuantity').nth(1).inputValue()],
      ['Invalid quantity. Product cannot add', ['SKU1|5 rel=0 Chocolate Cake'], '1'], `quantity "${bad}"`);
  }
  await add(page, 3, '1.5');
  await add(page, 4);
  // 62.50 + 0.15 + 3.333 = 65.983
  const added = [['SKU1|5 rel=0 Chocolate Cake', 'SKU4|1.5 rel=3 Cheesecake', 'SKU5|1 rel=4 Bread'],
    ['Chocolate Cake 12.50 x5 = 62.50', 'Cheesecake 0.10 x1.5 = 0.15', 'Bread 3.333 x1 = 3.33'],
    '65.98', 'My Cart (3)', 'Cart | Total Products: 3 | Total Quantity: 7.5', []];
  assert.deepEqual(await seen(page, 'options lines total cartTab cartTitle bars'), added);
  await page.evaluate(() => $('#cart a.mvAddToCart[rel="2"]').attr('rel', '99'));
  await page.click('#cart a.mvAddToCart[rel="99"]');
  assert.deepEqual(await seen(page, 'message options'), ['Product cannot add', added[0]]);
});
