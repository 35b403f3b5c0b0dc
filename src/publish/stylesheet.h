// The cart's stylesheet, generated from its styles, padding and size.
#ifndef MERVANE_PUBLISH_STYLESHEET_H_
#define MERVANE_PUBLISH_STYLESHEET_H_

#include <cstdint>

#include "model/cart_settings.h"
#include "ostrel/types.h"

namespace mervane {

// The whole stylesheet: 56 rules, "\r\n" line ends.
OString BuildStylesheet(const CartSettings& settings);

// The height in pixels that the stylesheet gives the whole cart: the menu
// bar, the tabs (as high as the widget's bounds) and the bottom bar.
int32_t CartHeight(const CartSettings& settings);

// "#RRGGBB" from a 0x00BBGGRR colour; the top byte is ignored.
OString ColorToString(OColor color);
// The pixel size for a size in points (without "px").
OString FontSizeToString(int32_t points);
// Signed decimal, no padding (without "px").
OString IntToString(int32_t value);

}  // namespace mervane

#endif  // MERVANE_PUBLISH_STYLESHEET_H_
