// The guard around every window procedure of the grid and its popups.
#ifndef MERVANE_GRID_WIN32_MESSAGE_GUARD_H_
#define MERVANE_GRID_WIN32_MESSAGE_GUARD_H_

#include <windows.h>

namespace mervane {

// Runs a message handler. No exception may unwind through the system's
// message loop: one that a handler throws cancels the dialog that `grid`
// sits in, so that nothing half-done is kept.
template <typename Handler>
LRESULT GuardMessage(HWND grid, Handler&& handler) {
  try {
    return handler();
  } catch (...) {
    PostMessageW(GetAncestor(grid, GA_ROOT), WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
}

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_MESSAGE_GUARD_H_
