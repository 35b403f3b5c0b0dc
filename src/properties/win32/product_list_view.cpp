#include "properties/win32/product_list_view.h"

#include <array>

namespace mervane {

namespace {

struct Column {
  const wchar_t* header;
  OString CProduct::*field;
};

constexpr std::array<Column, 3> kColumns = {{
    {L"Name", &CProduct::name},
    {L"Description", &CProduct::description},
    {L"SKU", &CProduct::productId},
}};

std::vector<OString> ShownTexts(const CProduct& product) {
  std::vector<OString> texts;
  for (const Column& c : kColumns) texts.push_back(ShownInList(product.*c.field));
  return texts;
}

}  // namespace

// Measuring every row takes one device context for all of them, far sooner
// than the list's own fit, which asks each row for its text and takes a
// device context per text.
void ProductListView::Fill(const ProductList& products) {
  InsertColumns();
  ListView_SetExtendedListViewStyleEx(list_, LVS_EX_FULLROWSELECT,
                                      LVS_EX_FULLROWSELECT);
  columns_.emplace(list_);
  {
    RedrawPause pause(list_);
    ListView_SetItemCount(list_, static_cast<int>(products.Size()));
    for (const CProduct& product : products) {
      InsertRow(Count(), product);
      columns_->Add(ShownTexts(product));
    }
  }
  columns_->Apply();
  ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
  cues_.emplace(list_, *columns_, [this](size_t row, int column) {
    return Product(row).*kColumns[static_cast<size_t>(column) % kColumns.size()].field;
  });
}

size_t ProductListView::Count() const {
  return static_cast<size_t>(ListView_GetItemCount(list_));
}

std::optional<size_t> ProductListView::FirstSelected() const {
  int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (row < 0) return std::nullopt;
  return static_cast<size_t>(row);
}

size_t ProductListView::SelectedCount() const {
  return static_cast<size_t>(ListView_GetSelectedCount(list_));
}

const CProduct& ProductListView::Product(size_t row) const {
  return *RowProduct(row);
}

// The new row takes the focus mark, not the selection, so that Space
// selects it at once.
void ProductListView::Insert(size_t row, const CProduct& product) {
  InsertRow(row, product);
  columns_->Add(ShownTexts(product));
  columns_->Apply();
  Focus(row);
}

void ProductListView::Focus(size_t row) {
  ListView_SetItemState(list_, static_cast<int>(row), LVIS_FOCUSED, LVIS_FOCUSED);
  ListView_EnsureVisible(list_, static_cast<int>(row), FALSE);
}

void ProductListView::InsertRow(size_t row, const CProduct& product) {
  LVITEMW item = {};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = static_cast<int>(row);
  item.pszText = LPSTR_TEXTCALLBACKW;  // the columns of later rows, too
  item.lParam = reinterpret_cast<LPARAM>(new CProduct(product));
  if (ListView_InsertItem(list_, &item) < 0) {
    delete reinterpret_cast<CProduct*>(item.lParam);
  }
}

void ProductListView::Erase(size_t row) {
  columns_->Remove(ShownTexts(Product(row)));
  ListView_DeleteItem(list_, static_cast<int>(row));
  columns_->Apply();
}

void ProductListView::EraseAll() {
  ListView_DeleteAllItems(list_);
  columns_->Clear();
  columns_->Apply();
}

void ProductListView::Replace(size_t row, const CProduct& product) {
  columns_->Remove(ShownTexts(Product(row)));
  *RowProduct(row) = product;
  ListView_Update(list_, static_cast<int>(row));
  columns_->Add(ShownTexts(product));
  columns_->Apply();
  Focus(row);
}

void ProductListView::SelectAndFocus(size_t row) {
  const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, static_cast<int>(row), state, state);
  ListView_EnsureVisible(list_, static_cast<int>(row), FALSE);
}

void ProductListView::ShowText(NMLVDISPINFOW& info) {
  LVITEMW& item = info.item;
  auto column = static_cast<size_t>(item.iSubItem);
  if ((item.mask & LVIF_TEXT) == 0 || column >= kColumns.size() ||
      item.pszText == nullptr || item.cchTextMax <= 0) {
    return;
  }
  const auto* product = reinterpret_cast<const CProduct*>(item.lParam);
  if (product == nullptr) return;
  lstrcpynW(item.pszText, ShownInList(product->*kColumns[column].field).c_str(),
            item.cchTextMax);
}

void ProductListView::ForgetRow(const NMLISTVIEW& row) {
  delete reinterpret_cast<CProduct*>(row.lParam);
}

void ProductListView::InsertColumns() const {
  for (size_t i = 0; i < kColumns.size(); ++i) {
    LVCOLUMNW column = {};
    column.mask = LVCF_FMT | LVCF_TEXT;
    column.fmt = LVCFMT_LEFT;
    column.pszText = const_cast<wchar_t*>(kColumns[i].header);
    ListView_InsertColumn(list_, static_cast<int>(i), &column);
  }
}

CProduct* ProductListView::RowProduct(size_t row) const {
  LVITEMW item = {};
  item.mask = LVIF_PARAM;
  item.iItem = static_cast<int>(row);
  ListView_GetItem(list_, &item);
  return reinterpret_cast<CProduct*>(item.lParam);
}

RedrawPause::RedrawPause(HWND window) : window_(window) {
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

RedrawPause::~RedrawPause() {
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace mervane
