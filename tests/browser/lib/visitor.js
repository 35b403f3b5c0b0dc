'use strict';
// What a visitor does on a published cart, found by the widget's element id
// (the host gives each widget its own).

// Adds the product shown with add button `index`, typing the quantity first
// when given.
async function addToCart(page, cartId, index, quantity) {
  const block = page.locator(`#${cartId} .mvProducts:has(a.mvAddToCart[rel="${index}"])`);
  if (quantity !== undefined) await block.locator('.mvTxtQuantity').fill(String(quantity));
  await block.locator('.mvAddToCart').click();
}

function checkOut(page, cartId) {
  return page.click(`#${cartId} .mvCheckoutButton`);
}

// Names in the product list and whether each picture loaded, in list order.
function productList(page, cartId) {
  return page.locator(`#${cartId} .mvProductList .mvProducts`).evaluateAll((blocks) => blocks.map((b) => {
    const img = b.querySelector('img.mvProductImage');
    return { name: b.querySelector('.mvPDiv2 strong').textContent, picture: img ? img.naturalWidth > 0 : null };
  }));
}

// The cart list that checkout posts: "id|quantity" per line.
function cartLines(page, cartId) {
  return page.locator(`#${cartId} select[name="products_selected[]"] option`).evaluateAll((o) => o.map((e) => e.value));
}

module.exports = { addToCart, checkOut, productList, cartLines };
