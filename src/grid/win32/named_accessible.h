// Names for standard controls that the system's accessible proxy leaves
// unnamed (an edit box without a label, a list that stands alone), and the
// link role with its default action for a control drawn as a link. The
// control answers WM_GETOBJECT with the system's own object for it, save for
// what is given here. Each control is described once.
#ifndef MERVANE_GRID_WIN32_NAMED_ACCESSIBLE_H_
#define MERVANE_GRID_WIN32_NAMED_ACCESSIBLE_H_

#include <windows.h>

#include <functional>

#include "ostrel/types.h"

namespace mervane {

// The control is called `name` for as long as it lives.
void NameForListeners(HWND control, const OString& name);

// The same, the name being the caption of the page or dialog that holds the
// control (for a list or box that fills it and has no label of its own).
void NameAfterItsWindow(HWND control);

// The control reads as a link called `name` whose default action, "Jump",
// runs `follow` on the control's thread once the caller has returned.
void MarkAsLink(HWND control, const OString& name, std::function<void()> follow);

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_NAMED_ACCESSIBLE_H_
