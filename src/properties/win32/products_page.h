// The "Products" page: the catalogue as a list with buttons that add, edit,
// clone, remove and reorder its products.
#ifndef MERVANE_PROPERTIES_WIN32_PRODUCTS_PAGE_H_
#define MERVANE_PROPERTIES_WIN32_PRODUCTS_PAGE_H_

#include <optional>

#include "model/product.h"
#include "properties/win32/dialog.h"
#include "properties/win32/product_list_view.h"

namespace mervane {

class CMervanePage1 : public PropertyPage {
 public:
  // The page edits its rows and writes them back into products on apply.
  explicit CMervanePage1(ProductList& products) : products_(products) {}

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  bool OnApply() override;

 private:
  bool OnListNotify(const NMHDR& header, LRESULT& result);

  ProductList& products_;
  std::optional<ProductListView> rows_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_PRODUCTS_PAGE_H_
