// What a report list shows beyond its rows: a focus rectangle while it has
// the focus and no row to carry the mark, and, under the pointer, a tip with
// the whole text of a cell that its column cuts short.
#ifndef MERVANE_PROPERTIES_WIN32_LIST_CUES_H_
#define MERVANE_PROPERTIES_WIN32_LIST_CUES_H_

#include <windows.h>

#include <functional>

#include "ostrel/types.h"
#include "properties/win32/list_columns.h"

namespace mervane {

class ListCues {
 public:
  // A cell's whole stored text.
  using CellText = std::function<OString(size_t row, int column)>;

  ListCues(HWND list, const ListColumns& columns, CellText text);
  ~ListCues();
  ListCues(const ListCues&) = delete;
  ListCues& operator=(const ListCues&) = delete;

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void DrawEmptyFocus() const;
  void TrackCell(LPARAM point);
  void Detach();

  HWND list_;
  const ListColumns& columns_;
  CellText text_;
  HWND tip_ = nullptr;
  int row_ = -1;
  int column_ = -1;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_LIST_CUES_H_
