#include "grid/win32/property_grid.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "grid/win32/cell_painter.h"
#include "grid/win32/grid_accessible.h"
#include "grid/win32/grid_popups.h"
#include "grid/win32/message_guard.h"
#include "grid/win32/named_accessible.h"
#include "grid/win32/palette_accessible.h"

namespace mervane {

namespace {

constexpr int kFoldColumn = 14;
constexpr int kDescriptionLines = 3;
constexpr size_t kDescriptionLimit = 512;  // longer descriptions are cut for drawing only
constexpr int kWheelRows = 3;
constexpr UINT kResetCommand = 1;
constexpr int kEditorId = 100;
constexpr int kSelectorId = 101;
// Posted by the in-place editor: wParam 1 to keep the text, 0 to drop it;
// lParam the rows to move on by afterwards.
constexpr UINT kEditorDone = WM_APP + 0x52;
// Posted for a listener's default action; wParam is the item's child id.
constexpr UINT kDefaultAction = WM_APP + 0x53;

RECT Deflated(RECT area, int dx, int dy) {
  InflateRect(&area, -dx, -dy);
  return area;
}

POINT PointOf(LPARAM lParam) {
  return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// The font with a bold weight; the caller deletes it.
HFONT BoldCopyOf(HFONT font) {
  LOGFONTW face = {};
  GetObjectW(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof(face), &face);
  face.lfWeight = FW_BOLD;
  return CreateFontIndirectW(&face);
}

int TextHeight(HWND window, HFONT font) {
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW metrics;
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  return metrics.tmHeight;
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
  CutAccessLink();
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
  ids_ = CExtOutlineIds(store);
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

CExtGridCell* CExtPropertyGridCtrl::SelectedCell() const {
  CExtPropertyValue* value = SelectedValue();
  return value != nullptr ? value->ValueActive() : nullptr;
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
    zone = point.x >= value.right - rowHeight_ ? Zone::kButton : Zone::kValue;
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
    // The sign in the text colour of the scheme, which high contrast changes.
    int middle = (box.top + box.bottom) / 2;
    RECT minus = {box.left + 2, middle, box.left + 7, middle + 1};
    FillRect(dc, &minus, GetSysColorBrush(COLOR_BTNTEXT));
    RECT bar = {box.left + 4, box.top + 2, box.left + 5, box.top + 7};
    if (folded_.count(line.item) != 0) FillRect(dc, &bar, GetSysColorBrush(COLOR_BTNTEXT));
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
  DrawOneLine(dc, line.item->Name(), Deflated(name, 3, 0));
  SelectObject(dc, font_);
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  if (value != nullptr) {
    RECT cellArea = ValueRect(row);
    if (value->ValueActive() != nullptr) {
      CExtGridCellPainter painter(dc, cellArea, selected && editor_ == nullptr);
      value->ValueActive()->Draw(painter);
    }
    RECT divider = {cellArea.left - 1, area.top, cellArea.left, area.bottom};
    FillRect(dc, &divider, GetSysColorBrush(COLOR_BTNFACE));
  }
  RECT rule = {fold.right, area.bottom - 1, area.right, area.bottom};
  FillRect(dc, &rule, GetSysColorBrush(COLOR_BTNFACE));
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
  DrawOneLine(dc, item->Name(), title);
  SelectObject(dc, font_);
  text.top = title.bottom;
  OString description = item->Description().substr(0, kDescriptionLimit);
  DrawTextW(dc, description.c_str(), static_cast<int>(description.size()), &text,
            DT_WORDBREAK | DT_NOPREFIX | DT_EDITCONTROL | DT_END_ELLIPSIS);
}

// ---- input ----------------------------------------------------------------

void CExtPropertyGridCtrl::SetSelection(size_t row) {
  if (row >= rows_.size()) return;
  CommitEdit(0);
  bool moved = row != selected_;
  selected_ = row;
  EnsureVisible(row);
  InvalidateRect(window_, nullptr, FALSE);
  if (!moved) return;
  Announce(EVENT_OBJECT_SELECTION, rows_[row].item);
  if (GetFocus() == window_) Announce(EVENT_OBJECT_FOCUS, rows_[row].item);
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
  const CExtPropertyItem* item = rows_[row].item;
  RebuildRows();
  Announce(EVENT_OBJECT_STATECHANGE, item);
}

bool CExtPropertyGridCtrl::OnKeyDown(UINT message, WPARAM key, LPARAM lParam) {
  MSG pending = {window_, message, key, lParam, 0, {}};
  return PreTranslateKey(pending) || HandleKey(static_cast<UINT>(key), message == WM_SYSKEYDOWN);
}

bool CExtPropertyGridCtrl::HandleKey(UINT key, bool alt) {
  if (rows_.empty()) return false;
  const CExtPropertyItem* item = rows_[selected_].item;
  bool isFolded = folded_.count(item) != 0;
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
      if (!CellTakes(CExtGridKey::kMinus)) Fold(selected_, false);
      return true;
    case VK_ADD: case VK_OEM_PLUS:
      if (!CellTakes(CExtGridKey::kPlus)) Fold(selected_, true);
      return true;
    case VK_RIGHT: Fold(selected_, true); return true;
    case VK_RETURN: case VK_F2:
      item->IsCategory() ? Fold(selected_, isFolded) : StartEditing();
      return true;
    case VK_F4: OpenDropDown(); return true;
    case VK_SPACE: CellTakes(CExtGridKey::kSpace); return true;
    case VK_DELETE: ResetSelected(); return true;
    default: return false;
  }
}

// A number takes + and - to step; elsewhere they fold and unfold.
bool CExtPropertyGridCtrl::CellTakes(CExtGridKey key) {
  CExtGridCell* cell = SelectedCell();
  return cell != nullptr && cell->PressKey(key, *this);
}

void CExtPropertyGridCtrl::OnLeftButtonDown(POINT point, bool doubleClick) {
  SetFocus(window_);
  size_t row = 0;
  Zone zone = Zone::kNone;
  if (!HitTest(point, row, zone)) return;
  SetSelection(row);
  bool folded = folded_.count(rows_[row].item) != 0;
  switch (zone) {
    case Zone::kFold: Fold(row, folded); break;
    case Zone::kName: if (doubleClick) Fold(row, folded); break;
    case Zone::kValue: StartEditing(); break;
    case Zone::kButton: PressButton(point); break;
    case Zone::kNone: break;
  }
}

// A value without a button of its own is edited as by a click on its text.
void CExtPropertyGridCtrl::PressButton(POINT point) {
  RECT area = ValueRect(selected_);
  CExtGridCell* cell = SelectedCell();
  if (cell != nullptr && !cell->PressButton(point.y < (area.top + area.bottom) / 2, *this)) {
    StartEditing();
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
  CExtGridCell* cell = SelectedCell();
  if (cell != nullptr && editor_ == nullptr && popup_ == nullptr) cell->Edit(*this);
}

void CExtPropertyGridCtrl::OpenDropDown() {
  CExtGridCell* cell = SelectedCell();
  if (cell != nullptr && popup_ == nullptr) cell->DropDown(*this);
}

void CExtPropertyGridCtrl::EditText(const OString& text) { OpenEditor(text, false); }

void CExtPropertyGridCtrl::EditNumber(const OString& text) { OpenEditor(text, true); }

void CExtPropertyGridCtrl::OpenEditor(const OString& text, bool number) {
  RECT area = Deflated(ValueRect(selected_), 1, 1);
  if (number) area.right -= rowHeight_;
  // Multi-line so that texts with line breaks come back exactly as they went in.
  DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | (number ? 0 : ES_MULTILINE);
  editor_ = CreateWindowExW(0, L"EDIT", L"", style, area.left + 2, area.top + 1,
                            area.right - area.left - 2, area.bottom - area.top - 1, window_,
                            reinterpret_cast<HMENU>(kEditorId), nullptr, nullptr);
  if (editor_ == nullptr) return;
  NameForListeners(editor_, SelectedItem()->Name());
  SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
  SendMessageW(editor_, EM_SETLIMITTEXT, 0, 0);
  SetWindowTextW(editor_, text.c_str());
  SendMessageW(editor_, EM_SETSEL, 0, -1);
  SetWindowSubclass(editor_, &EditProcedure, 0, reinterpret_cast<DWORD_PTR>(this));
  SetFocus(editor_);
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK CExtPropertyGridCtrl::EditProcedure(HWND editor, UINT message, WPARAM wParam,
                                                     LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CExtPropertyGridCtrl*>(data);
  return GuardMessage(self->window_, [&] {
    return self->HandleEditorMessage(editor, message, wParam, lParam);
  });
}

LRESULT CExtPropertyGridCtrl::HandleEditorMessage(HWND editor, UINT message, WPARAM wParam,
                                                  LPARAM lParam) {
  auto done = [this](bool keep, int move) {
    PostMessageW(window_, kEditorDone, keep ? 1 : 0, move);
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
  CExtGridCell* cell = SelectedCell();
  if (cell != nullptr && cell->TakeText(text)) Completed(*SelectedValue());
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

void CExtPropertyGridCtrl::DropList(CExtGridCellComboBox& cell) {
  ShowPopup(std::make_unique<CExtGridListPopup>(window_, cell, ScreenValueRect(), font_));
  if (popup_ != nullptr) NameForListeners(popup_->Window(), SelectedItem()->Name());
}

void CExtPropertyGridCtrl::DropPalette(CExtGridCellColor& cell) {
  auto palette = std::make_unique<CExtGridColorPopup>(window_, cell, ScreenValueRect(), font_);
  if (palette->Window() != nullptr) ExposePalette(*palette, SelectedItem()->Name());
  ShowPopup(std::move(palette));
}

RECT CExtPropertyGridCtrl::ScreenValueRect() const {
  RECT area = ValueRect(selected_);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&area), 2);
  return area;
}

// A popup whose window could not be made is dropped at once.
void CExtPropertyGridCtrl::ShowPopup(std::unique_ptr<CExtGridPopup> popup) {
  if (popup->Window() == nullptr) return;
  popup_ = std::move(popup);
  popupValue_ = SelectedValue();
}

void CExtPropertyGridCtrl::ClosePopup(bool picked) {
  if (popup_ == nullptr) return;
  SetFocus(window_);
  std::unique_ptr<CExtGridPopup> closing = std::move(popup_);
  closing.reset();
  CExtPropertyValue* value = std::exchange(popupValue_, nullptr);
  if (picked && value != nullptr) Completed(*value);
  InvalidateRect(window_, nullptr, FALSE);
}

void CExtPropertyGridCtrl::ValueChanged() {
  if (CExtPropertyValue* value = SelectedValue()) Completed(*value);
}

void CExtPropertyGridCtrl::ResetSelected() {
  CExtPropertyValue* value = SelectedValue();
  if (value == nullptr) return;
  CancelEdit();
  value->Reset();
  OnPropertyValueReset(*value);
  Announce(EVENT_OBJECT_VALUECHANGE, value);
}

void CExtPropertyGridCtrl::Completed(CExtPropertyValue& value) {
  OnPropertyInputComplete(value);
  Announce(EVENT_OBJECT_VALUECHANGE, &value);
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
  return GuardMessage(window, [&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT CExtPropertyGridCtrl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: Layout(); return 0;
    case WM_SETFONT: OnSetFont(reinterpret_cast<HFONT>(wParam)); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_GETDLGCODE: return OnGetDlgCode(reinterpret_cast<const MSG*>(lParam));
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKeyDown(message, wParam, lParam)) return 0;
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLeftButtonDown(PointOf(lParam), message == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEWHEEL:
      ScrollTo(topRow_ - GET_WHEEL_DELTA_WPARAM(wParam) * kWheelRows / WHEEL_DELTA);
      return 0;
    case WM_VSCROLL: OnScroll(LOWORD(wParam)); return 0;
    case WM_CONTEXTMENU: OnContextMenu(PointOf(lParam)); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wParam), HIWORD(wParam)); return 0;
    case kEditorDone:
      wParam != 0 ? CommitEdit(static_cast<int>(lParam)) : CancelEdit();
      return 0;
    case kPopupDone: ClosePopup(wParam != 0); return 0;
    case kDefaultAction: DoDefaultAction(static_cast<long>(wParam)); return 0;
    case WM_GETOBJECT: return AnswerGridObject(*this, accessLink_, wParam, lParam);
    case WM_SETFOCUS:
      Announce(EVENT_OBJECT_FOCUS, SelectedItem());
      [[fallthrough]];
    case WM_KILLFOCUS: InvalidateRect(window_, nullptr, FALSE); return 0;
    case WM_NCDESTROY: return OnNcDestroy(wParam, lParam);
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

// Drawn off screen and copied in one go, so that nothing flickers.
void CExtPropertyGridCtrl::OnPaint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client;
  GetClientRect(window_, &client);
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
}

void CExtPropertyGridCtrl::OnSetFont(HFONT font) {
  font_ = font;
  if (boldFont_ != nullptr) DeleteObject(boldFont_);
  boldFont_ = BoldCopyOf(font);
  rowHeight_ = TextHeight(window_, font) + 6;
  SendMessageW(selector_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  Layout();
}

// The arrows and characters, and Enter too, so that Enter edits a value
// rather than pressing the dialog's default button.
LRESULT CExtPropertyGridCtrl::OnGetDlgCode(const MSG* pending) const {
  bool wanted = pending != nullptr && pending->message == WM_KEYDOWN &&
                pending->wParam == VK_RETURN;
  return DLGC_WANTARROWS | DLGC_WANTCHARS | (wanted ? DLGC_WANTMESSAGE : 0);
}

void CExtPropertyGridCtrl::OnScroll(int code) {
  SCROLLINFO info = {sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(scrollBar_, SB_CTL, &info);
  switch (code) {
    case SB_LINEUP: ScrollTo(topRow_ - 1); break;
    case SB_LINEDOWN: ScrollTo(topRow_ + 1); break;
    case SB_PAGEUP: ScrollTo(topRow_ - VisibleRows()); break;
    case SB_PAGEDOWN: ScrollTo(topRow_ + VisibleRows()); break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: ScrollTo(info.nTrackPos); break;
    case SB_TOP: ScrollTo(0); break;
    case SB_BOTTOM: ScrollTo(static_cast<int>(rows_.size())); break;
  }
}

void CExtPropertyGridCtrl::OnCommand(int id, int code) {
  if (id != kSelectorId || code != CBN_SELCHANGE) return;
  auto index = SendMessageW(selector_, CB_GETCURSEL, 0, 0);
  if (index >= 0 && static_cast<size_t>(index) < stores_.size()) {
    SelectStore(stores_[static_cast<size_t>(index)]);
  }
}

LRESULT CExtPropertyGridCtrl::OnNcDestroy(WPARAM wParam, LPARAM lParam) {
  HWND window = window_;
  CutAccessLink();
  popup_.reset();
  editor_ = nullptr;
  SetWindowLongPtrW(window, GWLP_USERDATA, 0);
  window_ = nullptr;
  return DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

// ---- what listeners read ------------------------------------------------

void CExtPropertyGridCtrl::Announce(DWORD event, const CExtPropertyItem* item) const {
  long id = ids_.IdOf(item);
  if (window_ != nullptr && id != 0) NotifyWinEvent(event, window_, OBJID_CLIENT, id);
}

void CExtPropertyGridCtrl::CutAccessLink() {
  if (accessLink_ != nullptr) accessLink_->grid = nullptr;
  accessLink_.reset();
}

OString CExtPropertyGridCtrl::PageName() const {
  HWND page = GetParent(window_);
  OString name(static_cast<size_t>(GetWindowTextLengthW(page)), L'\0');
  name.resize(static_cast<size_t>(
      GetWindowTextW(page, name.data(), static_cast<int>(name.size() + 1))));
  return name;
}

size_t CExtPropertyGridCtrl::RowOf(const CExtPropertyItem* item) const {
  auto found = std::find_if(rows_.begin(), rows_.end(),
                            [item](const Row& row) { return row.item == item; });
  return static_cast<size_t>(found - rows_.begin());
}

bool CExtPropertyGridCtrl::ItemScreenRect(const CExtPropertyItem* item, RECT& screen) const {
  size_t row = RowOf(item);
  if (row == rows_.size()) return false;
  screen = RowRect(row);
  MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&screen), 2);
  return true;
}

bool CExtPropertyGridCtrl::IsRowShown(const CExtPropertyItem* item) const {
  int row = static_cast<int>(RowOf(item));
  return row < static_cast<int>(rows_.size()) && row >= topRow_ &&
         row < topRow_ + VisibleRows();
}

const CExtPropertyItem* CExtPropertyGridCtrl::ItemAtScreen(POINT screen) const {
  ScreenToClient(window_, &screen);
  size_t row = 0;
  Zone zone = Zone::kNone;
  return HitTest(screen, row, zone) ? rows_[row].item : nullptr;
}

const CExtPropertyItem* CExtPropertyGridCtrl::RowNeighbour(const CExtPropertyItem* item,
                                                           int step) const {
  size_t at = RowOf(item);
  size_t row = at + static_cast<size_t>(step);
  return at < rows_.size() && row < rows_.size() ? rows_[row].item : nullptr;
}

bool CExtPropertyGridCtrl::HasFocusInside() const {
  HWND focus = GetFocus();
  return focus != nullptr && (focus == window_ || IsChild(window_, focus) ||
                              (popup_ != nullptr && focus == popup_->Window()));
}

void CExtPropertyGridCtrl::PostDefaultAction(const CExtPropertyItem* item) {
  PostMessageW(window_, kDefaultAction, static_cast<WPARAM>(ids_.IdOf(item)), 0);
}

void CExtPropertyGridCtrl::DoDefaultAction(long id) {
  const CExtPropertyItem* item = ids_.ItemOf(id);
  if (item == nullptr) return;
  SelectItem(item);
  if (item->Children().empty()) return StartEditing();
  Fold(selected_, IsFolded(item));
}

}  // namespace mervane
