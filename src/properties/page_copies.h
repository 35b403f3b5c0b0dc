// What each page of the properties editor edits while the sheet is open:
// plain copies of the cart's fields, filled before the sheet opens and
// copied back only when it closes with OK.
#ifndef MERVANE_PROPERTIES_PAGE_COPIES_H_
#define MERVANE_PROPERTIES_PAGE_COPIES_H_

#include <array>
#include <cstdint>

#include "model/cart_settings.h"
#include "ostrel/types.h"

namespace mervane {

struct StylePageCopies {
  int32_t padding = 0;
  std::array<OString, kCartTexts.size()> texts;
  std::array<CFontStyle, kCartStyles.size()> styles;
  OString cssFileName;
  OString phpFileName;
};

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
