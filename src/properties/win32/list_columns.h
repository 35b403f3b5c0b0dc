// The columns of a report list, fitted to what they show: every column as
// wide as its heading and its widest text (and at least 10 pixels) while the
// view has room for them all; when it has not, the columns that need the
// most share what the others leave, so that every heading stays in view.
// The last one fills what is left of the list's width. They shrink as well
// as grow as rows come and go. Texts and headings are measured here, in the
// list's own fonts; the list's own "fit the heading" measure falls a few
// pixels short on some systems, which cuts the heading.
#ifndef MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_
#define MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_

#include <windows.h>

#include <map>
#include <span>
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

  // A row's stored texts, one per column, are counted in (as the list shows
  // them) when it comes and out when it goes; Apply then sets the widths.
  using RowTexts = std::span<const OString* const>;
  void Add(RowTexts rowTexts);
  void Remove(RowTexts rowTexts);
  void Apply() const;
  // Forgets every row's texts.
  void Clear();

  // Whether a stored text, as the list shows it, is cut short in its column.
  bool IsCut(int column, const OString& text) const;

 private:
  int TextWidth(const OString& text) const;
  int ExtentOf(const OString& text) const;
  int Needed(size_t column) const;
  void LearnPadding(size_t columns);

  HWND list_;
  HDC measure_;
  HGDIOBJ oldFont_;
  std::vector<int> padding_;   // what the list adds to a text in each column
  std::vector<int> headings_;  // each column's heading, with the list's margins
  std::vector<std::map<int, size_t>> widths_;  // each column: text width -> rows
  mutable std::vector<int> charWidths_ = std::vector<int>(0x10000, -1);  // -1: not asked yet
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_LIST_COLUMNS_H_
