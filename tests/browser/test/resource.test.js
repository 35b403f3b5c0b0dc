'use strict';
// The publisher fills the cart script's placeholders by plain text
// replacement after decoding it from the ANSI code page: it must stay plain
// ASCII with CRLF line ends.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const { ROOT } = require('../lib/module');

test('the cart script is plain ASCII with CRLF line ends', () => {
  const bytes = fs.readFileSync(`${ROOT}/src/resources/jquery.mervane-2.0.js`);
  assert.ok(bytes.every((b) => b < 128), 'non-ASCII byte');
  const text = bytes.toString('latin1');
  assert.ok(text.endsWith('\r\n'));
  assert.equal(text.split('\r\n').filter((line) => /[\r\n]/.test(line)).length, 0, 'bare CR or LF');
});
