'use strict';
// The page markup of one cart widget: a form, the container and one hidden
// input per product, attributes in the fixed order pimage, pprice, pdesc,
// pcategory, pname, pid. Product records use the catalogue's field names.

// Makes a text safe for an attribute value; line feeds become <br>, carriage
// returns are dropped, units above 127 become numeric references.
function encodeHtml(text) {
  let out = '';
  for (let i = 0; i < text.length; i++) {
    const c = text.charCodeAt(i);
    if (c === 10) out += '<br>';
    else if (c === 13) continue;
    else if (c === 34) out += '&quot;';
    else if (c === 39) out += '&#39;';
    else if (c === 38) out += '&amp;';
    else if (c === 60) out += '&lt;';
    else if (c === 62) out += '&gt;';
    else if (c > 127) out += '&#' + c + ';';
    else out += text[i];
  }
  return out;
}

function productLine(p) {
  return '<input type="hidden" pimage="' + (p.image || '') + '" pprice="' + (p.price || '') +
    '" pdesc="' + encodeHtml(p.description || '') + '" pcategory="' + encodeHtml(p.category || '') +
    '" pname="' + encodeHtml(p.name || '') + '" pid="' + (p.productId || '') + '">\r\n';
}

// `action` is the form target ('' for a gateway checkout); `id` stands where
// the host puts the widget's element id.
function cartMarkup(products, { id = 'cart', action = 'checkout.php' } = {}) {
  return '<form action="' + action + '" method="post">\r\n' +
    '<div id="' + id + '" class="mvMain">\r\n' +
    products.map(productLine).join('') +
    '</div>\r\n</form>\r\n';
}

// A small catalogue for tests: name, price, category, id and picture.
function catalogue(rows) {
  return rows.map(([name, price, category, productId, image = '', description = '']) =>
    ({ name, price, category, productId, image, description }));
}

module.exports = { encodeHtml, cartMarkup, catalogue };
