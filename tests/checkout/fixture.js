'use strict';
// The checkout script live: a temporary site holding the script with its product table filled
// in, served by `ostrel serve` with mail captured and PHP errors shown and logged.

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const host = require('../browser/lib/module.js');

const ERROR = [302, 'shop_error.html'];
const outcome = (response) => [response.status, response.location];
const TEMPLATE_PATH = path.join(__dirname, '..', '..', 'src', 'resources', 'mervane_checkout.php');
// Errors shown and output buffered, as in the php.ini for development that PHP ships.
const DEVELOPMENT = 'output_buffering=4096\ndisplay_errors=1\ndisplay_startup_errors=1\ndate.timezone=UTC\n';

// Publishes a site of one page per cart (a list of products [{id, name, price}], by default
// `products`) and returns its folder. Its checkout script is the template, or the custom script
// `edit` makes of it, with the carts' product table.
function publishScript(dir, { products, carts = [products], edit, fileName }) {
  return host.publishSite(dir, carts.map((list) => ({ products: list.map((p) => ({ productId: p.id, name: p.name, price: p.price })),
    phpFileName: fileName, ...(edit && { checkoutScript: edit(fs.readFileSync(TEMPLATE_PATH, 'latin1')) }) })));
}

// Runs fn(site) on a fresh site and fails if PHP logged anything unexpected. Options: products,
// carts and edit (see publishScript), fileName, ini, env and fileBlocks (see serveSite), and
// expectWarning (a regex for the PHP warnings the case provokes).
async function withCheckout(options, fn) {
  const fileName = options.fileName || 'mervane_checkout.php';
  const root = host.makeFolder('checkout-site-');
  const dir = publishScript(root, { ...options, fileName });
  const shop = await host.serveSite(dir, { ...options, ini: DEVELOPMENT + (options.ini || '') });
  // GET a path of the site (the script by default), or POST a body to the script: form fields as
  // [name, value] pairs, or FormData for a multipart post. Redirects are not followed.
  const load = async (where = fileName, body) => {
    const res = await fetch(new URL(where, shop.url), { redirect: 'manual', ...(body && { method: 'POST', body }) });
    return { status: res.status, headers: res.headers, location: res.headers.get('location'), text: await res.text() };
  };
  const post = (body) => load(undefined, Array.isArray(body) ? new URLSearchParams(body) : body);
  // postCart posts as the cart page does: one "products_selected[]" per line "id|quantity".
  const site = { ...shop, fileName, csvPath: path.join(dir, 'orders.csv'), get: load, post,
    postCart: (entries) => post(entries.map((e) => ['products_selected[]', e])) };
  try {
    await fn(site);
    assert.deepEqual(shop.phpErrors().split('\n').filter((l) => l && !options.expectWarning?.test(l)), [], 'PHP reported a problem');
  } finally {
    await shop.stop();
    fs.rmSync(root, { recursive: true, force: true });
  }
}

const decodeEntities = (text) => text.replace(/&(#\d+|quot|amp|lt|gt);/g,
  (m, e) => (e[0] === '#' ? String.fromCharCode(e.slice(1)) : { quot: '"', amp: '&', lt: '<', gt: '>' }[e]));

// The hidden inputs of an order page, in document order, as a browser would post them.
const hiddenInputs = (html) => [...html.matchAll(/<input type="hidden" name="([^"]*)" value="([^"]*)">/g)].map((m) => m.slice(1).map(decodeEntities));

// An order page's hidden fields with the customer's details (see customerFields), as posted back.
const orderFields = (html, overrides = {}) => [...hiddenInputs(html).filter(([name]) => !(name in overrides)), ...host.customerFields(overrides)];

// Both passes of a visitor: the cart post, then the order post. Returns {page, result}.
async function placeOrder(site, cartEntries, overrides) {
  const page = await site.postCart(cartEntries);
  return { page, result: await site.post(orderFields(page.text, overrides)) };
}

module.exports = { ERROR, outcome, TEMPLATE_PATH, withCheckout, decodeEntities, hiddenInputs, orderFields, placeOrder, customerFields: host.customerFields };
