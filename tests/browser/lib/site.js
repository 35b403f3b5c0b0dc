'use strict';
// Test sites for the cart: the cart script that the module publishes, a page
// around the cart markup, a small static server on 127.0.0.1, and
// Debian's Chromium through playwright-core (never a downloaded browser).
const http = require('http');
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');
const { cartMarkup } = require('./markup');
const { ostrel, makeFolder, writeJson } = require('./module');

const SCRIPT_NAME = 'jquery.mervane-2.0.js';
const JQUERY_NAME = 'jquery-1.9.1.min.js';
const JQUERY = fs.readFileSync(require.resolve('jquery/jquery.min.js'));
const STYLESHEET = fs.readFileSync(path.join(__dirname, 'cart.css'));

// The cart script as the module publishes it for a cart with `texts`
// (setting name -> text), once per set of texts.
const scripts = new Map();
function publishedScript(texts = {}) {
  const key = JSON.stringify(texts);
  if (!scripts.has(key)) {
    const folder = makeFolder('mervane-script-');
    ostrel('publish', writeJson(path.join(folder, 'cart.json'), texts), path.join(folder, 'site'));
    scripts.set(key, fs.readFileSync(path.join(folder, 'site/scripts', SCRIPT_NAME)));
    fs.rmSync(folder, { recursive: true, force: true });
  }
  return scripts.get(key);
}

// Every picture name gets the same 40 x 40 square.
const PICTURE = '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40"><rect width="40" height="40" fill="#c84"/></svg>';

// A page with the cart markup (or `markup`); `ready` is the body of the
// document-ready handler, by default starting the cart with `options`
// (JavaScript source, so hooks can be given).
function cartPage({ products = [], id = 'cart', options = '{}', ready, head = '', markup } = {}) {
  const start = ready !== undefined ? ready : `   $("#${id}").mervane(${options});\r\n`;
  return ['<!DOCTYPE html>', '<html>', '<head>', '<meta charset="utf-8">', '<title>Shop</title>',
    '<link href="mervane.css" rel="stylesheet" type="text/css">',
    `<script type="text/javascript" src="${JQUERY_NAME}"></script>`,
    `<script type="text/javascript" src="${SCRIPT_NAME}"></script>`,
    head + '</head>', '<body>', (markup !== undefined ? markup : cartMarkup(products, { id })) +
    '<script type="text/javascript">', '$(document).ready(function()', '{', start + '});', '</script>',
    '</body>', '</html>', ''].join('\r\n');
}

// The files of one test site: the page and the cart script with `texts`.
function cartSite(opts = {}) {
  return { 'index.html': cartPage(opts), [SCRIPT_NAME]: publishedScript(opts.texts) };
}

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'application/javascript; charset=utf-8', '.css': 'text/css', '.svg': 'image/svg+xml' };

// Serves each published site under a folder of its own; jQuery, the test
// stylesheet and pictures come with every site.
class SiteServer {
  async start() {
    this.sites = new Map();
    this.server = http.createServer((req, res) => {
      const [, site, ...rest] = decodeURIComponent(new URL(req.url, 'http://x').pathname).split('/');
      const file = rest.join('/') || 'index.html';
      const files = this.sites.get(site) || {};
      const body = Object.prototype.hasOwnProperty.call(files, file) ? files[file]
        : file === JQUERY_NAME ? JQUERY : file === 'mervane.css' ? STYLESHEET : file.endsWith('.svg') ? PICTURE : undefined;
      res.writeHead(body === undefined ? 404 : 200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-store' });
      res.end(body === undefined ? 'not found' : body);
    });
    await new Promise((resolve) => this.server.listen(0, '127.0.0.1', resolve));
    this.origin = `http://127.0.0.1:${this.server.address().port}`;
    return this;
  }

  // Serves `files` (name -> text or Buffer) and returns the folder's URL.
  publish(files) {
    const name = 's' + (this.sites.size + 1);
    this.sites.set(name, files);
    return `${this.origin}/${name}/`;
  }

  close() {
    return new Promise((resolve) => this.server.close(resolve));
  }
}

function launchBrowser() {
  return chromium.launch({
    executablePath: process.env.CHROMIUM_PATH || '/usr/bin/chromium', headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update'],
  });
}

// Opens `url` in a new context (own local storage) that records console and
// page errors and answers the browser's icon request; `prepare(context)` runs
// first. With `clock` the page's timers stand still once it has loaded; only
// page.clock.runFor() moves them.
async function openPage(browser, url, { clock = false, prepare } = {}) {
  const context = await browser.newContext();
  if (clock) await context.clock.install({ time: new Date('2024-01-01T00:00:00Z') });
  await context.route('**/favicon.ico', (route) => route.fulfill({ status: 204 }));
  if (prepare) await prepare(context);
  const page = await context.newPage();
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push('console error: ' + m.text()); });
  page.on('pageerror', (e) => problems.push('page error: ' + e.message));
  if (url) await page.goto(url);
  if (clock) await page.clock.pauseAt(new Date('2024-01-02T00:00:00Z'));
  return { page, context, problems };
}

module.exports = { cartPage, cartSite, SiteServer, launchBrowser, openPage };
