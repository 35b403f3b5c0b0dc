'use strict';
// The template files themselves: the bytes the module embeds. Every other checkout test runs
// the checkout script under PHP with a product table in place.

const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const { TEMPLATE_PATH } = require('./fixture');

// The publisher decodes both from the ANSI code page and fills their tokens by plain text
// replacement. What the template's settings say is pinned by the orders the other tests place.
test('the checkout template and the cart script are ASCII with CRLF line ends; the template has one product token', () => {
  for (const file of [TEMPLATE_PATH, path.join(path.dirname(TEMPLATE_PATH), 'jquery.mervane-2.0.js')]) {
    const bytes = fs.readFileSync(file);
    assert.ok(bytes.every((b) => b < 128), `${file}: ASCII only`);
    assert.ok(/^([^\r\n]*\r\n)+$/.test(bytes.toString('latin1')), `${file}: every line ends in CRLF`);
  }
  assert.equal(fs.readFileSync(TEMPLATE_PATH, 'latin1').split('_PRODUCTS_').length, 2);
});

