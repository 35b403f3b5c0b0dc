// Writes everything the published cart needs into the site folder.
#ifndef MERVANE_PUBLISH_PUBLISH_DRIVER_H_
#define MERVANE_PUBLISH_PUBLISH_DRIVER_H_

#include <cstdint>

#include "model/cart_settings.h"
#include "ostrel/types.h"
#include "publish/checkout_script.h"

namespace mervane {

// Pictures, cart script, stylesheet and (for the built-in checkout) the
// checkout script. Returns 0 only when the checkout script cannot be
// written; every other failure skips its file. The checkout script's table
// holds the products of `checkoutCatalogues`, or only the cart's own.
int32_t CopyFiles(const CartSettings& settings, const OString& publishFolder,
                  const Catalogues& checkoutCatalogues);
int32_t CopyFiles(const CartSettings& settings, const OString& publishFolder);

}  // namespace mervane

#endif  // MERVANE_PUBLISH_PUBLISH_DRIVER_H_
