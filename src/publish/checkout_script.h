// The PHP checkout script of the built-in checkout.
#ifndef MERVANE_PUBLISH_CHECKOUT_SCRIPT_H_
#define MERVANE_PUBLISH_CHECKOUT_SCRIPT_H_

#include <vector>

#include "model/cart_settings.h"
#include "model/product.h"
#include "ostrel/types.h"
#include "output/quoting.h"

namespace mervane {

// The product table's key (a product id) stands in a double-quoted PHP
// string, its values in single-quoted ones; the generator escapes every
// character that would end them or be read as an escape or a variable.
inline constexpr Quoting kCheckoutTableKey{OSTR("\\\"$"), OSTR("\\\"$"), false,
                                           "the checkout script's product table"};
inline constexpr Quoting kCheckoutTableValue{OSTR("\\'"), OSTR("\\'"), false,
                                             "the checkout script's product table"};

// The default script text, the same on every call ("\r\n" line ends).
OString GetDefaultCheckoutScript();

// The catalogues that one checkout script prices, first cart first.
using Catalogues = std::vector<const ProductList*>;

// Replaces every "_PRODUCTS_" in text by the PHP array of the catalogues:
// every product of the first, then those of each later one whose id no
// earlier catalogue holds. Within one catalogue every entry is written, and
// of two with one id PHP keeps the later.
OString ReplaceProducts(const Catalogues& catalogues, OString text);
OString ReplaceProducts(const ProductList& products, OString text);

// The catalogues of the carts, in their order, that publish the same
// checkout script as `cart`: the built-in checkout under its file name. A
// site's carts publish into one folder, so any basket of the site is priced.
Catalogues SharedCatalogues(const CartSettings& cart,
                            const std::vector<const CartSettings*>& carts);

// The checkout script text as the options page shows it (the default for an
// empty stored text) and as it is stored back (empty when equal to the
// default, so an uncustomised cart always publishes the current default).
OString ShownCheckoutScript(const OString& stored);
OString StoredCheckoutScript(const OString& shown);

}  // namespace mervane

#endif  // MERVANE_PUBLISH_CHECKOUT_SCRIPT_H_
