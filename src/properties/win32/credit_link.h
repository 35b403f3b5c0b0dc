// The one-line credit at the bottom left of the properties sheet, to the
// authors of the cart script: a link to the guide shipped beside the module,
// whose first page tells who they are. The mouse and the keyboard reach it.
#ifndef MERVANE_PROPERTIES_WIN32_CREDIT_LINK_H_
#define MERVANE_PROPERTIES_WIN32_CREDIT_LINK_H_

#include <windows.h>

namespace mervane {

// Adds the link (control IDC_CREDIT_LINK) to a sheet whose buttons are
// placed. The sheet window owns the link's underlined font until it is
// destroyed.
void AddCreditLink(HWND sheet);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_CREDIT_LINK_H_
