'use strict';
// The cart script as the extension carries it: the publisher copies its bytes
// and fills the placeholders by plain text replacement, so its form matters.
const test = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const { TEXTS, RESOURCE, publishScript } = require('../lib/texts');

test('the script is plain ASCII with CRLF line ends', () => {
  const bytes = fs.readFileSync(RESOURCE);
  assert.ok(bytes.every((b) => b < 128), 'non-ASCII byte');
  const text = bytes.toString('latin1');
  assert.ok(text.endsWith('\r\n'));
  assert.equal(text.split('\r\n').filter((line) => /[\r\n]/.test(line)).length, 0, 'bare CR or LF');
});

test('each placeholder stands alone in its literal as the initial value of its setting', () => {
  const text = fs.readFileSync(RESOURCE, 'latin1');
  for (const { token, setting, delimiter } of TEXTS) {
    assert.equal(text.split(token).length, 2, `${token} occurs once`);
    assert.ok(text.includes(`var ${setting} = ${delimiter}${token}${delimiter};`), `${setting} = ${token}`);
  }
  assert.deepEqual(text.match(/\$(LABEL|MSG)_[A-Z_]*\$/g).length, TEXTS.length);
  const published = publishScript();
  assert.equal(published.match(/\$(LABEL|MSG)_/g), null);
  assert.ok(published.includes(`var messageConfirmRemove = 'Do you want to remove "_PRODUCTNAME_" from cart?';`));
});
