#include "properties/win32/list_columns.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>

#include "framework/text.h"
#include "properties/product_rows.h"
#include "properties/win32/dialog.h"

namespace mervane {

namespace {

// The list asks for at most this many characters of a text when it draws.
constexpr size_t kShownCharacters = 259;
constexpr wchar_t kProbe[] = L"M";

// The heading as the header draws it: its text between the header's margins.
int HeadingWidth(HWND header, int column) {
  wchar_t text[64] = {};
  HDITEMW item = {};
  item.mask = HDI_TEXT;
  item.pszText = text;
  item.cchTextMax = 64;
  SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column),
               reinterpret_cast<LPARAM>(&item));
  HDC dc = GetDC(header);
  HGDIOBJ oldFont = SelectObject(dc, FontOf(header));
  SIZE size = {};
  GetTextExtentPoint32W(dc, text, lstrlenW(text), &size);
  SelectObject(dc, oldFont);
  ReleaseDC(header, dc);
  const int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
  return static_cast<int>(size.cx) + 2 * margin;
}

}  // namespace

OString ShownInList(const OString& text) {
  return OneLine(text.substr(0, kShownCharacters));
}

ListColumns::ListColumns(HWND list)
    : list_(list),
      measure_(CreateCompatibleDC(nullptr)),
      oldFont_(SelectObject(measure_, FontOf(list))) {
  HWND header = ListView_GetHeader(list_);
  const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  LearnPadding(static_cast<size_t>(columns));
  for (int column = 0; column < columns; ++column) {
    headings_.push_back(ColumnWidth(0, HeadingWidth(header, column)));
  }
  widths_.resize(headings_.size());
  Apply();
}

ListColumns::~ListColumns() {
  SelectObject(measure_, oldFont_);
  DeleteDC(measure_);
}

void ListColumns::Add(RowTexts rowTexts) {
  for (size_t column = 0; column < rowTexts.size() && column < widths_.size(); ++column) {
    ++widths_[column][TextWidth(*rowTexts[column]) + padding_[column]];
  }
}

void ListColumns::Remove(RowTexts rowTexts) {
  for (size_t column = 0; column < rowTexts.size() && column < widths_.size(); ++column) {
    auto& counts = widths_[column];
    auto found = counts.find(TextWidth(*rowTexts[column]) + padding_[column]);
    if (found != counts.end() && --found->second == 0) counts.erase(found);
  }
}

void ListColumns::Clear() {
  for (auto& counts : widths_) counts.clear();
}

int ListColumns::Needed(size_t column) const {
  const auto& counts = widths_[column];
  return counts.empty() ? headings_[column] : std::max(headings_[column], counts.rbegin()->first);
}

// When the view is too narrow for every column's need, the room is shared
// out from the narrowest need up: a column that needs less than an equal
// share of what is left gets all it needs, the others an equal share (never
// less than their heading). The last column then fills what is left.
void ListColumns::Apply() const {
  if (headings_.empty()) return;
  RECT client = {};
  GetClientRect(list_, &client);
  std::vector<size_t> byNeed(headings_.size());
  std::iota(byNeed.begin(), byNeed.end(), size_t{0});
  std::stable_sort(byNeed.begin(), byNeed.end(),
                   [&](size_t a, size_t b) { return Needed(a) < Needed(b); });
  std::vector<int> widths(headings_.size());
  int room = static_cast<int>(client.right);
  int left = static_cast<int>(byNeed.size());
  for (size_t column : byNeed) {
    widths[column] = std::max(headings_[column], std::min(Needed(column), room / left--));
    room -= widths[column];
  }
  widths.back() += std::max(0, room);
  for (size_t column = 0; column < widths.size(); ++column) {
    const int c = static_cast<int>(column);
    if (ListView_GetColumnWidth(list_, c) != widths[column]) {
      ListView_SetColumnWidth(list_, c, widths[column]);
    }
  }
}

bool ListColumns::IsCut(int column, const OString& text) const {
  if (column < 0 || static_cast<size_t>(column) >= padding_.size()) return false;
  return TextWidth(text) + padding_[static_cast<size_t>(column)] >
         ListView_GetColumnWidth(list_, column);
}

// A stored text's width as the list shows it: the sum of the characters'
// advance widths, which is what the list's own measure gives without
// kerning. Each character is asked of the font once and no line is built,
// so a large list is measured without a call or a copy per text. A text
// with characters beyond the basic plane is measured whole.
int ListColumns::TextWidth(const OString& text) const {
  int width = 0;
  bool beyondPlane = false;
  ForEachOneLineChar(text, kShownCharacters, [&](OChar c) {
    if (c >= 0xD800 && c <= 0xDFFF) beyondPlane = true;
    int& known = charWidths_[static_cast<size_t>(c) & 0xFFFF];
    if (known < 0 && !GetCharWidth32W(measure_, c, c, &known)) known = 0;
    width += known;
  });
  return beyondPlane ? ExtentOf(ShownInList(text)) : width;
}

int ListColumns::ExtentOf(const OString& text) const {
  SIZE size = {};
  GetTextExtentPoint32W(measure_, text.c_str(), static_cast<int>(text.size()), &size);
  return static_cast<int>(size.cx);
}

// The list's own fit of a one-row list, less the text's width; measured on
// a hidden list of the same kind, font and columns, since a virtual list
// holds no row of its own to measure.
void ListColumns::LearnPadding(size_t columns) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(list_, GWL_STYLE));
  HWND probe = CreateWindowExW(0, WC_LISTVIEWW, L"",
                               (style & ~(WS_VISIBLE | LVS_OWNERDATA)) | WS_CHILD, 0, 0, 200, 100,
                               GetParent(list_), nullptr, nullptr, nullptr);
  SendMessageW(probe, WM_SETFONT, reinterpret_cast<WPARAM>(FontOf(list_)), FALSE);
  ListView_SetExtendedListViewStyle(probe, ListView_GetExtendedListViewStyle(list_));
  for (size_t column = 0; column < columns; ++column) {
    LVCOLUMNW described = {};
    described.mask = LVCF_TEXT;
    described.pszText = const_cast<wchar_t*>(kProbe);
    ListView_InsertColumn(probe, static_cast<int>(column), &described);
  }
  LVITEMW row = {};
  row.mask = LVIF_TEXT;
  row.pszText = const_cast<wchar_t*>(kProbe);
  ListView_InsertItem(probe, &row);
  for (size_t column = 0; column < columns; ++column) {
    const int c = static_cast<int>(column);
    ListView_SetItemText(probe, 0, c, const_cast<wchar_t*>(kProbe));
    ListView_SetColumnWidth(probe, c, LVSCW_AUTOSIZE);
    padding_.push_back(ListView_GetColumnWidth(probe, c) - TextWidth(kProbe));
  }
  DestroyWindow(probe);
}

}  // namespace mervane
