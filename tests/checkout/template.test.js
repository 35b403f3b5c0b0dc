'use strict';
// The template file itself: the bytes the module embeds and its settings. Every other
// checkout test runs it under PHP with a product table in place.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const { TEMPLATE_PATH } = require('./fixture');

test('the template is ASCII with CRLF line ends, one product token and the default settings', () => {
  const bytes = fs.readFileSync(TEMPLATE_PATH);
  assert.ok(bytes.every((b) => b < 128), 'ASCII only');
  const text = bytes.toString('latin1');
  assert.ok(text.startsWith('<?php\r\n') && text.endsWith('\r\n'));
  assert.doesNotMatch(text, /[^\r]\n|\r[^\n]/, 'every line ends in CRLF');
  assert.deepEqual(text.split('_PRODUCTS_').length, 2);
  assert.match(text, /\r\n\$product_array = _PRODUCTS_;\r\n/);
  const settings = Object.fromEntries([...text.matchAll(/^\$(\w+) = '([^']*)';\r$/gm)].map((m) => m.slice(1)));
  assert.match(settings.admin_email, /^[\w.-]+@example\.(com|org|net)$/);
  assert.deepEqual({ ...settings, admin_email: undefined }, {
    admin_email: undefined, admin_subject: 'New Online Order', customer_subject: 'Order Confirmation',
    success_url: 'shop_success.html', error_url: 'shop_error.html', csv_file: './orders.csv', monetary_symbol: '$',
  });
});
