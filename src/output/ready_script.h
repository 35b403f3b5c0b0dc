// The script the page runs once loaded: starts the cart and, for a payment
// gateway, defines the checkout hand-off.
#ifndef MERVANE_OUTPUT_READY_SCRIPT_H_
#define MERVANE_OUTPUT_READY_SCRIPT_H_

#include "model/cart_settings.h"
#include "ostrel/types.h"
#include "output/quoting.h"

namespace mervane {

// A single-quoted script string that builds a double-quoted attribute.
inline constexpr OStringView kSingleQuotedForm = OSTR("'\"\\\r\n");

// A product's id, name and price in cartProducts, as typed between double
// quotes.
inline constexpr Quoting kReadyProductTable{kDoubleQuotedScript, OSTR(""), true,
                                            "a double-quoted string of the document-ready script"};
// The form target of "Other", as typed in cartCheckout's single-quoted form.
inline constexpr Quoting kReadyFormTarget{kSingleQuotedForm, OSTR(""), true,
                                          "a single-quoted string of the document-ready script"};
// A hidden field's name and value there, with their line breaks escaped.
inline constexpr Quoting kReadyGatewayField{kSingleQuotedForm, kLineBreaks, true,
                                            "a single-quoted string of the document-ready script"};

OString BuildDocumentReadyScript(const CartSettings& settings);

}  // namespace mervane

#endif  // MERVANE_OUTPUT_READY_SCRIPT_H_
