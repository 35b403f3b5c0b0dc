'use strict';
// Test fixture for the checkout script: a temporary site folder holding the script with its
// product table filled in, served by PHP's built-in server, with outgoing mail captured to
// files and PHP errors logged to a file. Reusable by any test that needs the checkout live.

const assert = require('node:assert/strict');
const { spawn, execFileSync } = require('node:child_process');
const fs = require('node:fs');
const net = require('node:net');
const os = require('node:os');
const path = require('node:path');
// Product names go into the table HTML-encoded, as the module writes them.
const { encodeHtml } = require('../browser/lib/markup.js');

const TEMPLATE_PATH = path.join(__dirname, '..', '..', 'src', 'resources', 'mervane_checkout.php');
const PHP = process.env.PHP_BINARY || 'php';

function readTemplate() {
  return fs.readFileSync(TEMPLATE_PATH, 'latin1');
}

// The PHP array literal that replaces the product token, for products {id, name, price}.
function productTable(products) {
  let text = 'array(\r\n';
  for (const p of products) {
    text += `   "${p.id}" =>array('product_id'=>'${p.id}', 'product_name'=>'${encodeHtml(p.name)}', 'product_price'=>'${p.price}'),\r\n`;
  }
  text = text.replace(/[,\r\n]+$/, '');
  return text + ')';
}

// The published script: the template (optionally edited) with the table in place of the token.
function buildScript(products, edit) {
  let text = readTemplate();
  if (edit) text = edit(text);
  return text.split('_PRODUCTS_').join(productTable(products));
}

function freePort() {
  return new Promise((resolve, reject) => {
    const server = net.createServer();
    server.on('error', reject);
    server.listen(0, '127.0.0.1', () => {
      const { port } = server.address();
      server.close(() => resolve(port));
    });
  });
}

// Starts `php -S` on a fresh site folder. Options:
//   products      catalogue [{id, name, price}] written into the script's table
//   fileName      the script's file name in the site folder
//   edit          function(templateText) -> text, applied before the table is filled in
//   scriptText    the whole script as published elsewhere (e.g. by the module); replaces the above
//   phpArgs       extra php arguments (e.g. ['-d', 'max_input_vars=30000'])
//   env           extra environment for the server (e.g. PHP_CLI_SERVER_WORKERS)
// Returns a site object; call stop() when done.
async function startCheckout(options = {}) {
  const products = options.products || [{ id: 'SKU000000', name: 'Name of the product', price: '9.95' }];
  const fileName = options.fileName || 'mervane_checkout.php';
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'checkout-site-'));
  const mailDir = path.join(dir, '.mail');
  fs.mkdirSync(mailDir);
  const capture = path.join(dir, '.capture-mail.sh');
  fs.writeFileSync(capture,
    '#!/bin/sh\n' +
    '# Saves one outgoing message per file, named so that they sort in sending order.\n' +
    `exec cat > "$(mktemp "${mailDir}/$(date +%s%N).XXXXXX")"\n`, { mode: 0o755 });
  const errorLog = path.join(dir, '.php-errors.log');
  fs.writeFileSync(errorLog, '');
  const scriptPath = path.join(dir, fileName);
  fs.writeFileSync(scriptPath, options.scriptText !== undefined ? options.scriptText : buildScript(products, options.edit), 'latin1');

  for (let attempt = 0; ; attempt++) {
    const port = await freePort();
    const args = [
      '-d', `sendmail_path=${capture}`,
      '-d', 'error_reporting=E_ALL',
      '-d', 'display_errors=1',
      '-d', 'display_startup_errors=1',
      '-d', 'log_errors=1',
      '-d', `error_log=${errorLog}`,
      '-d', 'date.timezone=UTC',
      ...(options.phpArgs || []),
      '-S', `127.0.0.1:${port}`, '-t', dir,
    ];
    // Its own process group, so that stop() also ends the workers PHP_CLI_SERVER_WORKERS forks.
    const child = spawn(PHP, args, {
      cwd: dir, detached: true, env: { ...process.env, ...(options.env || {}) }, stdio: ['ignore', 'pipe', 'pipe'],
    });
    const closed = new Promise((resolve) => child.once('close', resolve));
    let serverOutput = '';
    const started = await new Promise((resolve) => {
      const timer = setTimeout(() => resolve(false), 10000);
      const onData = (chunk) => {
        serverOutput += chunk;
        if (/Development Server .* started/.test(serverOutput)) { clearTimeout(timer); resolve(true); }
      };
      child.stdout.on('data', onData);
      child.stderr.on('data', onData);
      child.on('exit', () => { clearTimeout(timer); resolve(false); });
    });
    if (!started) {
      killGroup(child, 'SIGKILL');
      if (attempt < 3) continue;
      throw new Error(`php -S did not start:\n${serverOutput}`);
    }
    const base = `http://127.0.0.1:${port}`;
    return new Site({ child, closed, dir, base, fileName, scriptPath, mailDir, errorLog, output: () => serverOutput });
  }
}

class Site {
  constructor(fields) {
    Object.assign(this, fields);
    this.url = `${this.base}/${this.fileName}`;
    this.csvPath = path.join(this.dir, 'orders.csv');
  }

