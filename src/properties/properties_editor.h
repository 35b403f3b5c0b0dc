// The properties editor as the extension object uses it.
#ifndef MERVANE_PROPERTIES_PROPERTIES_EDITOR_H_
#define MERVANE_PROPERTIES_PROPERTIES_EDITOR_H_

#include "model/cart_settings.h"
#include "ostrel/types.h"

namespace mervane {

// Shows the modal properties sheet on `settings` with `parent` as owner (a
// null or destroyed window is allowed). True on OK, after the pages' copies
// are back in `settings`; false on Cancel or the close box, with `settings`
// untouched. The sheet exists in the Windows module only: elsewhere this
// returns false at once.
bool EditProperties(CartSettings& settings, OHwnd parent);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_PROPERTIES_EDITOR_H_
