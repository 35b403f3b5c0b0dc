// The browser cart script with the cart's labels and messages filled in.
#ifndef MERVANE_PUBLISH_CART_SCRIPT_H_
#define MERVANE_PUBLISH_CART_SCRIPT_H_

#include "model/cart_settings.h"
#include "ostrel/types.h"
#include "output/quoting.h"

namespace mervane {

// Replaces each text's placeholder by the text, exactly as typed, one
// placeholder after the other in the order of kCartTexts.
OString FillCartScriptPlaceholders(const CartSettings& settings, OString script);

// A text stands as typed in the string literal that its row's quote
// delimits.
constexpr Quoting CartScriptQuoting(const CartText& text) {
  return {text.quote == '"' ? kDoubleQuotedScript : kSingleQuotedScript, OSTR(""), false,
          "its quoted string in the cart script"};
}

}  // namespace mervane

#endif  // MERVANE_PUBLISH_CART_SCRIPT_H_
