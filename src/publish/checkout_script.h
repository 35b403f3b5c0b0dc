// The PHP checkout script of the built-in checkout.
#ifndef MERVANE_PUBLISH_CHECKOUT_SCRIPT_H_
#define MERVANE_PUBLISH_CHECKOUT_SCRIPT_H_

#include "model/product.h"
#include "ostrel/types.h"

namespace mervane {

// The default script text, the same on every call ("\r\n" line ends).
OString GetDefaultCheckoutScript();

// Replaces every "_PRODUCTS_" in text by the PHP array of the catalogue.
OString ReplaceProducts(const ProductList& products, OString text);

}  // namespace mervane

#endif  // MERVANE_PUBLISH_CHECKOUT_SCRIPT_H_
