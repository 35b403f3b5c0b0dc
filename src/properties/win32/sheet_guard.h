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

// What one of our subclass procedures does with a message; `data` is what
// the window was subclassed with.
using SheetHandler = LRESULT (*)(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 DWORD_PTR data);

// The subclass procedure of `Handle`, on the sheet or on a control of it:
// it removes itself as the window goes and guards the handler.
template <SheetHandler Handle>
LRESULT CALLBACK GuardedSubclass(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR data) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(window, &GuardedSubclass<Handle>, id);
  return GuardedInSheet(GetAncestor(window, GA_ROOT),
                        [&] { return Handle(window, message, wParam, lParam, data); });
}

template <SheetHandler Handle>
void SubclassInSheet(HWND window, UINT_PTR id, DWORD_PTR data) {
  SetWindowSubclass(window, &GuardedSubclass<Handle>, id, data);
}

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_SHEET_GUARD_H_
