'use strict';
// Test sites for the cart: the page markup, ready script and cart script that
// the module writes for a cart, a page around them, a small static server on
// 127.0.0.1, and Debian's Chromium through playwright-core (never a
// downloaded browser).
const http = require('http');
const fs = require('fs');
const path = require('path');
const { chromium } = require('playwright-core');
const { ostrel, makeFolder, writeJson } = require('./module');

const JQUERY_NAME = 'jquery-1.9.1.min.js';
const JQUERY = fs.readFileSync(require.resolve('jquery/jquery.min.js'));

// What the module writes for `cart`, a cart definition as `ostrel` reads it
// (in an 800 x 400 box unless it says otherwise): the head lines, the page
// markup and the ready script with "$ID$" left in, and the published script
// and stylesheet (path -> bytes). Asked once per definition.
const outputs = new Map();
function moduleOutput(cart) {
  const key = JSON.stringify(cart);
  if (!outputs.has(key)) {
    const folder = makeFolder('mervane-cart-');
    const file = writeJson(path.join(folder, 'cart.json'), { bounds: [0, 0, 800, 400], ...cart });
    const site = path.join(folder, 'site');
    ostrel('publish', file, site);
    const files = Object.fromEntries(['scripts', 'styles'].flatMap((dir) => fs.readdirSync(path.join(site, dir))
      .map((name) => [`${dir}/${name}`, fs.readFileSync(path.join(site, dir, name))])));
    const render = (what) => ostrel('render', file, what, '--raw');
    outputs.set(key, { head: render('head'), markup: render('html'), ready: render('ready'), files });
    fs.rmSync(folder, { recursive: true, force: true });
  }
  return outputs.get(key);
}

const withId = (text, id) => text.split('$ID$').join(id);
const cartMarkup = (cart, id) => withId(moduleOutput(cart).markup, id);

// Every picture name gets the same 40 x 40 square.
const PICTURE = '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40"><rect width="40" height="40" fill="#c84"/></svg>';

// A page with the module's markup of `cart` (or `markup`) under the element id
// `id`, started by the module's ready script; `options` (JavaScript source, so
// hooks can be given) start it instead, and `ready` replaces the whole body of
// the document-ready handler.
function cartPage({ cart = {}, id = 'cart', options, ready, head = '', markup } = {}) {
  const start = ready !== undefined ? ready
    : options !== undefined ? `   $("#${id}").mervane(${options});\r\n` : withId(moduleOutput(cart).ready, id);
  return ['<!DOCTYPE html>', '<html>', '<head>', '<meta charset="utf-8">', '<title>Shop</title>',
    `<script type="text/javascript" src="${JQUERY_NAME}"></script>`, moduleOutput(cart).head + head + '</head>',
    '<body>', (markup !== undefined ? markup : cartMarkup(cart, id)) +
    '<script type="text/javascript">', '$(document).ready(function()', '{', start + '});', '</script>',
    '</body>', '</html>', ''].join('\r\n');
}

// The files of one test site: the page and what the module publishes beside it.
function cartSite(opts = {}) {
  return { 'index.html': cartPage(opts), ...moduleOutput(opts.cart || {}).files };
}

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'application/javascript; charset=utf-8', '.css': 'text/css', '.svg': 'image/svg+xml' };

// Serves each published site under a folder of its own; jQuery and pictures
// come with every site.
class SiteServer {
  async start() {
    this.sites = new Map();
    this.server = http.createServer((req, res) => {
      const [, site, ...rest] = decodeURIComponent(new URL(req.url, 'http://x').pathname).split('/');
      const file = rest.join('/') || 'index.html';
      const files = this.sites.get(site) || {};
      const body = Object.prototype.hasOwnProperty.call(files, file) ? files[file]
        : file === JQUERY_NAME ? JQUERY : file.endsWith('.svg') ? PICTURE : undefined;
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

module.exports = { cartMarkup, cartSite, SiteServer, launchBrowser };
