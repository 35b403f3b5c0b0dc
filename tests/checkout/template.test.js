'use strict';
// The template file itself: the bytes the module embeds, its settings, and that it is valid
// PHP once the product table is in place.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const { TEMPLATE_PATH, PHP, buildScript } = require('./fixture');

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

test('the published script passes php -l with an empty and with an awkward catalogue', () => {
  const awkward = [{ id: 'SKU1', name: "Tom's \"Pies\" & <Co>\r\nline \\ two \u20ac", price: '1.50' }, { id: 'X-2', name: '', price: '' }];
  for (const products of [[], awkward]) {
    const lint = execFileSync(PHP, ['-l'], { input: Buffer.from(buildScript(products), 'latin1'), encoding: 'utf8' });
    assert.match(lint, /No syntax errors detected/);
  }
});
