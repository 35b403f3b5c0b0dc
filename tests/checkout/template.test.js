'use strict';
// The template files themselves: the bytes the module embeds and the checkout script's
// settings. Every other checkout test runs it under PHP with a product table in place.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { TEMPLATE_PATH } = require('./fixture');

// The publisher decodes both from the ANSI code page and fills their tokens by plain text
// replacement.
test('the checkout template and the cart script are ASCII with CRLF line ends', () => {
  for (const file of [TEMPLATE_PATH, path.join(path.dirname(TEMPLATE_PATH), 'jquery.mervane-2.0.js')]) {
    const bytes = fs.readFileSync(file);
    assert.ok(bytes.every((b) => b < 128), `${file}: ASCII only`);
    assert.ok(/^([^\r\n]*\r\n)+$/.test(bytes.toString('latin1')), `${file}: every line ends in CRLF`);
  }
});

test('the template has one product token and the default settings', () => {
  const text = fs.readFileSync(TEMPLATE_PATH, 'latin1');
  assert.ok(text.startsWith('<?php\r\n'));
  assert.deepEqual(text.split('_PRODUCTS_').length, 2);
  assert.match(text, /\r\n\$product_array = _PRODUCTS_;\r\n/);
  const settings = Object.fromEntries([...text.matchAll(/^\$(\w+) = '([^']*)';\r$/gm)].map((m) => m.slice(1)));
  assert.match(settings.admin_email, /^[\w.-]+@example\.(com|org|net)$/);
  assert.deepEqual({ ...settings, admin_email: undefined }, {
    admin_email: undefined, admin_subject: 'New Online Order', customer_subject: 'Order Confirmation',
    success_url: 'shop_success.html', error_url: 'shop_error.html', csv_file: './orders.csv', monetary_symbol: '$',
  });
});
