// Our own window procedures on the properties sheet and on the controls we
// add to it. No exception may unwind through the system's message loop: a
// handler that throws cancels the sheet, as a failing page does, so that
// nothing half-done is kept.
#ifndef MERVANE_PROPERTIES_WIN32_SHEET_GUARD_H_
#define MERVANE_PROPERTIES_WIN32_SHEET_GUARD_H_

#include <windows.h>
#include <commctrl.h>

namespace mervane {

template <typename Handler>
LRESULT GuardedInSheet(HWND sheet, Handler&& handler) noexcept {
  try {
    return handler();
  } catch (...) {
    PostMessageW(sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
    return 0;
  }
}

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_SHEET_GUARD_H_
