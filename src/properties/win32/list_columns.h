// The columns of a report list, kept wide enough for what they show: every
// column at least as wide as its heading and as the texts of its rows (and
// at least 10 pixels), the last one also filling what is left of the
// list's width. Texts and headings are measured here, in the list's own
// fonts; the list's own "fit the heading" measure falls a few pixels short
// on some systems, which cuts the heading.
#ifndef MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_
#define MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_

#include <windows.h>

#include <vector>

#include "ostrel/types.h"

namespace mervane {

// A stored text as a list row shows it: one line, and no more characters
// than the list asks for when it draws.
OString ShownInList(const OString& text);

class ListColumns {
 public:
  // Call on the list once its columns are in and before its rows: learns
  // what the list adds to a text's width in each column and sizes every
  // column to its heading.
  explicit ListColumns(HWND list);
  ~ListColumns();
  ListColumns(const ListColumns&) = delete;
  ListColumns& operator=(const ListColumns&) = delete;

  // Widens the columns that are narrower than a row's texts (as shown), then
  // lets the last column fill the rest of the list's width. Columns never
  // narrow: a row that is edited or removed leaves them as they are.
  void Fit(const std::vector<OString>& rowTexts);

  // Fit in two steps, for many rows at once: Widen for each row while the
  // list is not drawn, then Apply once it has its scroll bars again.
  void Widen(const std::vector<OString>& rowTexts);
  void Apply() const;

 private:
  int TextWidth(const OString& text) const;
  void LearnPadding(size_t columns);

  HWND list_;
  HDC measure_;
  HGDIOBJ oldFont_;
  std::vector<int> padding_;  // what the list adds to a text in each column
  std::vector<int> needed_;   // the widest text or the heading, each column
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_
