'use strict';
// The page markup of one cart widget: a form, the container and one hidden
// input per product, attributes in the fixed order pimage, pprice, pdesc,
// pcategory, pname, pid. Product records use the catalogue's field names.

const ENTITIES = { '"': '&quot;', "'": '&#39;', '&': '&amp;', '<': '&lt;', '>': '&gt;', '\n': '<br>', '\r': '' };

// Makes a text safe for an attribute value; line feeds become <br>, carriage
// returns are dropped, units above 127 become numeric references.
const encodeHtml = (text) => text.replace(/["'&<>\r\n]|[^\x00-\x7f]/g, (c) => ENTITIES[c] !== undefined ? ENTITIES[c] : '&#' + c.charCodeAt(0) + ';');

const productLine = (p) => `<input type="hidden" pimage="${p.image || ''}" pprice="${p.price || ''}" pdesc="${encodeHtml(p.description || '')}"` +
  ` pcategory="${encodeHtml(p.category || '')}" pname="${encodeHtml(p.name || '')}" pid="${p.productId || ''}">\r\n`;

// `id` stands where the host puts the widget's element id.
const cartMarkup = (products, { id = 'cart', action = 'checkout.php' } = {}) =>
  `<form action="${action}" method="post">\r\n<div id="${id}" class="mvMain">\r\n${products.map(productLine).join('')}</div>\r\n</form>\r\n`;

// A small catalogue for tests: name, price, category, id, picture, description.
const catalogue = (rows) => rows.map(([name, price, category, productId, image = '', description = '']) =>
  ({ name, price, category, productId, image, description }));

module.exports = { encodeHtml, cartMarkup, catalogue };
