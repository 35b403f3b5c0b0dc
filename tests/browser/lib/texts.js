'use strict';
// The 24 texts of the cart script: placeholder token, setting name (also the
// script variable that receives it), the delimiter of its string literal and
// the setting's default text. The order is the order in which publishing
// substitutes them.
const fs = require('fs');
const path = require('path');

const SCRIPT_NAME = 'jquery.mervane-2.0.js';
const RESOURCE = path.resolve(__dirname, '../../../src/resources', SCRIPT_NAME);

const TEXTS = [
  ['$LABEL_CARTMENUNAME$', 'labelCartMenuName', "'", 'My Cart (_COUNT_)'],
  ['$LABEL_CARTMENUNAME_TOOLTIP$', 'labelCartMenuNameTooltip', '"',
    'Cart | Total Products: _PRODUCTCOUNT_ | Total Quantity: _ITEMCOUNT_'],
  ['$LABEL_PRODUCTMENUNAME$', 'labelProductMenuName', "'", 'Products'],
  ['$LABEL_SEARCHBUTTON$', 'labelSearchButton', '"', 'Search'],
  ['$LABEL_SEARCHLABEL$', 'labelSearchText', '"', 'Search'],
  ['$LABEL_CATEGORYTEXT$', 'labelCategoryText', '"', 'Category'],
  ['$LABEL_CLEARBUTTON$', 'labelClearButton', '"', 'Clear'],
  ['$LABEL_ADDTOCARTBUTTON$', 'labelAddToCartButton', '"', 'Add to Cart'],
  ['$LABEL_QUANTITYTEXT$', 'labelQuantityText', '"', 'Quantity'],
  ['$LABEL_PRODUCTS$', 'labelProducts', "'", 'Products'],
  ['$LABEL_PRICE$', 'labelPrice', "'", 'Price'],
  ['$LABEL_SUBTOTAL$', 'labelSubtotal', "'", 'Subtotal'],
  ['$LABEL_TOTAL$', 'labelTotal', "'", 'Total'],
  ['$LABEL_REMOVE$', 'labelRemove', "'", 'Remove'],
  ['$LABEL_CHECKOUT$', 'labelCheckout', "'", 'Checkout'],
  ['$MSG_CONFIRMREMOVE$', 'messageConfirmRemove', "'", 'Do you want to remove "_PRODUCTNAME_" from cart?'],
  ['$MSG_CARTEMPTY$', 'messageCartEmpty', '"', 'Your cart is empty'],
  ['$MSG_PRODUCTEMPTY$', 'messageProductEmpty', '"', 'No products to display'],
  ['$MSG_PRODUCTADDERROR$', 'messageProductAddError', '"', 'Product cannot add'],
  ['$MSG_ITEMADDED$', 'messageItemAdded', "'", 'Product added to the cart'],
  ['$MSG_ITEMREMOVED$', 'messageItemRemoved', "'", 'Product removed from the cart'],
  ['$MSG_QUANTITYUPDATED$', 'messageQuantityUpdated', "'", 'Product quantity updated'],
  ['$MSG_QUANTITYERRORADD$', 'messageQuantityErrorAdd', "'", 'Invalid quantity. Product cannot add'],
  ['$MSG_QUANTITYERRORUPDATE$', 'messageQuantityErrorUpdate', "'", 'Invalid quantity. Quantity cannot update'],
].map(([token, setting, delimiter, text]) => ({ token, setting, delimiter, text }));

const DEFAULT_TEXTS = Object.fromEntries(TEXTS.map((t) => [t.setting, t.text]));

function readResource() {
  return fs.readFileSync(RESOURCE, 'latin1');
}

// Fills the placeholders the way publishing does: every occurrence of each
// token, one token after the other in table order, the text as typed with no
// escaping. `texts` maps setting names to texts; missing ones take defaults.
function publishScript(texts = {}, resource = readResource()) {
  let out = resource;
  for (const { token, setting } of TEXTS) {
    const value = Object.prototype.hasOwnProperty.call(texts, setting) ? texts[setting] : DEFAULT_TEXTS[setting];
    out = out.split(token).join(value);
  }
  return out;
}

module.exports = { TEXTS, DEFAULT_TEXTS, SCRIPT_NAME, RESOURCE, readResource, publishScript };
