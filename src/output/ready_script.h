// The script the page runs once loaded: starts the cart and, for a payment
// gateway, defines the checkout hand-off.
#ifndef MERVANE_OUTPUT_READY_SCRIPT_H_
#define MERVANE_OUTPUT_READY_SCRIPT_H_

#include "model/cart_settings.h"
#include "ostrel/types.h"

namespace mervane {

OString BuildDocumentReadyScript(const CartSettings& settings);

}  // namespace mervane

#endif  // MERVANE_OUTPUT_READY_SCRIPT_H_
