// What the editor adds to the sheet's own window once the system has built
// it: F1 anywhere in the sheet opens the guide, and the keyboard focus shows
// from the start, whatever input opened the sheet.
#ifndef MERVANE_PROPERTIES_WIN32_SHEET_WINDOW_H_
#define MERVANE_PROPERTIES_WIN32_SHEET_WINDOW_H_

#include <windows.h>

namespace mervane {

void PrepareSheetWindow(HWND sheet);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_SHEET_WINDOW_H_
