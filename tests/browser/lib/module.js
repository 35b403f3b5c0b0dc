'use strict';
// Drives the real module through the stand-in host `ostrel`: renders the page
// texts of a cart definition, publishes its files or a whole site, and serves
// a published site with PHP's built-in server and the host's mail capture.
const { execFileSync, spawn } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { parseMail } = require('../../checkout/fixture');
const { JQUERY_NAME } = require('./site');
const { openPage } = require('./browser');

const ROOT = path.resolve(__dirname, '../../..');

// $OSTREL, else the linux preset's build; relative paths are taken from the
// repository root.
function ostrelPath() {
  const file = path.resolve(ROOT, process.env.OSTREL || 'build/linux/src/ostrel');
  if (!fs.existsSync(file)) {
    throw new Error(`ostrel not found at ${file}: build the targets ostrel and mervane, or set OSTREL to the binary`);
  }
  return file;
}

function ostrel(...args) {
  return execFileSync(ostrelPath(), args, { encoding: 'utf8', stdio: ['ignore', 'pipe', 'pipe'] });
}

function makeFolder(prefix) {
  return fs.mkdtempSync(path.join(os.tmpdir(), prefix));
}

function writeJson(file, value) {
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file, JSON.stringify(value, null, 1));
  return file;
}

// What the host asks the widget of `definition` (a file) for its page, with
// the element id already in place.
function renderCart(definition) {
  const ask = (part) => ostrel('render', definition, part);
  return { head: ask('head'), html: ask('html'), ready: ask('ready'), resources: ask('resources') };
}

// Every file below `folder`, by its path relative to it with "/" between.
function readTree(folder, prefix = '') {
  const files = {};
  for (const entry of fs.readdirSync(path.join(folder, prefix), { withFileTypes: true })) {
    const name = prefix ? prefix + '/' + entry.name : entry.name;
    if (entry.isDirectory()) Object.assign(files, readTree(folder, name));
    else files[name] = fs.readFileSync(path.join(folder, name));
  }
  return files;
}

// CopyFiles of the widget of `definition` into `folder`; returns what it wrote.
function publishCart(definition, folder) {
  ostrel('publish', definition, folder);
  return readTree(folder);
}

// A page laid out as the host does it: the shared jQuery, the widget's head
// lines, its markup, and its ready script inside the document-ready handler.
function hostPage({ head, html, ready }) {
  return [
    '<!DOCTYPE html>', '<html>', '<head>', '<meta charset="utf-8">', '<title>Shop</title>',
    `<script type="text/javascript" src="${JQUERY_NAME}"></script>`,
    head + '</head>', '<body>',
    html + '<script type="text/javascript">', '$(document).ready(function()', '{',
    ready + '});', '</script>', '</body>', '</html>', '',
  ].join('\r\n');
}

// An ini folder that PHP reads after its own: every error is logged to a file.
function phpErrorSettings(folder) {
  const ini = path.join(folder, 'php-ini');
  const log = path.join(folder, 'php-errors.log');
  fs.mkdirSync(ini);
  fs.writeFileSync(log, '');
  fs.writeFileSync(path.join(ini, 'errors.ini'),
    `error_reporting=E_ALL\ndisplay_errors=0\nlog_errors=1\nerror_log=${log}\n`);
  return { scanDir: ':' + ini, log };
}

function waitForAddress(child, output) {
  return new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error('ostrel serve did not start:\n' + output.text)), 10000);
    const read = (chunk) => {
      output.text += chunk;
      const found = /^Serving .* at (http:\/\/127\.0\.0\.1:\d+\/)$/m.exec(output.text);
      if (found) { clearTimeout(timer); resolve(found[1]); }
    };
    child.stdout.on('data', read);
    child.stderr.on('data', read);
    child.once('exit', () => { clearTimeout(timer); reject(new Error('ostrel serve stopped:\n' + output.text)); });
  });
}

async function waitUntilAnswering(url) {
  for (let tries = 0; ; tries++) {
    try {
      await fetch(url, { method: 'HEAD' });
      return;
    } catch (e) {
      if (tries === 50) throw e;
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
  }
}

// `ostrel serve` on a published site folder. The mail folder and PHP's error
// log lie beside the site, in a folder of their own.
async function serveSite(site) {
  const aside = makeFolder('mervane-serve-');
  const mailDir = path.join(aside, 'mail');
  const php = phpErrorSettings(aside);
  const child = spawn(ostrelPath(), ['serve', site, '--port', '0', '--mail', mailDir], {
    env: { ...process.env, PHP_INI_SCAN_DIR: php.scanDir }, stdio: ['ignore', 'pipe', 'pipe'],
  });
  const closed = new Promise((resolve) => child.once('close', resolve));
  const output = { text: '' };
  let url;
  try {
    url = await waitForAddress(child, output);
    await waitUntilAnswering(url);
  } catch (e) {
    child.kill();
    throw e;
  }
  return {
    url,
    // Captured messages, parsed as the checkout tests do; files written within
    // one second need not sort in sending order.
    mails: () => fs.readdirSync(mailDir).sort().map((f) => parseMail(fs.readFileSync(path.join(mailDir, f), 'latin1'))),
    orderLog: () => fs.readFileSync(path.join(site, 'orders.csv'), 'latin1'),
    phpErrors: () => fs.readFileSync(php.log, 'latin1').trim(),
    async stop() {
      child.kill();
      await closed;
      fs.rmSync(aside, { recursive: true, force: true });
    },
  };
}

// Opens a served site's page. Published sites carry no icon; the browser's
// own request for one is answered empty, as the test server does.
async function openPublished(browser, url) {
  const opened = await openPage(browser, null);
  await opened.context.route('**/favicon.ico', (route) => route.fulfill({ status: 204 }));
  await opened.page.goto(url);
  return opened;
}

module.exports = {
  ROOT, ostrel, makeFolder, writeJson, renderCart, publishCart, hostPage, serveSite, openPublished,
};
