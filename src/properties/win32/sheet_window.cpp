#include "properties/win32/sheet_window.h"

#include <commctrl.h>

#include "properties/win32/sheet_guard.h"
#include "properties/win32/shell_open.h"

namespace mervane {

namespace {

constexpr UINT_PTR kSubclassId = 1;

// F1 on a control reaches its window as WM_HELP, which each window passes
// on to its parent or owner: from any page, from the sheet's own buttons
// and from the dialogs the pages open, it ends here.
LRESULT HandleSheetMessage(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam,
                           DWORD_PTR) {
  if (message != WM_HELP) return DefSubclassProc(sheet, message, wParam, lParam);
  OpenHelpDocument();
  return TRUE;
}

}  // namespace

void PrepareSheetWindow(HWND sheet) {
  SubclassInSheet<HandleSheetMessage>(sheet, kSubclassId, 0);
  // Posted: while the sheet is being built the system still sets the focus
  // cues from the last input, which hides them after a mouse click.
  PostMessageW(sheet, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
}

}  // namespace mervane
