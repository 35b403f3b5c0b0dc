// Sizing a report list's columns once its rows are in.
#ifndef MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_
#define MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_

#include <windows.h>

namespace mervane {

// Gives each of the first columns the wider of the widths that fit its
// entries and its entries with heading (at least 10 pixels), drawing
// nothing until all are done.
void FitListColumns(HWND list, int columns);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_
