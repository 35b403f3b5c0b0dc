'use strict';
// Drives the real module through the stand-in host `ostrel`: publishes a site
// project and serves it with PHP's built-in server and the host's mail
// capture; what a visitor does on a cart found by its element id, and the
// details of a complete order.
const { execFileSync, spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');

const ROOT = path.resolve(__dirname, '../../..');

// $OSTREL, else the linux preset's build; relative to the repository root.
function ostrelFile() {
  const file = path.resolve(ROOT, process.env.OSTREL || 'build/linux/src/ostrel');
  if (!fs.existsSync(file)) throw new Error(`ostrel not found at ${file}: build ostrel and mervane, or set OSTREL`);
  return file;
}

const ostrel = (...args) => execFileSync(ostrelFile(), args, { encoding: 'utf8', maxBuffer: 1 << 28, stdio: ['ignore', 'pipe', 'pipe'] });

const makeFolder = (prefix) => fs.mkdtempSync(path.join(os.tmpdir(), prefix));

function writeJson(file, value) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, JSON.stringify(value, null, 1));
  return file;
}

// Publishes one page per cart definition (page<i>.html holds carts[i] as
// "Cart<i+1>") with `files` (name -> text) beside them; returns the site
// folder.
function publishSite(folder, carts, files = {}) {
  const source = path.join(folder, 'project');
  fs.mkdirSync(source, { recursive: true });
  for (const [name, text] of Object.entries(files)) fs.writeFileSync(path.join(source, name), text);
  const pages = carts.map((cart, i) => ({
    file: `page${i}.html`, title: 'Shop', html: '<h1>Shop</h1>',
    widgets: [{ definition: path.basename(writeJson(path.join(source, `cart${i}.json`), cart)), bounds: [0, 0, 640, 420] }],
  }));
  const site = path.join(folder, 'site');
  ostrel('site', writeJson(path.join(source, 'site.json'), { title: 'Shop', pages, files: Object.keys(files) }), site);
  return site;
}

// Publishes the demo bakery's site into `folder` and returns it.
const publishDemo = (folder) => (ostrel('site', path.join(ROOT, 'examples/bakery/site.json'), folder), folder);

// `ostrel serve` on a published site; mails and PHP's error log lie beside it. Options: ini
// (php.ini lines over these), env, and fileBlocks (a limit, in 512-byte blocks, on the files
// PHP writes). Its own process group, so that stop() also ends PHP_CLI_SERVER_WORKERS' workers.
async function serveSite(site, { ini = '', env, fileBlocks } = {}) {
  const aside = makeFolder('mervane-serve-');
  const [mailDir, iniDir, log] = ['mail', 'php-ini', 'php-errors.log'].map((n) => path.join(aside, n));
  const orders = path.join(site, 'orders.csv');
  fs.mkdirSync(iniDir);
  fs.writeFileSync(log, '');
  fs.writeFileSync(path.join(iniDir, 'errors.ini'), `error_reporting=E_ALL\ndisplay_errors=0\nlog_errors=1\nerror_log=${log}\n${ini}`);
  const limit = fileBlocks ? ['sh', '-c', `ulimit -f ${fileBlocks}; trap '' XFSZ; exec "$0" "$@"`] : [];
  const [command, ...args] = [...limit, ostrelFile(), 'serve', site, '--port', '0', '--mail', mailDir];
  const child = spawn(command, args, {
    detached: true, env: { ...process.env, ...env, PHP_INI_SCAN_DIR: ':' + iniDir }, stdio: ['ignore', 'pipe', 'pipe'],
  });
  const closed = new Promise((resolve) => child.once('close', resolve));
  const url = await new Promise((resolve, reject) => {
    let text = '';
    const read = (chunk) => {
      const found = /^Serving .* at (http:\/\/127\.0\.0\.1:\d+\/)$/m.exec(text += chunk);
      if (found) resolve(found[1]);
    };
    child.stdout.on('data', read);
    child.stderr.on('data', read);
    child.once('exit', () => reject(new Error('ostrel serve stopped:\n' + text)));
  });
  for (let tries = 0; ; tries++) {
    try {
      await fetch(url, { method: 'HEAD' });
      break;
    } catch (e) {
      if (tries === 50) throw e;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }
  return {
    url,
    // In sending order, which the capture's file names keep.
    mails: () => fs.readdirSync(mailDir).sort().map((f) => parseMail(fs.readFileSync(path.join(mailDir, f), 'latin1'))),
    // The order log's text, or null when there is none.
    orderLog: () => (fs.existsSync(orders) ? fs.readFileSync(orders, 'latin1') : null),
    phpErrors: () => fs.readFileSync(log, 'latin1').trim(),
    async stop() {
      try { process.kill(-child.pid); } catch (e) { if (e.code !== 'ESRCH') throw e; }
      await closed;
      fs.rmSync(aside, { recursive: true, force: true });
    },
  };
}

// One captured message: {to, subject, headers: [[name, value]], body}.
function parseMail(raw) {
  const [head, ...rest] = raw.split('\r\n\r\n');
  const headers = head.split('\r\n').map((line) => line.match(/^([^:]*): ?(.*)$/s).slice(1));
  const value = (name) => (headers.find(([n]) => n === name) || [])[1];
  return { headers, body: rest.join('\r\n\r\n').replace(/\r\n$/, ''), to: value('To'), subject: value('Subject') };
}

// Adds the product of add button `index`, typing the quantity first if given.
async function addToCart(page, cartId, index, quantity) {
  const block = page.locator(`#${cartId} .mvProducts:has(a.mvAddToCart[rel="${index}"])`);
  if (quantity !== undefined) await block.locator('.mvTxtQuantity').fill(String(quantity));
  await block.locator('.mvAddToCart').click();
}

// Names of the shown products and whether each picture loaded.
const productList = (page, cartId) => page.locator(`#${cartId} .mvProductList .mvProducts:visible`).evaluateAll((blocks) =>
  blocks.map((b) => { const img = b.querySelector('img.mvProductImage'); return { name: b.querySelector('.mvPDiv2 strong').textContent, picture: img ? img.naturalWidth > 0 : null }; }));

// The cart list that checkout posts: "id|quantity" per line.
const cartLines = (page, cartId) => page.locator(`#${cartId} select[name="products_selected[]"] option`).evaluateAll((o) => o.map((e) => e.value));

// Billing and shipping fields of a complete order, in the order page's form order; an
// override of undefined leaves the field out.
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

module.exports = { ROOT, ostrel, parseMail, makeFolder, writeJson, publishSite, publishDemo, serveSite, addToCart, productList, cartLines, customerFields };
