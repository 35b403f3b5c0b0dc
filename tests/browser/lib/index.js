'use strict';
// Everything a browser test needs to publish, serve and open a cart page.
module.exports = {
  ...require('./texts'),
  ...require('./markup'),
  ...require('./site'),
  ...require('./browser'),
};
