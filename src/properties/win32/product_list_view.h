// The Products page's list view as rows of products. Every row owns a
// product of its own, held as the row's item data; the list asks for the
// column texts when it draws, so that texts live only in the products.
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
  void Fill(const ProductList& products);

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
  static void ShowText(NMLVDISPINFOW& info);
  // LVN_DELETEITEM: the row's product goes with the row.
  static void ForgetRow(const NMLISTVIEW& row);

 private:
  void InsertColumns() const;
  void InsertRow(size_t row, const CProduct& product);
  void Focus(size_t row);
  CProduct* RowProduct(size_t row) const;

  HWND list_;
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
