'use strict';
// Builds published test sites (page, filled cart script, shared files) and
// serves them from a small static server on 127.0.0.1.
const http = require('http');
const fs = require('fs');
const path = require('path');
const { publishScript, SCRIPT_NAME } = require('./texts');
const { cartMarkup } = require('./markup');

const JQUERY_NAME = 'jquery-1.9.1.min.js';
const JQUERY = fs.readFileSync(require.resolve('jquery/jquery.min.js'));
const STYLESHEET = fs.readFileSync(path.join(__dirname, 'cart.css'));

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'application/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.svg': 'image/svg+xml',
};

// Every picture name gets a 40 x 40 square, coloured after the name.
function picture(name) {
  let hue = 0;
  for (const ch of name) hue = (hue * 31 + ch.charCodeAt(0)) % 360;
  return '<svg xmlns="http://www.w3.org/2000/svg" width="40" height="40">' +
    `<rect width="40" height="40" fill="hsl(${hue},60%,55%)"/></svg>`;
}

// A whole page around the cart markup. `ready` is the body of the
// document-ready handler; by default it starts the cart with `options`
// (JavaScript source, so hooks can be given).
function cartPage({ products = [], id = 'cart', action = 'checkout.php', options = '{}', ready, head = '', markup } = {}) {
  const start = ready !== undefined ? ready : `   $("#${id}").mervane(${options});\r\n`;
  return '<!DOCTYPE html>\r\n<html>\r\n<head>\r\n<meta charset="utf-8">\r\n<title>Shop</title>\r\n' +
    '<link href="mervane.css" rel="stylesheet" type="text/css">\r\n' +
    `<script type="text/javascript" src="${JQUERY_NAME}"></script>\r\n` +
    `<script type="text/javascript" src="${SCRIPT_NAME}"></script>\r\n` + head +
    '</head>\r\n<body>\r\n' + (markup !== undefined ? markup : cartMarkup(products, { id, action })) +
    '<script type="text/javascript">\r\n$(document).ready(function()\r\n{\r\n' + start + '});\r\n</script>\r\n' +
    '</body>\r\n</html>\r\n';
}

// The files of one published site: the page as index.html and the cart script
// with `texts` filled in. Extra files may be added by the caller.
function cartSite(opts = {}) {
  return { 'index.html': cartPage(opts), [SCRIPT_NAME]: publishScript(opts.texts || {}) };
}

class SiteServer {
  constructor() {
    this.sites = new Map();
    this.count = 0;
    this.server = http.createServer((req, res) => this.handle(req, res));
  }

  async start() {
    await new Promise((resolve) => this.server.listen(0, '127.0.0.1', resolve));
    this.origin = `http://127.0.0.1:${this.server.address().port}`;
    return this;
  }

  // Serves `files` (name -> text or Buffer) under a new folder and returns
  // the folder's URL, ending in "/".
  publish(files) {
    const name = 's' + (++this.count);
    this.sites.set(name, files);
    return `${this.origin}/${name}/`;
  }

  handle(req, res) {
    const url = new URL(req.url, this.origin);
    if (url.pathname === '/favicon.ico') {
      res.writeHead(204);
      res.end();
      return;
    }
    const [, site, ...rest] = decodeURIComponent(url.pathname).split('/');
    const file = rest.join('/') || 'index.html';
    const files = this.sites.get(site) || {};
    let body = Object.prototype.hasOwnProperty.call(files, file) ? files[file] : undefined;
    if (body === undefined && file === JQUERY_NAME) body = JQUERY;
    if (body === undefined && file === 'mervane.css') body = STYLESHEET;
    if (body === undefined && file.endsWith('.svg')) body = picture(file);
    if (body === undefined) {
      res.writeHead(404, { 'Content-Type': 'text/plain' });
      res.end('not found');
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-store' });
    res.end(body);
  }

  close() {
    return new Promise((resolve) => this.server.close(resolve));
  }
}

module.exports = { cartPage, cartSite, SiteServer, JQUERY_NAME };
