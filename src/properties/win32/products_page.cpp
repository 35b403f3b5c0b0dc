#include "properties/win32/products_page.h"

#include "grid/win32/named_accessible.h"
#include "properties/win32/product_dialog.h"
#include "resources/resource_ids.h"

namespace mervane {

namespace {

bool ShowProductDialog(ProductForm& form) {
  return CProductDialog(form).Show();
}

}  // namespace

bool CMervanePage1::OnInitDialog() {
  rows_.emplace(Item(IDC_PRODUCT_LIST));
  NameAfterItsWindow(Item(IDC_PRODUCT_LIST));
  rows_->Fill(std::move(products_));  // OnApply writes it back
  return true;
}

bool CMervanePage1::OnCommand(int id, int code) {
  if (code != BN_CLICKED || !rows_) return false;
  switch (id) {
    case IDC_PRODUCT_ADD:
      AddProduct(*rows_, ShowProductDialog);
      return true;
    case IDC_PRODUCT_EDIT:
      EditFirstSelected(*rows_, ShowProductDialog);
      return true;
    case IDC_PRODUCT_CLONE:
      CloneFirstSelected(*rows_, ShowProductDialog);
      return true;
    case IDC_PRODUCT_REMOVE: {
      RedrawPause pause(Item(IDC_PRODUCT_LIST));
      RemoveSelected(*rows_);
      return true;
    }
    case IDC_PRODUCT_MOVE_UP:
    case IDC_PRODUCT_MOVE_DOWN:
      MoveFirstSelected(*rows_, id == IDC_PRODUCT_MOVE_UP ? -1 : +1);
      return true;
    default:
      return false;
  }
}

bool CMervanePage1::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.idFrom == IDC_PRODUCT_LIST && OnListNotify(header, result)) return true;
  return PropertyPage::OnNotify(header, result);
}

bool CMervanePage1::OnListNotify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      if (rows_) {
        rows_->ShowText(*const_cast<NMLVDISPINFOW*>(
            reinterpret_cast<const NMLVDISPINFOW*>(&header)));
      }
      return true;
    case LVN_ODFINDITEMW:
      result = rows_ ? rows_->FindByName(reinterpret_cast<const NMLVFINDITEMW&>(header)) : -1;
      return true;
    case NM_DBLCLK:
      if (rows_) EditFirstSelected(*rows_, ShowProductDialog);
      return true;
    default:
      return false;
  }
}

bool CMervanePage1::OnApply() {
  if (rows_) ApplyRows(*rows_, products_);
  return true;
}

}  // namespace mervane
