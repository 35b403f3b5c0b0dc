#include "grid/win32/property_grid.h"

#include <commctrl.h>

#include <algorithm>

#include "grid/win32/grid_popups.h"

namespace mervane {

namespace {

constexpr int kFoldColumn = 14;
constexpr int kDescriptionLines = 3;
constexpr size_t kDrawnTextLimit = 512;  // longer texts are cut for drawing only
constexpr int kWheelRows = 3;
constexpr UINT kResetCommand = 1;
constexpr int kEditorId = 100;
constexpr int kSelectorId = 101;
// Posted by the in-place editor: wParam 1 to keep the text, 0 to drop it;
// lParam the rows to move on by afterwards.
constexpr UINT kEditorDone = WM_APP + 0x52;

OString Shown(const OString& text) {
  return text.size() <= kDrawnTextLimit ? text : text.substr(0, kDrawnTextLimit);
}

void DrawTextIn(HDC dc, const OString& text, RECT area, UINT flags = 0) {
  OString shown = Shown(text);
  DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &area,
            DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX | flags);
}

// Integer text as typed: an optional minus and decimal digits.
bool ParseInteger(const OString& text, int32_t& value) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  int64_t number = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9' || number > INT32_MAX) return false;
    number = number * 10 + (text[i] - '0');
  }
  number = text[0] == '-' ? -number : number;
  if (number < INT32_MIN || number > INT32_MAX) return false;
  value = static_cast<int32_t>(number);
  return true;
}

RECT Deflated(RECT area, int dx, int dy) {
  InflateRect(&area, -dx, -dy);
  return area;
}

}  // namespace

void CExtPropertyGridCtrl::RegisterWindowClass(HINSTANCE module) {
  WNDCLASSW type = {};
  type.style = CS_DBLCLKS;
  type.lpfnWndProc = &WindowProcedure;
  type.hInstance = module;
  type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  type.lpszClassName = kWindowClass;
  RegisterClassW(&type);  // fails harmlessly when already registered
}

CExtPropertyGridCtrl::CExtPropertyGridCtrl() = default;

CExtPropertyGridCtrl::~CExtPropertyGridCtrl() {
  popup_.reset();
  if (window_ != nullptr) SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
}

void CExtPropertyGridCtrl::Attach(HWND window) {
  window_ = window;
  SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, (style & ~WS_VSCROLL) | WS_TABSTOP | WS_CLIPCHILDREN);
  SetWindowPos(window, nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  // A scroll bar control of its own, so that it runs beside the rows only and
  // the description pane below keeps the full width.
  scrollBar_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | WS_VISIBLE | SBS_VERT, 0, 0, 0,
                               0, window, nullptr, nullptr, nullptr);
  selector_ = CreateWindowExW(0, L"COMBOBOX", L"", WS_CHILD | WS_VSCROLL | CBS_DROPDOWNLIST,
                              0, 0, 0, 200, window, reinterpret_cast<HMENU>(kSelectorId),
                              nullptr, nullptr);
  SendMessageW(window, WM_SETFONT, SendMessageW(GetParent(window), WM_GETFONT, 0, 0), FALSE);
}

void CExtPropertyGridCtrl::AddStore(CExtPropertyStore* store) {
  stores_.push_back(store);
  SendMessageW(selector_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(store->Name().c_str()));
}

void CExtPropertyGridCtrl::SelectStore(CExtPropertyStore* store) {
  CommitEdit(0);
  auto found = std::find(stores_.begin(), stores_.end(), store);
  if (found == stores_.end()) return;
  SendMessageW(selector_, CB_SETCURSEL, static_cast<WPARAM>(found - stores_.begin()), 0);
  store_ = store;
  folded_.clear();
  selected_ = 0;
  topRow_ = 0;
  RebuildRows();
}

void CExtPropertyGridCtrl::ShowStoreSelector(bool show) {
  showSelector_ = show;
  ShowWindow(selector_, show ? SW_SHOW : SW_HIDE);
  Layout();
}

