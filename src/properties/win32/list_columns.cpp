#include "properties/win32/list_columns.h"

#include <commctrl.h>

#include "properties/product_rows.h"

namespace mervane {

namespace {

int AutoWidth(HWND list, int column, int rule) {
  SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column), rule);
  return static_cast<int>(
      SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0));
}

}  // namespace

void FitListColumns(HWND list, int columns) {
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  for (int column = 0; column < columns; ++column) {
    const int entries = AutoWidth(list, column, LVSCW_AUTOSIZE);
    const int withHeading = AutoWidth(list, column, LVSCW_AUTOSIZE_USEHEADER);
    SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                 ColumnWidth(entries, withHeading));
  }
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace mervane
