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

std::array<const OString*, kColumns.size()> Texts(const CProduct& product) {
  std::array<const OString*, kColumns.size()> texts;
  for (size_t c = 0; c < kColumns.size(); ++c) texts[c] = &(product.*kColumns[c].field);
  return texts;
}

}  // namespace

// Measuring every row takes one device context for all of them, far sooner
// than the list's own fit, which asks each row for its text and takes a
// device context per text.
void ProductListView::Fill(ProductList&& products) {
  InsertColumns();
  ListView_SetExtendedListViewStyleEx(list_, LVS_EX_FULLROWSELECT,
                                      LVS_EX_FULLROWSELECT);
  columns_.emplace(list_);
  rows_ = std::move(products);
  for (const CProduct& product : rows_) columns_->Add(Texts(product));
  ListView_SetItemCountEx(list_, static_cast<int>(rows_.Size()), LVSICF_NOSCROLL);
  columns_->Apply();
  ListView_SetItemState(list_, 0, LVIS_FOCUSED, LVIS_FOCUSED);
  cues_.emplace(list_, *columns_, [this](size_t row, int column) {
    return Product(row).*kColumns[static_cast<size_t>(column) % kColumns.size()].field;
  });
}

size_t ProductListView::Count() const { return rows_.Size(); }

std::optional<size_t> ProductListView::FirstSelected() const {
  int row = ListView_GetNextItem(list_, -1, LVNI_SELECTED);
  if (row < 0) return std::nullopt;
  return static_cast<size_t>(row);
}

size_t ProductListView::SelectedCount() const {
  return static_cast<size_t>(ListView_GetSelectedCount(list_));
}

const CProduct& ProductListView::Product(size_t row) const { return rows_[row]; }

// The new row takes the focus mark, not the selection, so that Space
// selects it at once. A row inserted before others moves their marks down
// with them: a virtual list keeps marks by row number.
void ProductListView::Insert(size_t row, const CProduct& product) {
  rows_.Insert(row, product);
  ListView_SetItemCountEx(list_, static_cast<int>(rows_.Size()), LVSICF_NOSCROLL);
  if (row + 1 < rows_.Size()) ShiftMarksDown(row);
  columns_->Add(Texts(product));
  columns_->Apply();
  Focus(row);
}

void ProductListView::ShiftMarksDown(size_t from) {
  std::vector<int> selected;
  for (int row = ListView_GetNextItem(list_, static_cast<int>(from) - 1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(list_, row, LVNI_SELECTED)) {
    selected.push_back(row);
  }
  for (auto at = selected.rbegin(); at != selected.rend(); ++at) {
    ListView_SetItemState(list_, *at, 0, LVIS_SELECTED);
    ListView_SetItemState(list_, *at + 1, LVIS_SELECTED, LVIS_SELECTED);
  }
}

void ProductListView::Focus(size_t row) {
  ListView_SetItemState(list_, static_cast<int>(row), LVIS_FOCUSED, LVIS_FOCUSED);
  ListView_EnsureVisible(list_, static_cast<int>(row), FALSE);
}

// The list moves the marks of the rows below up by one.
void ProductListView::Erase(size_t row) {
  columns_->Remove(Texts(Product(row)));
  rows_.Erase(row);
  ListView_DeleteItem(list_, static_cast<int>(row));
  columns_->Apply();
}

void ProductListView::EraseAll() {
  rows_.Resize(0);
  ListView_DeleteAllItems(list_);
  columns_->Clear();
  columns_->Apply();
}

void ProductListView::Replace(size_t row, const CProduct& product) {
  columns_->Remove(Texts(Product(row)));
  rows_[row] = product;
  ListView_Update(list_, static_cast<int>(row));
  columns_->Add(Texts(product));
  columns_->Apply();
  Focus(row);
}

void ProductListView::SelectAndFocus(size_t row) {
  const UINT state = LVIS_SELECTED | LVIS_FOCUSED;
  ListView_SetItemState(list_, static_cast<int>(row), state, state);
  ListView_EnsureVisible(list_, static_cast<int>(row), FALSE);
}

void ProductListView::ShowText(NMLVDISPINFOW& info) const {
  LVITEMW& item = info.item;
  auto column = static_cast<size_t>(item.iSubItem);
  if ((item.mask & LVIF_TEXT) == 0 || column >= kColumns.size() || item.pszText == nullptr ||
      item.cchTextMax <= 0 || item.iItem < 0 || static_cast<size_t>(item.iItem) >= rows_.Size()) {
    return;
  }
  const CProduct& product = rows_[static_cast<size_t>(item.iItem)];
  lstrcpynW(item.pszText, ShownInList(product.*kColumns[column].field).c_str(), item.cchTextMax);
}

int ProductListView::FindByName(const NMLVFINDITEMW& find) const {
  if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr ||
      rows_.Size() == 0) {
    return -1;
  }
  const int typed = lstrlenW(find.lvfi.psz);
  const size_t count = rows_.Size();
  const size_t start = find.iStart >= 0 ? static_cast<size_t>(find.iStart) % count : 0;
  for (size_t step = 0; step < count; ++step) {
    const size_t row = (start + step) % count;
    const OString& name = rows_[row].name;
    if (static_cast<int>(name.size()) >= typed &&
        CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name.c_str(), typed, find.lvfi.psz,
                       typed) == CSTR_EQUAL) {
      return static_cast<int>(row);
    }
  }
  return -1;
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

RedrawPause::RedrawPause(HWND window) : window_(window) {
  SendMessageW(window_, WM_SETREDRAW, FALSE, 0);
}

RedrawPause::~RedrawPause() {
  SendMessageW(window_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(window_, nullptr, TRUE);
}

}  // namespace mervane
