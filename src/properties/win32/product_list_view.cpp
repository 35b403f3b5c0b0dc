#include "properties/win32/product_list_view.h"

#include <algorithm>
#include <array>
#include <vector>

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

constexpr int kLastColumn = static_cast<int>(kColumns.size()) - 1;

// The list asks for at most this many characters of a text when it draws.
constexpr int kShownCharacters = 259;

int WidthAfter(HWND list, int column, int rule) {
  ListView_SetColumnWidth(list, column, rule);
  return ListView_GetColumnWidth(list, column);
}

std::vector<OString CProduct::*> ColumnFields() {
  std::vector<OString CProduct::*> fields;
  for (const Column& c : kColumns) fields.push_back(c.field);
  return fields;
}

// The rows whose column texts are widest in the list's font.
ProductList WidestProducts(HWND list, const ProductList& products) {
  HDC dc = GetDC(list);
  auto font = reinterpret_cast<HFONT>(SendMessageW(list, WM_GETFONT, 0, 0));
  HGDIOBJ oldFont = SelectObject(dc, font);
  ProductList widest = WidestProducts(products, ColumnFields(), [dc](const OString& text) {
    SIZE size = {};
    GetTextExtentPoint32W(dc, text.c_str(),
                          std::min(static_cast<int>(text.size()), kShownCharacters),
                          &size);
    return static_cast<int>(size.cx);
  });
  SelectObject(dc, oldFont);
  ReleaseDC(list, dc);
  return widest;
}

}  // namespace

// The list sizes a column to its contents by asking every row for its text,
// with a device context per text; the widest rows alone give the same
// widths far sooner. Only the last column's header fit, which fills what is
// left of the list's width, waits for all rows and their scroll bar.
void ProductListView::Fill(const ProductList& products) {
  InsertColumns();
  ListView_SetExtendedListViewStyleEx(list_, LVS_EX_FULLROWSELECT,
                                      LVS_EX_FULLROWSELECT);
  RedrawPause pause(list_);
  FillRows(*this, WidestProducts(list_, products));
  int lastContents = SizeColumns();
  EraseAll();
  ListView_SetItemCount(list_, static_cast<int>(products.Size()));
  FillRows(*this, products);
  SizeColumn(kLastColumn, lastContents);
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

void ProductListView::Insert(size_t row, const CProduct& product) {
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
  ListView_DeleteItem(list_, static_cast<int>(row));
}

void ProductListView::EraseAll() { ListView_DeleteAllItems(list_); }

void ProductListView::Replace(size_t row, const CProduct& product) {
  *RowProduct(row) = product;
  ListView_Update(list_, static_cast<int>(row));
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
  lstrcpynW(item.pszText, (product->*kColumns[column].field).c_str(),
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

int ProductListView::SizeColumns() const {
  int contents = 0;
  for (int i = 0; i <= kLastColumn; ++i) {
    contents = WidthAfter(list_, i, LVSCW_AUTOSIZE);
    SizeColumn(i, contents);
  }
  return contents;
}

void ProductListView::SizeColumn(int column, int contents) const {
  int withHeader = WidthAfter(list_, column, LVSCW_AUTOSIZE_USEHEADER);
  ListView_SetColumnWidth(list_, column, ColumnWidth(contents, withHeader));
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
