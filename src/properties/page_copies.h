// What each page of the properties editor edits while the sheet is open:
// plain copies of the cart's fields, filled before the sheet opens and
// copied back only when it closes with OK.
#ifndef MERVANE_PROPERTIES_PAGE_COPIES_H_
#define MERVANE_PROPERTIES_PAGE_COPIES_H_

#include "model/cart_settings.h"
#include "ostrel/types.h"

namespace mervane {

// The Style page edits the cart's look record.
using StylePageCopies = CartLook;

// The Options page edits the cart's options record; its checkout script is
// the full default text when the cart's is empty.
using OptionsPageCopies = CartOptions;

struct PageCopies {
  ProductList products;
  StylePageCopies style;
  OptionsPageCopies options;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_PAGE_COPIES_H_
