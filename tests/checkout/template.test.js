'use strict';
// The template file itself: the bytes the module embeds, its settings, and that it is valid
// PHP once the product table is in place.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const { TEMPLATE_PATH, productTable, buildScript, phpLint } = require('./fixture');

test('the template is ASCII with CRLF line ends and one product token', () => {
  const bytes = fs.readFileSync(TEMPLATE_PATH);
  assert.ok(bytes.every((b) => b < 128), 'ASCII only');
  const text = bytes.toString('latin1');
  assert.ok(text.startsWith('<?php\r\n') && text.endsWith('\r\n'));
  assert.doesNotMatch(text, /[^\r]\n|\r[^\n]/, 'every line ends in CRLF');
  assert.equal(text.split('_PRODUCTS_').length, 2);
  assert.match(text, /\r\n\$product_array = _PRODUCTS_;\r\n/);
  const settings = Object.fromEntries([...text.matchAll(/^\$(\w+) = '([^']*)';\r$/gm)].map((m) => m.slice(1)));
  assert.match(settings.admin_email, /^[\w.-]+@example\.(com|org|net)$/);
  delete settings.admin_email;
  assert.deepEqual(settings, {
    admin_subject: 'New Online Order', customer_subject: 'Order Confirmation', success_url: 'shop_success.html',
    error_url: 'shop_error.html', csv_file: './orders.csv', monetary_symbol: '$',
  });
});

test('the published script passes php -l with an empty and with an awkward catalogue', () => {
  assert.equal(productTable([{ id: 'SKU000000', name: 'Name of the product', price: '9.95' }]),
    "array(\r\n   \"SKU000000\" =>array('product_id'=>'SKU000000', 'product_name'=>'Name of the product', 'product_price'=>'9.95'))");
  assert.equal(productTable([]), 'array()');
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'checkout-lint-'));
  try {
    const catalogues = {
      empty: [],
      awkward: [
        { id: 'SKU1', name: "Tom's \"Pies\" & <Co>\r\nline \\ two \u20ac", price: '1.50' },
        { id: 'SKU1', name: 'Duplicate id, later one wins', price: '2' },
        { id: 'X-2', name: '', price: '' },
      ],
    };
    for (const [name, products] of Object.entries(catalogues)) {
      const file = path.join(dir, `${name}.php`);
      fs.writeFileSync(file, buildScript(products), 'latin1');
      assert.match(phpLint(file), /No syntax errors detected/);
    }
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
});
