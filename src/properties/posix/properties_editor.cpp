#include "properties/properties_editor.h"

namespace mervane {

// Outside Windows there is no dialog to show: the host keeps the cart as it
// is, and carts are edited as data (see ostrel).
bool EditProperties(CartSettings&, OHwnd) { return false; }

}  // namespace mervane
