'use strict';
// The checkout script live: a temporary site holding the script with its product table filled
// in, served by PHP's built-in server, mail captured to files and PHP errors logged to a file.

const assert = require('node:assert/strict');
const { spawn } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const ERROR = [302, 'shop_error.html'];
const outcome = (response) => [response.status, response.location];
const TEMPLATE_PATH = path.join(__dirname, '..', '..', 'src', 'resources', 'mervane_checkout.php');
const PHP = process.env.PHP_BINARY || 'php';
const host = require('../browser/lib/module.js');

// Publishes the checkout script as the module does for products [{id, name, price}]: the
// template, or the custom script `edit` makes of it, with the module's product table. With
// `carts` (lists of products), a site of one page per cart. Returns the site's folder.
function publishScript(dir, { products, carts, edit, fileName }) {
  const cart = (list) => ({ products: list.map((p) => ({ productId: p.id, name: p.name, price: p.price })), phpFileName: fileName,
    ...(edit && { checkoutScript: edit(fs.readFileSync(TEMPLATE_PATH, 'latin1')) }) });
  if (carts) return host.publishSite(dir, carts.map(cart));
  host.ostrel('publish', host.writeJson(path.join(dir, 'cart.json'), cart(products)), dir);
  return dir;
}

// Runs fn(site) against `php -S` on a fresh site and fails if PHP logged anything unexpected.
// Options: products, carts and edit (see publishScript), fileName, phpArgs and env (extra php arguments
// and environment), fileBlocks (a limit, in 512-byte blocks, on the files PHP writes),
// expectWarning (a regex for the PHP warnings the case provokes).
async function withCheckout(options, fn) {
  const fileName = options.fileName || 'mervane_checkout.php';
  const root = fs.mkdtempSync(path.join(os.tmpdir(), 'checkout-site-'));
  const errorLog = path.join(root, '.php-errors.log');
  fs.writeFileSync(errorLog, '');
  const dir = publishScript(root, { ...options, fileName });
  // Errors shown and output buffered, as in the php.ini for development that PHP ships.
  const args = ['-d', `sendmail_path="cat > ${dir}/$(date +%s%N).eml"`, '-d', 'error_reporting=E_ALL',
    '-d', 'output_buffering=4096', '-d', 'display_errors=1', '-d', 'display_startup_errors=1', '-d', 'log_errors=1',
    '-d', `error_log=${errorLog}`, '-d', 'date.timezone=UTC', ...(options.phpArgs || []), '-S', '127.0.0.1:0', '-t', dir];
  // Its own process group, so that stop() also ends the workers PHP_CLI_SERVER_WORKERS forks.
  const limit = options.fileBlocks ? ['sh', ['-c', `ulimit -f ${options.fileBlocks}; trap '' XFSZ; exec "$0" "$@"`, PHP]] : [PHP, []];
  const child = spawn(limit[0], [...limit[1], ...args], { cwd: dir, detached: true, env: { ...process.env, ...options.env }, stdio: ['ignore', 'pipe', 'pipe'] });
  const closed = new Promise((resolve) => child.once('close', resolve));
  let output = '';
  const site = new Site({ child, closed, root, dir, fileName, errorLog, expectWarning: options.expectWarning });
  try {
    site.base = await new Promise((resolve, reject) => {
      const timer = setTimeout(() => reject(new Error(`php -S did not start:\n${output}`)), 10000);
      const onData = (chunk) => {
        const started = (output += chunk).match(/Development Server \((http:\/\/[\d.:]+)\) started/);
        if (started) { clearTimeout(timer); resolve(started[1]); }
      };
      child.stdout.on('data', onData);
      child.stderr.on('data', onData);
    });
    await fn(site);
    assert.deepEqual(site.errors(), [], 'PHP reported a problem');
  } finally {
    await site.stop();
  }
}

class Site {
  constructor(fields) {
    Object.assign(this, fields);
    this.csvPath = path.join(this.dir, 'orders.csv');
  }

  // GET a path of the site (the script by default), or POST a body (form fields as
  // [name, value] pairs, or FormData for a multipart post) to it; redirects are not followed.
  async request(pathAndQuery, body) {
    const init = body && { method: 'POST', body: Array.isArray(body) ? new URLSearchParams(body) : body };
    const res = await fetch(this.base + (pathAndQuery || `/${this.fileName}`), { redirect: 'manual', ...init });
    return { status: res.status, headers: res.headers, location: res.headers.get('location'), text: await res.text() };
  }

  get(pathAndQuery) { return this.request(pathAndQuery); }

  post(pairs) { return this.request(undefined, pairs); }

  // Cart post as the cart page makes it: one "products_selected[]" per line "id|quantity".
  postCart(entries) { return this.post(entries.map((e) => ['products_selected[]', e])); }

  // Captured messages in sending order (see parseMail).
  mails() {
    const files = fs.readdirSync(this.dir).filter((f) => f.endsWith('.eml')).sort();
    return files.map((f) => host.parseMail(fs.readFileSync(path.join(this.dir, f), 'latin1')));
  }

  // The order log's text, or null when there is none.
  log() { return fs.existsSync(this.csvPath) ? fs.readFileSync(this.csvPath, 'latin1') : null; }

  // The lines PHP logged, without those the case expects.
  errors() {
    return fs.readFileSync(this.errorLog, 'latin1').split('\n').filter((l) => l && !(this.expectWarning && this.expectWarning.test(l)));
  }

  async stop() {
    try { process.kill(-this.child.pid, 'SIGTERM'); } catch (e) { if (e.code !== 'ESRCH') throw e; }
    await this.closed;
    fs.rmSync(this.root, { recursive: true, force: true });
  }
}

function decodeEntities(text) {
  const named = { quot: '"', amp: '&', lt: '<', gt: '>' };
  return text.replace(/&(#\d+|quot|amp|lt|gt);/g, (m, e) => (e[0] === '#' ? String.fromCharCode(Number(e.slice(1))) : named[e]));
}

// The hidden inputs of an order page, in document order, as a browser would post them.
function hiddenInputs(html) {
  return [...html.matchAll(/<input type="hidden" name="([^"]*)" value="([^"]*)">/g)].map((m) => [decodeEntities(m[1]), decodeEntities(m[2])]);
}

// Both passes of a visitor: the cart post, then the order page's hidden fields with the
// customer's details posted back. Returns {page, result}.
async function placeOrder(site, cartEntries, overrides) {
  const page = await site.postCart(cartEntries);
  const hidden = hiddenInputs(page.text).filter(([name]) => !(overrides && name in overrides));
  const result = await site.post([...hidden, ...host.customerFields(overrides)]);
  return { page, result };
}

module.exports = {
  ERROR, outcome, TEMPLATE_PATH, withCheckout, decodeEntities, hiddenInputs, customerFields: host.customerFields, placeOrder,
};
