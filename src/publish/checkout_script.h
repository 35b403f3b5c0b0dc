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

// The checkout script text as the options page shows it (the default for an
// empty stored text) and as it is stored back (empty when equal to the
// default, so an uncustomised cart always publishes the current default).
OString ShownCheckoutScript(const OString& stored);
OString StoredCheckoutScript(const OString& shown);

}  // namespace mervane

#endif  // MERVANE_PUBLISH_CHECKOUT_SCRIPT_H_
