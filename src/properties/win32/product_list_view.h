// The Products page's list view as rows of products. The list is virtual:
// the products live here (the page's copy, moved in), one per row, and the list asks for a row's texts
// only when it draws that row, so a row costs nothing until it is shown.
// The list keeps the rows' selection and focus marks.
#ifndef MERVANE_PROPERTIES_WIN32_PRODUCT_LIST_VIEW_H_
#define MERVANE_PROPERTIES_WIN32_PRODUCT_LIST_VIEW_H_

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <vector>

#include "properties/product_rows.h"
#include "properties/win32/list_columns.h"
#include "properties/win32/list_cues.h"

namespace mervane {

class ProductListView : public ProductRows {
 public:
  explicit ProductListView(HWND list) : list_(list) {}

  // The three columns, full-row selection, the rows, the widths and the
  // cues; the first row takes the list's focus mark, so that the focus shows.
  void Fill(ProductList&& products);

  size_t Count() const override;
  std::optional<size_t> FirstSelected() const override;
  size_t SelectedCount() const override;
  const CProduct& Product(size_t row) const override;
  // Every change of the rows fits the columns again; a new or changed row
  // takes the focus mark.
  void Insert(size_t row, const CProduct& product) override;
  void Erase(size_t row) override;
  void EraseAll() override;
  void Replace(size_t row, const CProduct& product) override;
  void SelectAndFocus(size_t row) override;

  // LVN_GETDISPINFOW: a row's column text from its product, on one line.
  void ShowText(NMLVDISPINFOW& info) const;
  // LVN_ODFINDITEMW: the row whose name starts with the typed text, from
  // the start row on and round to the top; -1 when none.
  int FindByName(const NMLVFINDITEMW& find) const;

 private:
  void InsertColumns() const;
  void Focus(size_t row);
  void ShiftMarksDown(size_t from);

  HWND list_;
  ProductList rows_;
  std::optional<ListColumns> columns_;
  std::optional<ListCues> cues_;
};

// Switches a window's redrawing off for a scope and repaints it after.
class RedrawPause {
 public:
  explicit RedrawPause(HWND window);
  ~RedrawPause();
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  HWND window_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_PRODUCT_LIST_VIEW_H_