CExtPropertyItem* CExtPropertyGridCtrl::SelectedItem() const {
  return selected_ < rows_.size() ? rows_[selected_].item : nullptr;
}

CExtPropertyValue* CExtPropertyGridCtrl::SelectedValue() const {
  CExtPropertyItem* item = SelectedItem();
  return item != nullptr && !item->IsCategory() ? static_cast<CExtPropertyValue*>(item)
                                                : nullptr;
}

void CExtPropertyGridCtrl::SelectItem(const CExtPropertyItem* item) {
  for (const CExtPropertyItem* up = item != nullptr ? item->Parent() : nullptr; up != nullptr;
       up = up->Parent()) {
    folded_.erase(up);
  }
  RebuildRows();
  for (size_t row = 0; row < rows_.size(); ++row) {
    if (rows_[row].item == item) SetSelection(row);
  }
}

// ---- layout ---------------------------------------------------------------

void CExtPropertyGridCtrl::RebuildRows() {
  rows_.clear();
  auto add = [this](auto& self, CExtPropertyItem& item, int depth) -> void {
    rows_.push_back({&item, depth});
    if (folded_.count(&item) != 0) return;
    for (auto& child : item.Children()) self(self, *child, depth + 1);
  };
  if (store_ != nullptr) {
    for (auto& category : store_->Categories()) add(add, *category, 0);
  }
  if (selected_ >= rows_.size()) selected_ = rows_.empty() ? 0 : rows_.size() - 1;
  UpdateScrollBar();
  ScrollTo(topRow_);
  if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void CExtPropertyGridCtrl::Layout() {
  if (window_ == nullptr) return;
  RECT client;
  GetClientRect(window_, &client);
  SetWindowPos(selector_, nullptr, 0, 0, client.right, 200, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT list = ListRect();
  SetWindowPos(scrollBar_, nullptr, list.right, list.top, client.right - list.right,
               list.bottom - list.top, SWP_NOZORDER | SWP_NOACTIVATE);
  CommitEdit(0);
  UpdateScrollBar();
  ScrollTo(topRow_);
  InvalidateRect(window_, nullptr, FALSE);
}

RECT CExtPropertyGridCtrl::ListRect() const {
  RECT area;
  GetClientRect(window_, &area);
  if (showSelector_) {
    RECT box;
    GetWindowRect(selector_, &box);
    area.top += box.bottom - box.top + 2;
  }
  area.bottom = std::max<LONG>(area.top, DescriptionRect().top);
  area.right = std::max<LONG>(area.left, area.right - GetSystemMetrics(SM_CXVSCROLL));
  return area;
}

RECT CExtPropertyGridCtrl::DescriptionRect() const {
  RECT area;
  GetClientRect(window_, &area);
  area.top = std::max<LONG>(0, area.bottom - (kDescriptionLines + 1) * (rowHeight_ - 4) - 10);
  return area;
}

int CExtPropertyGridCtrl::VisibleRows() const {
  RECT list = ListRect();
  return std::max<int>(1, (list.bottom - list.top) / rowHeight_);
}

RECT CExtPropertyGridCtrl::RowRect(size_t row) const {
  RECT list = ListRect();
  int top = list.top + (static_cast<int>(row) - topRow_) * rowHeight_;
  return {list.left, top, list.right, top + rowHeight_};
}

RECT CExtPropertyGridCtrl::ValueRect(size_t row) const {
  RECT area = RowRect(row);
  area.left += (area.right - area.left) * 2 / 5 + 1;
  return area;
}

void CExtPropertyGridCtrl::UpdateScrollBar() {
  if (window_ == nullptr) return;
  SCROLLINFO info = {sizeof(info), SIF_ALL | SIF_DISABLENOSCROLL, 0,
                     std::max<int>(0, static_cast<int>(rows_.size()) - 1),
                     static_cast<UINT>(VisibleRows()), topRow_, 0};
  SetScrollInfo(scrollBar_, SB_CTL, &info, TRUE);
}

void CExtPropertyGridCtrl::ScrollTo(int topRow) {
  int last = std::max<int>(0, static_cast<int>(rows_.size()) - VisibleRows());
  topRow = std::clamp(topRow, 0, last);
  if (topRow == topRow_) return;
  CommitEdit(0);
  topRow_ = topRow;
  UpdateScrollBar();
  InvalidateRect(window_, nullptr, FALSE);
}

void CExtPropertyGridCtrl::EnsureVisible(size_t row) {
  int at = static_cast<int>(row);
  if (at < topRow_) ScrollTo(at);
  if (at >= topRow_ + VisibleRows()) ScrollTo(at - VisibleRows() + 1);
}

bool CExtPropertyGridCtrl::HitTest(POINT point, size_t& row, Zone& zone) const {
  RECT list = ListRect();
  if (!PtInRect(&list, point)) return false;
  row = static_cast<size_t>(topRow_ + (point.y - list.top) / rowHeight_);
  if (row >= rows_.size()) return false;
  const Row& hit = rows_[row];
  RECT value = ValueRect(row);
  zone = Zone::kName;
  if (point.x < list.left + kFoldColumn * (hit.depth + 1) && !hit.item->Children().empty()) {
    zone = Zone::kFold;
  } else if (point.x >= value.left && !hit.item->IsCategory()) {
    const CExtGridCell* cell = static_cast<CExtPropertyValue*>(hit.item)->ValueActive();
    bool inButton = point.x >= value.right - rowHeight_;
    zone = Zone::kValue;
    if (inButton && dynamic_cast<const CExtGridCellUpDown*>(cell) != nullptr) {
      zone = point.y < (value.top + value.bottom) / 2 ? Zone::kUpButton : Zone::kDownButton;
    } else if (inButton && (dynamic_cast<const CExtGridCellComboBox*>(cell) != nullptr ||
                            dynamic_cast<const CExtGridCellColor*>(cell) != nullptr)) {
      zone = Zone::kButton;
    }
  }
  return true;
}

// ---- painting -------------------------------------------------------------

void CExtPropertyGridCtrl::Paint(HDC dc) {
  RECT client;
  GetClientRect(window_, &client);
  FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
  RECT list = ListRect();
  FillRect(dc, &list, GetSysColorBrush(COLOR_WINDOW));
  SetBkMode(dc, TRANSPARENT);
  HGDIOBJ oldFont = SelectObject(dc, font_);
  int last = std::min<int>(static_cast<int>(rows_.size()), topRow_ + VisibleRows() + 1);
  HRGN clip = CreateRectRgnIndirect(&list);
  SelectClipRgn(dc, clip);
  for (int row = topRow_; row < last; ++row) PaintRow(dc, static_cast<size_t>(row));
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
  PaintDescription(dc);
  SelectObject(dc, oldFont);
}

void CExtPropertyGridCtrl::PaintRow(HDC dc, size_t row) {
  const Row& line = rows_[row];
  RECT area = RowRect(row);
  RECT fold = {area.left + kFoldColumn * line.depth, area.top,
               area.left + kFoldColumn * (line.depth + 1), area.bottom};
  bool selected = row == selected_;
  bool focused = GetFocus() == window_;
  if (line.item->IsCategory()) {
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
  } else {
    RECT margin = {area.left, area.top, fold.right, area.bottom};
    FillRect(dc, &margin, GetSysColorBrush(COLOR_BTNFACE));
  }
  if (!line.item->Children().empty()) {
    RECT box = {fold.left + 2, (fold.top + fold.bottom) / 2 - 4, fold.left + 11,
                (fold.top + fold.bottom) / 2 + 5};
    FrameRect(dc, &box, GetSysColorBrush(COLOR_BTNSHADOW));
    int middle = (box.top + box.bottom) / 2;
    PatBlt(dc, box.left + 2, middle, 5, 1, BLACKNESS);
    if (folded_.count(line.item) != 0) PatBlt(dc, box.left + 4, box.top + 2, 1, 5, BLACKNESS);
  }
  RECT name = {fold.right, area.top, line.item->IsCategory() ? area.right : ValueRect(row).left - 1,
               area.bottom};
  if (selected) {
    FillRect(dc, &name, GetSysColorBrush(focused ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW));
  }
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  auto* value = line.item->IsCategory() ? nullptr : static_cast<CExtPropertyValue*>(line.item);
  bool bold = value == nullptr || value->IsModified();
  SelectObject(dc, bold ? boldFont_ : font_);
  DrawTextIn(dc, line.item->Name(), Deflated(name, 3, 0));
  SelectObject(dc, font_);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  if (value != nullptr) {
    RECT cellArea = ValueRect(row);
    PaintValue(dc, *value, cellArea, selected && editor_ == nullptr);
    RECT divider = {cellArea.left - 1, area.top, cellArea.left, area.bottom};
    FillRect(dc, &divider, GetSysColorBrush(COLOR_BTNFACE));
  }
  RECT rule = {fold.right, area.bottom - 1, area.right, area.bottom};
  FillRect(dc, &rule, GetSysColorBrush(COLOR_BTNFACE));
}

void CExtPropertyGridCtrl::PaintValue(HDC dc, const CExtPropertyValue& value, RECT area,
                                      bool selected) {
  const CExtGridCell* cell = value.ValueActive();
  if (cell == nullptr) return;
  RECT text = Deflated(area, 3, 0);
  RECT button = {area.right - rowHeight_, area.top, area.right, area.bottom - 1};
  if (auto* box = dynamic_cast<const CExtGridCellCheckBox*>(cell)) {
    int middle = (area.top + area.bottom) / 2;
    RECT mark = {text.left, middle - 6, text.left + 13, middle + 7};
    DrawFrameControl(dc, &mark, DFC_BUTTON,
                     DFCS_BUTTONCHECK | DFCS_FLAT | (box->checked ? DFCS_CHECKED : 0));
    return;
  }
  if (auto* color = dynamic_cast<const CExtGridCellColor*>(cell)) {
    RECT swatch = {text.left, area.top + 3, text.left + 22, area.bottom - 4};
    HBRUSH fill = CreateSolidBrush(color->color & 0x00FFFFFF);
    FillRect(dc, &swatch, fill);
    DeleteObject(fill);
    FrameRect(dc, &swatch, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    text.left = swatch.right + 4;
    if (color->showValueText) DrawTextIn(dc, color->Text(), text);
    if (selected) DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
    return;
  }
  DrawTextIn(dc, cell->Text(), text);
  if (!selected) return;
  if (dynamic_cast<const CExtGridCellComboBox*>(cell) != nullptr) {
    DrawFrameControl(dc, &button, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  } else if (auto* spin = dynamic_cast<const CExtGridCellUpDown*>(cell)) {
    RECT up = button, down = button;
    up.bottom = down.top = (button.top + button.bottom) / 2;
    DrawFrameControl(dc, &up, DFC_SCROLL, DFCS_SCROLLUP | (spin->CanGoUp() ? 0 : DFCS_INACTIVE));
    DrawFrameControl(dc, &down, DFC_SCROLL,
                     DFCS_SCROLLDOWN | (spin->CanGoDown() ? 0 : DFCS_INACTIVE));
  }
}

void CExtPropertyGridCtrl::PaintDescription(HDC dc) {
  RECT area = DescriptionRect();
  DrawEdge(dc, &area, EDGE_ETCHED, BF_TOP);
  CExtPropertyItem* item = SelectedItem();
  if (item == nullptr) return;
  RECT text = Deflated(area, 4, 4);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SelectObject(dc, boldFont_);
  RECT title = {text.left, text.top, text.right, text.top + rowHeight_ - 4};
  DrawTextIn(dc, item->Name(), title);
  SelectObject(dc, font_);
  text.top = title.bottom;
  OString description = Shown(item->Description());
  DrawTextW(dc, description.c_str(), static_cast<int>(description.size()), &text,
            DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_END_ELLIPSIS);
}

// ---- input ----------------------------------------------------------------

void CExtPropertyGridCtrl::SetSelection(size_t row) {
  if (row >= rows_.size()) return;
  CommitEdit(0);
  selected_ = row;
  EnsureVisible(row);
  InvalidateRect(window_, nullptr, FALSE);
}

void CExtPropertyGridCtrl::MoveSelection(int rows) {
  if (rows_.empty()) return;
  int target = std::clamp(static_cast<int>(selected_) + rows, 0,
                          static_cast<int>(rows_.size()) - 1);
  SetSelection(static_cast<size_t>(target));
}

void CExtPropertyGridCtrl::Fold(size_t row, bool open) {
  if (row >= rows_.size() || rows_[row].item->Children().empty()) return;
  CommitEdit(0);
  if (open) {
    folded_.erase(rows_[row].item);
  } else {
    folded_.insert(rows_[row].item);
  }
  RebuildRows();
}

bool CExtPropertyGridCtrl::OnKeyDown(UINT key, bool alt) {
  if (rows_.empty()) return false;
  const CExtPropertyItem* item = rows_[selected_].item;
  bool isFolded = folded_.count(item) != 0;
  // On a number, + and - step it; elsewhere they fold and unfold.
  const CExtPropertyValue* value = SelectedValue();
  bool isSpin = value != nullptr &&
                dynamic_cast<const CExtGridCellUpDown*>(value->ValueActive()) != nullptr;
  switch (key) {
    case VK_UP: MoveSelection(-1); return true;
    case VK_DOWN: alt ? OpenDropDown() : MoveSelection(1); return true;
    case VK_PRIOR: MoveSelection(-VisibleRows()); return true;
    case VK_NEXT: MoveSelection(VisibleRows()); return true;
    case VK_HOME: SetSelection(0); return true;
    case VK_END: SetSelection(rows_.size() - 1); return true;
    case VK_LEFT:
      if (item->Children().empty() || isFolded) {
        SelectItem(item->Parent());
        return true;
      }
      [[fallthrough]];
    case VK_SUBTRACT: case VK_OEM_MINUS:
      isSpin ? StepSelected(false) : Fold(selected_, false);
      return true;
    case VK_ADD: case VK_OEM_PLUS:
      isSpin ? StepSelected(true) : Fold(selected_, true);
      return true;
    case VK_RIGHT: Fold(selected_, true); return true;
    case VK_RETURN: case VK_F2:
      item->IsCategory() ? Fold(selected_, isFolded) : StartEditing();
      return true;
    case VK_F4: OpenDropDown(); return true;
    case VK_SPACE: ToggleSelected(); return true;
    case VK_DELETE: ResetSelected(); return true;
    default: return false;
  }
}

void CExtPropertyGridCtrl::OnLeftButtonDown(POINT point, bool doubleClick) {
  size_t row = 0;
  Zone zone = Zone::kNone;
  if (!HitTest(point, row, zone)) return;
  SetSelection(row);
  bool folded = folded_.count(rows_[row].item) != 0;
  switch (zone) {
    case Zone::kFold: Fold(row, folded); break;
    case Zone::kName: if (doubleClick) Fold(row, folded); break;
    case Zone::kValue: StartEditing(); break;
    case Zone::kButton: OpenDropDown(); break;
    case Zone::kUpButton: StepSelected(true); break;
    case Zone::kDownButton: StepSelected(false); break;
    case Zone::kNone: break;
  }
}

void CExtPropertyGridCtrl::OnContextMenu(POINT screenPoint) {
  if (screenPoint.x == -1 && screenPoint.y == -1) {
    RECT row = RowRect(selected_);
    screenPoint = {row.left + 20, row.bottom};
    ClientToScreen(window_, &screenPoint);
  } else {
    POINT client = screenPoint;
    ScreenToClient(window_, &client);
    size_t row = 0;
    Zone zone = Zone::kNone;
    if (HitTest(client, row, zone)) SetSelection(row);
  }
  CExtPropertyValue* value = SelectedValue();
  if (value == nullptr) return;
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING | (value->IsModified() ? 0 : MF_GRAYED), kResetCommand, L"&Reset");
  UINT command = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, screenPoint.x,
                                screenPoint.y, 0, window_, nullptr);
  DestroyMenu(menu);
  if (command == kResetCommand) ResetSelected();
}

// ---- editing --------------------------------------------------------------

void CExtPropertyGridCtrl::StartEditing() {
  CExtPropertyValue* value = SelectedValue();
  if (value == nullptr || value->ValueActive() == nullptr || editor_ != nullptr) return;
  CExtGridCell* cell = value->ValueActive();
  if (dynamic_cast<CExtGridCellCheckBox*>(cell) != nullptr) return ToggleSelected();
  if (dynamic_cast<CExtGridCellComboBox*>(cell) != nullptr ||
      dynamic_cast<CExtGridCellColor*>(cell) != nullptr) {
    return OpenDropDown();
  }
  bool isNumber = dynamic_cast<CExtGridCellUpDown*>(cell) != nullptr;
  RECT area = Deflated(ValueRect(selected_), 1, 1);
  if (isNumber) area.right -= rowHeight_;
  // Multi-line so that texts with line breaks come back exactly as they went in.
  DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (isNumber ? 0 : ES_MULTILINE);
  editor_ = CreateWindowExW(0, L"EDIT", L"", style, area.left + 2, area.top + 1,
                            area.right - area.left - 2, area.bottom - area.top - 1, window_,
                            reinterpret_cast<HMENU>(kEditorId), nullptr, nullptr);
  if (editor_ == nullptr) return;
  SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(editor_, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(editor_, cell->Text().c_str());
  SendMessageW(editor_, EM_SETSEL, 0, -1);
  SetWindowSubclass(editor_, &EditProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  SetFocus(editor_);
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK CExtPropertyGridCtrl::EditProcedure(HWND editor, UINT message, WPARAM wParam,
                                                     LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CExtPropertyGridCtrl*>(data);
  auto done = [self](bool keep, int move) {
    PostMessageW(self->window_, kEditorDone, keep ? 1 : 0, move);
    return 0;
  };
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) return done(true, 0);
      if (wParam == VK_ESCAPE) return done(false, 0);
      if (wParam == VK_TAB) return done(true, GetKeyState(VK_SHIFT) < 0 ? -1 : 1);
      break;
    case WM_CHAR:
      if (wParam == '\r' || wParam == '\t' || wParam == 0x1B) return 0;
      break;
    case WM_KILLFOCUS:
      done(true, 0);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(editor, &EditProcedure, 0);
      break;
  }
  return DefSubclassProc(editor, message, wParam, lParam);
}

void CExtPropertyGridCtrl::CommitEdit(int move) {
  if (editor_ == nullptr) return;
  HWND editor = editor_;
  editor_ = nullptr;
  bool hadFocus = GetFocus() == editor;
  OString text(static_cast<size_t>(GetWindowTextLengthW(editor)), L'\0');
  text.resize(static_cast<size_t>(
      GetWindowTextW(editor, text.data(), static_cast<int>(text.size() + 1))));
  if (hadFocus) SetFocus(window_);
  DestroyWindow(editor);
  CExtPropertyValue* value = SelectedValue();
  CExtGridCell* cell = value != nullptr ? value->ValueActive() : nullptr;
  if (cell != nullptr && text != cell->Text()) {
    int32_t number = 0;
    if (auto* spin = dynamic_cast<CExtGridCellUpDown*>(cell)) {
      if (ParseInteger(text, number)) spin->value = {CExtVariant::kInt32, number};
    } else if (auto* line = dynamic_cast<CExtGridCellString*>(cell)) {
      line->text = text;
    }
    Completed(*value);
  }
  InvalidateRect(window_, nullptr, FALSE);
  if (move != 0) {
    MoveSelection(move);
    StartEditing();
  }
}

void CExtPropertyGridCtrl::CancelEdit() {
  if (editor_ == nullptr) return;
  HWND editor = editor_;
  editor_ = nullptr;
  if (GetFocus() == editor) SetFocus(window_);
  DestroyWindow(editor);
  InvalidateRect(window_, nullptr, FALSE);
}

void CExtPropertyGridCtrl::OpenDropDown() {
  CExtPropertyValue* value = SelectedValue();
  if (value == nullptr || popup_ != nullptr) return;
  RECT area = ValueRect(selected_);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&area), 2);
  CExtGridCell* cell = value->ValueActive();
  if (auto* combo = dynamic_cast<CExtGridCellComboBox*>(cell)) {
    popup_ = std::make_unique<CExtGridListPopup>(window_, *combo, area, font_);
  } else if (auto* color = dynamic_cast<CExtGridCellColor*>(cell)) {
    popup_ = std::make_unique<CExtGridColorPopup>(window_, *color, area, font_);
  }
  if (popup_ != nullptr && popup_->Window() == nullptr) popup_.reset();
}

void CExtPropertyGridCtrl::ClosePopup(bool picked) {
  if (popup_ == nullptr) return;
  SetFocus(window_);
  std::unique_ptr<CExtGridPopup> closing = std::move(popup_);
  closing.reset();
  CExtPropertyValue* value = SelectedValue();
  if (picked && value != nullptr) Completed(*value);
  InvalidateRect(window_, nullptr, FALSE);
}

void CExtPropertyGridCtrl::StepSelected(bool up) {
  CExtPropertyValue* value = SelectedValue();
  auto* spin = value != nullptr ? dynamic_cast<CExtGridCellUpDown*>(value->ValueActive()) : nullptr;
  if (spin == nullptr) return;
  CommitEdit(0);
  if (up ? spin->StepUp() : spin->StepDown()) Completed(*value);
}

void CExtPropertyGridCtrl::ToggleSelected() {
  CExtPropertyValue* value = SelectedValue();
  auto* box = value != nullptr ? dynamic_cast<CExtGridCellCheckBox*>(value->ValueActive()) : nullptr;
  if (box == nullptr) return;
  box->checked = !box->checked;
  Completed(*value);
}

void CExtPropertyGridCtrl::ResetSelected() {
  CExtPropertyValue* value = SelectedValue();
  if (value == nullptr) return;
  CancelEdit();
  value->Reset();
  OnPropertyValueReset(*value);
}

void CExtPropertyGridCtrl::Completed(CExtPropertyValue& value) {
  OnPropertyInputComplete(value);
}

void CExtPropertyGridCtrl::OnPropertyInputComplete(CExtPropertyValue&) {
  InvalidateRect(window_, nullptr, FALSE);
}

void CExtPropertyGridCtrl::OnPropertyValueReset(CExtPropertyValue&) {
  InvalidateRect(window_, nullptr, FALSE);
}

// ---- window procedure -----------------------------------------------------

LRESULT CALLBACK CExtPropertyGridCtrl::WindowProcedure(HWND window, UINT message,
                                                       WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<CExtPropertyGridCtrl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
  // No exception may unwind through the system's message loop: a failed
  // handler cancels the dialog the grid sits in, so nothing half-done is kept.
  try {
    return self->HandleMessage(message, wParam, lParam);
  } catch (...) {
    PostMessageW(GetAncestor(window, GA_ROOT), WM_COMMAND, IDCANCEL, 0);
    return 0;
  }
}

LRESULT CExtPropertyGridCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      RECT client;
      GetClientRect(window_, &client);
      // Drawn off screen and copied in one go, so that nothing flickers.
      HDC buffer = CreateCompatibleDC(dc);
      HBITMAP bitmap = CreateCompatibleBitmap(dc, std::max<LONG>(1, client.right),
                                              std::max<LONG>(1, client.bottom));
      HGDIOBJ old = SelectObject(buffer, bitmap);
      Paint(buffer);
      BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
      SelectObject(buffer, old);
      DeleteObject(bitmap);
      DeleteDC(buffer);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      Layout();
      return 0;
    case WM_SETFONT: {
      font_ = reinterpret_cast<HFONT>(wParam);
      if (boldFont_ != nullptr) DeleteObject(boldFont_);
      LOGFONTW face = {};
      GetObjectW(font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
      face.lfWeight = FW_BOLD;
      boldFont_ = CreateFontIndirectW(&face);
      HDC dc = GetDC(window_);
      HGDIOBJ old = SelectObject(dc, font_);
      TEXTMETRICW metrics;
      GetTextMetricsW(dc, &metrics);
      SelectObject(dc, old);
      ReleaseDC(window_, dc);
      rowHeight_ = metrics.tmHeight + 6;
      SendMessageW(selector_, WM_SETFONT, wParam, FALSE);
      Layout();
      return 0;
    }
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font_);
    case WM_GETDLGCODE: {
      auto* pending = reinterpret_cast<const MSG*>(lParam);
      bool wanted = pending != nullptr && pending->message == WM_KEYDOWN &&
                    pending->wParam == VK_RETURN;
      return DLGC_WANTARROWS | DLGC_WANTCHARS | (wanted ? DLGC_WANTMESSAGE : 0);
    }
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      MSG pending = {window_, message, wParam, lParam, 0, {}};
      if (PreTranslateKey(pending)) return 0;
      bool alt = message == WM_SYSKEYDOWN;
      if (OnKeyDown(static_cast<UINT>(wParam), alt)) return 0;
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(window_);
      OnLeftButtonDown({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                       message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(topRow_ - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelRows / WHEEL_DELTA);
      return 0;
    case WM_VSCROLL: {
      SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
      GetScrollInfo(scrollBar_, SB_CTL, &info);
      switch (LOWORD(wParam)) {
        case SB_LINEUP: ScrollTo(topRow_ - 1); break;
        case SB_LINEDOWN: ScrollTo(topRow_ + 1); break;
        case SB_PAGEUP: ScrollTo(topRow_ - VisibleRows()); break;
        case SB_PAGEDOWN: ScrollTo(topRow_ + VisibleRows()); break;
        case SB_THUMBTRACK: case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
        case SB_TOP: ScrollTo(0); break;
        case SB_BOTTOM: ScrollTo(static_cast<int>(rows_.size())); break;
      }
      return 0;
    }
    case WM_CONTEXTMENU:
      OnContextMenu({static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kSelectorId && HIWORD(wParam) == CBN_SELCHANGE) {
        auto index = SendMessageW(selector_, CB_GETCURSEL, 0, 0);
        if (index >= 0 && static_cast<size_t>(index) < stores_.size()) {
          SelectStore(stores_[static_cast<size_t>(index)]);
        }
      }
      return 0;
    case kEditorDone:
      wParam != 0 ? CommitEdit(static_cast<int>(lParam)) : CancelEdit();
      return 0;
    case kPopupDone:
      ClosePopup(wParam != 0);
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(window_, nullptr, FALSE);
      return 0;
    case WM_NCDESTROY: {
      HWND window = window_;
      popup_.reset();
      editor_ = nullptr;
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      window_ = nullptr;
      return DefWindowProcW(window, message, wParam, lParam);
    }
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace mervane