  // GET the script (or another path of the site); redirects are not followed.
  async get(pathAndQuery) {
    const res = await fetch(pathAndQuery === undefined ? this.url : this.base + pathAndQuery, { redirect: 'manual' });
    return { status: res.status, headers: res.headers, location: res.headers.get('location'), text: await res.text() };
  }

  // POST form fields, given as [name, value] pairs in posting order, to the script.
  async post(pairs, url) {
    const body = new URLSearchParams();
    for (const [name, value] of pairs) body.append(name, value);
    const res = await fetch(url || this.url, {
      method: 'POST', body, redirect: 'manual',
      headers: { 'content-type': 'application/x-www-form-urlencoded' },
    });
    return { status: res.status, headers: res.headers, location: res.headers.get('location'), text: await res.text() };
  }

  // Cart post as the cart page makes it: one "products_selected[]" per line "id|quantity".
  postCart(entries) {
    return this.post(entries.map((e) => ['products_selected[]', e]));
  }

  // Captured messages in sending order: {to, subject, headers: [[name, value]], raw, body}.
  mails() {
    return fs.readdirSync(this.mailDir).sort().map((f) => parseMail(fs.readFileSync(path.join(this.mailDir, f), 'latin1')));
  }

  // The order log's text, or null when there is none.
  log() {
    return fs.existsSync(this.csvPath) ? fs.readFileSync(this.csvPath, 'latin1') : null;
  }

  // Everything PHP reported: the error log plus any PHP message the server printed.
  errors() {
    const logged = fs.readFileSync(this.errorLog, 'latin1');
    const printed = this.output().split('\n').filter((l) => /PHP (Warning|Notice|Deprecated|Fatal|Parse|Error)/.test(l)).join('\n');
    return (logged + printed).trim();
  }

  async stop() {
    killGroup(this.child, 'SIGTERM');
    await this.closed;
    fs.rmSync(this.dir, { recursive: true, force: true });
  }
}

function killGroup(child, signal) {
  try {
    process.kill(-child.pid, signal);
  } catch (e) {
    if (e.code !== 'ESRCH') throw e;
  }
}

function parseMail(raw) {
  const split = raw.indexOf('\r\n\r\n');
  const head = raw.slice(0, split);
  let body = raw.slice(split + 4);
  if (body.endsWith('\r\n')) body = body.slice(0, -2);
  const headers = head.split('\r\n').map((line) => {
    const colon = line.indexOf(':');
    return [line.slice(0, colon), line.slice(colon + 1).replace(/^ /, '')];
  });
  const value = (name) => (headers.find(([n]) => n === name) || [])[1];
  return { raw, head, headers, body, to: value('To'), subject: value('Subject') };
}

function decodeEntities(text) {
  return text.replace(/&(#\d+|quot|amp|lt|gt|#39);/g, (m, e) => {
    if (e[0] === '#') return String.fromCharCode(Number(e.slice(1)));
    return { quot: '"', amp: '&', lt: '<', gt: '>' }[e];
  });
}

// The hidden inputs of an order page, in document order, as a browser would post them.
function hiddenInputs(html) {
  const pairs = [];
  for (const m of html.matchAll(/<input type="hidden" name="([^"]*)" value="([^"]*)">/g)) {
    pairs.push([decodeEntities(m[1]), decodeEntities(m[2])]);
  }
  return pairs;
}

// Billing and shipping fields of a complete order, in the order page's form order.
function customerFields(overrides = {}) {
  const fields = {
    billing_first: 'Ada', billing_last: 'Lovelace', billing_address: '12 Analytical Row',
    billing_address2: 'Flat 3', billing_city: 'London', billing_state: 'LN', billing_zip: 'N1 9GU',
    billing_phone: '555 0100', billing_fax: '555 0101', billing_email: 'ada@example.org',
    shipping_first: '', shipping_last: '', shipping_address: '', shipping_address2: '',
    shipping_city: '', shipping_state: '', shipping_zip: '', shipping_phone: '', shipping_fax: '',
    shipping_email: '', comments: '',
    ...overrides,
  };
  return Object.entries(fields).filter(([, v]) => v !== undefined);
}

// Both passes of a visitor: the cart post, then the order page's hidden fields with the
// customer's details posted back. Returns {page, result}.
async function placeOrder(site, cartEntries, overrides) {
  const page = await site.postCart(cartEntries);
  const result = await site.post([...hiddenInputs(page.text), ...customerFields(overrides)]);
  return { page, result };
}

// Runs fn(site) against a fresh checkout, then fails if PHP reported any error, warning,
// notice or deprecation meanwhile, and removes the site.
async function withCheckout(options, fn) {
  const site = await startCheckout(options);
  try {
    await fn(site);
    assert.equal(site.errors(), '', 'PHP reported a problem');
  } finally {
    await site.stop();
  }
}

function phpLint(file) {
  return execFileSync(PHP, ['-l', file], { encoding: 'utf8' });
}

module.exports = {
  TEMPLATE_PATH, readTemplate, encodeHtml, productTable, buildScript, startCheckout, withCheckout,
  parseMail, decodeEntities, hiddenInputs, customerFields, placeOrder, phpLint,
};
