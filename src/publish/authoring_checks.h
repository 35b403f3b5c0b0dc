// Characters in a cart's texts that the page code and the published files
// carry exactly as typed, where they end a string literal or an attribute
// early, start an escape, or close the page's script element.
#ifndef MERVANE_PUBLISH_AUTHORING_CHECKS_H_
#define MERVANE_PUBLISH_AUTHORING_CHECKS_H_

#include <string>
#include <vector>

#include "model/cart_settings.h"

namespace mervane {

// One UTF-8 line per finding, naming the product or setting, the character
// and the text it lands in; empty when nothing would break. Only places
// that the cart's payment processor actually writes are checked.
std::vector<std::string> AuthoringWarnings(const CartSettings& settings);

}  // namespace mervane

#endif  // MERVANE_PUBLISH_AUTHORING_CHECKS_H_
