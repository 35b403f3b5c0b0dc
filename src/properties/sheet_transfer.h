// What the properties sheet copies from a cart into its pages before it
// opens, and back into the cart when it closes with OK.
#ifndef MERVANE_PROPERTIES_SHEET_TRANSFER_H_
#define MERVANE_PROPERTIES_SHEET_TRANSFER_H_

#include <functional>

#include "model/cart_settings.h"
#include "properties/page_copies.h"

namespace mervane {

// The pages' copies of `settings`; an empty checkout script is shown as the
// full default text, so the author always edits a whole script.
PageCopies CopyIn(const CartSettings& settings);

// Writes the pages' copies into `settings`; a script equal to the default is
// stored empty again.
void CopyBack(const PageCopies& copies, CartSettings& settings);

// Runs `showSheet` on copies of `settings`. When it reports OK, the copies
// replace the edited fields all at once: if copying back fails, `settings`
// is left as it was. Returns what `showSheet` returned.
bool EditCopies(CartSettings& settings,
                const std::function<bool(PageCopies&)>& showSheet);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_SHEET_TRANSFER_H_
