// The page-head lines and the shared resources a page with a cart needs.
#ifndef MERVANE_OUTPUT_HEAD_LINES_H_
#define MERVANE_OUTPUT_HEAD_LINES_H_

#include "model/cart_settings.h"
#include "ostrel/types.h"

namespace mervane {

// The stylesheet link and the cart script include.
OString BuildHeaderHtml(const CartSettings& settings);

// Appends the shared jQuery library's name unless the list holds it already.
void IncludeSharedResources(OStringList& resources);

}  // namespace mervane

#endif  // MERVANE_OUTPUT_HEAD_LINES_H_
