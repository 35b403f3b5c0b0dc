#include "grid/win32/grid_popups.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <iterator>

#include "grid/win32/message_guard.h"
#include "platform/win32/this_module.h"

namespace mervane {

using platform::ThisModule;

namespace {

constexpr int kSwatch = 18;
constexpr int kGap = 3;
constexpr int kButtonHeight = 24;
constexpr int kVisibleEntries = 12;

const COLORREF kPalette[CExtGridColorPopup::kButtonPlace] = {
    RGB(0, 0, 0),       RGB(153, 51, 0),    RGB(51, 51, 0),     RGB(0, 51, 0),
    RGB(0, 51, 102),    RGB(0, 0, 128),     RGB(51, 51, 153),   RGB(51, 51, 51),
    RGB(128, 0, 0),     RGB(255, 102, 0),   RGB(128, 128, 0),   RGB(0, 128, 0),
    RGB(0, 128, 128),   RGB(0, 0, 255),     RGB(102, 102, 153), RGB(128, 128, 128),
    RGB(255, 0, 0),     RGB(255, 153, 0),   RGB(153, 204, 0),   RGB(51, 153, 102),
    RGB(51, 204, 204),  RGB(51, 102, 255),  RGB(128, 0, 128),   RGB(153, 153, 153),
    RGB(255, 0, 255),   RGB(255, 204, 0),   RGB(255, 255, 0),   RGB(0, 255, 0),
    RGB(0, 255, 255),   RGB(0, 204, 255),   RGB(153, 51, 102),  RGB(192, 192, 192),
    RGB(255, 153, 204), RGB(255, 204, 153), RGB(255, 255, 153), RGB(204, 255, 204),
    RGB(204, 255, 255), RGB(153, 204, 255), RGB(204, 153, 255), RGB(255, 255, 255),
};

// The custom colours of the system colour dialog, kept while the editor
// runs, as the dialog keeps them within one call.
COLORREF* CustomColors() {
  static COLORREF colors[16] = {};
  return colors;
}

}  // namespace

CExtGridPopup::~CExtGridPopup() {
  if (window_ != nullptr) DestroyWindow(window_);
}

void CExtGridPopup::Show(const RECT& screenArea, SIZE size) {
  HMONITOR monitor = MonitorFromRect(&screenArea, MONITOR_DEFAULTTONEAREST);
  MONITORINFO info = {sizeof(info), {}, {}, 0};
  GetMonitorInfoW(monitor, &info);
  int x = std::max<int>(info.rcWork.left, std::min<int>(screenArea.right - size.cx,
                                                         info.rcWork.right - size.cx));
  int y = screenArea.bottom + size.cy <= info.rcWork.bottom ? screenArea.bottom
                                                            : screenArea.top - size.cy;
  SetWindowPos(window_, HWND_TOPMOST, x, y, size.cx, size.cy, SWP_SHOWWINDOW);
  SetFocus(window_);
}

void CExtGridPopup::Done(bool picked) {
  if (done_) return;
  done_ = true;
  PostMessageW(grid_, kPopupDone, picked ? 1 : 0, 0);
}

// The list: entries in the cell's order, each carrying its index, so that a
// sorting list box still answers with the cell's own index.
CExtGridListPopup::CExtGridListPopup(HWND grid, CExtGridCellComboBox& cell,
                                     const RECT& screenArea, HFONT font)
    : CExtGridPopup(grid), cell_(cell) {
  DWORD style = WS_POPUP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS |
                LBS_NOINTEGRALHEIGHT | cell.ListBoxStyle();
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"LISTBOX", L"", style, 0, 0, 0, 0, grid,
                            nullptr, ThisModule(), nullptr);
  if (window_ == nullptr) return;
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  for (size_t i = 0; i < cell.items.size(); ++i) {
    auto at = SendMessageW(window_, LB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(cell.items[i].c_str()));
    SendMessageW(window_, LB_SETITEMDATA, static_cast<WPARAM>(at), static_cast<LPARAM>(i));
    if (static_cast<int32_t>(i) == cell.selected) {
      SendMessageW(window_, LB_SETCURSEL, static_cast<WPARAM>(at), 0);
    }
  }
  SetWindowSubclass(window_, &Procedure, 0, reinterpret_cast<DWORD_PTR>(this));
  int itemHeight = static_cast<int>(SendMessageW(window_, LB_GETITEMHEIGHT, 0, 0));
  int entries = std::clamp(static_cast<int>(cell.items.size()), 1, kVisibleEntries);
  Show(screenArea, {std::max<int>(screenArea.right - screenArea.left, 80),
                    entries * itemHeight + 2});
}

void CExtGridListPopup::Pick() {
  auto at = SendMessageW(window_, LB_GETCURSEL, 0, 0);
  if (at == LB_ERR) return Done(false);
  cell_.selected = static_cast<int32_t>(SendMessageW(window_, LB_GETITEMDATA, at, 0));
  Done(true);
}

LRESULT CALLBACK CExtGridListPopup::Procedure(HWND window, UINT message, WPARAM wParam,
                                              LPARAM lParam, UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<CExtGridListPopup*>(data);
  return GuardMessage(self->grid_,
                      [&] { return self->HandleMessage(window, message, wParam, lParam); });
}

LRESULT CExtGridListPopup::HandleMessage(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) return Pick(), 0;
      if (wParam == VK_ESCAPE || wParam == VK_F4) return Done(false), 0;
      break;
    case WM_SYSKEYDOWN:
      if (wParam == VK_UP || wParam == VK_DOWN) return Done(false), 0;
      break;
    case WM_LBUTTONUP: {
      LRESULT result = DefSubclassProc(window, message, wParam, lParam);
      Pick();
      return result;
    }
    case WM_KILLFOCUS:
      Done(false);
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(window, &Procedure, 0);
      break;
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

CExtGridColorPopup::CExtGridColorPopup(HWND grid, CExtGridCellColor& cell,
                                       const RECT& screenArea, HFONT font)
    : CExtGridPopup(grid), cell_(cell) {
  static const ATOM registered = [] {
    WNDCLASSW type = {};
    type.style = CS_DROPSHADOW;
    type.lpfnWndProc = &Procedure;
    type.hInstance = ThisModule();
    type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = GetSysColorBrush(COLOR_MENU);
    type.lpszClassName = L"CExtGridColorPopup";
    return RegisterClassW(&type);
  }();
  (void)registered;
  auto found = std::find(std::begin(kPalette), std::end(kPalette), cell.color & 0x00FFFFFF);
  highlight_ = found != std::end(kPalette) ? static_cast<int>(found - std::begin(kPalette)) : kNoPlace;
  int width = kColumns * (kSwatch + kGap) + kGap;
  int height = kRows * (kSwatch + kGap) + kGap + kButtonHeight + kGap;
  window_ = CreateWindowExW(WS_EX_TOOLWINDOW, L"CExtGridColorPopup", L"", WS_POPUP | WS_BORDER,
                            0, 0, width, height, grid, nullptr, ThisModule(), this);
  if (window_ == nullptr) return;
  button_ = CreateWindowExW(0, L"BUTTON", cell.customButtonCaption.c_str(),
                            WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, kGap, height - kButtonHeight - kGap,
                            width - 2 * kGap - 2, kButtonHeight, window_,
                            reinterpret_cast<HMENU>(kMoreColorsButton), nullptr, nullptr);
  SendMessageW(button_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  Show(screenArea, {width, height});
}

COLORREF CExtGridColorPopup::SwatchColor(int index) { return kPalette[index]; }

RECT CExtGridColorPopup::SwatchRect(int index) const {
  int x = kGap + (index % kColumns) * (kSwatch + kGap);
  int y = kGap + (index / kColumns) * (kSwatch + kGap);
  return {x, y, x + kSwatch, y + kSwatch};
}

// The button's place is framed like a swatch's.
RECT CExtGridColorPopup::PlaceRect(int place) const {
  if (place < kButtonPlace) return SwatchRect(place);
  RECT button;
  GetWindowRect(button_, &button);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&button), 2);
  return button;
}

void CExtGridColorPopup::Paint(HDC dc) {
  for (int i = 0; i < kButtonPlace; ++i) {
    RECT swatch = SwatchRect(i);
    HBRUSH fill = CreateSolidBrush(kPalette[i]);
    FillRect(dc, &swatch, fill);
    DeleteObject(fill);
    FrameRect(dc, &swatch, GetSysColorBrush(COLOR_BTNSHADOW));
  }
  if (highlight_ == kNoPlace) return;
  RECT lit = PlaceRect(highlight_);
  InflateRect(&lit, 2, 2);
  FrameRect(dc, &lit, GetSysColorBrush(COLOR_HIGHLIGHT));
}

// Down from the last row reaches the button, up from the button the last
// row; the highlight stops at either end. With nothing lit, any move lights
// the first swatch.
void CExtGridColorPopup::MoveHighlight(int step) {
  if (highlight_ == kNoPlace) return Highlight(0);
  int next = highlight_ + step;
  if (next > kButtonPlace && highlight_ != kButtonPlace) next = kButtonPlace;
  if (next >= 0 && next <= kButtonPlace) Highlight(next);
}

void CExtGridColorPopup::Highlight(int place) {
  highlight_ = place;
  InvalidateRect(window_, nullptr, TRUE);
}

// Enter with nothing lit keeps the colour the cell has.
void CExtGridColorPopup::Pick(int place) {
  if (place == kNoPlace) return Done(false);
  if (place == kButtonPlace) return ChooseCustomColor();
  cell_.color = kPalette[place];
  Done(true);
}

void CExtGridColorPopup::ChooseCustomColor() {
  CHOOSECOLORW choice = {};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = GetAncestor(grid_, GA_ROOT);
  choice.rgbResult = cell_.color & 0x00FFFFFF;
  choice.lpCustColors = CustomColors();
  choice.Flags = CC_RGBINIT | CC_FULLOPEN;
  // Set before hiding: hiding takes the focus from a popup driven by keys.
  choosing_ = true;
  ShowWindow(window_, SW_HIDE);
  bool chosen = ChooseColorW(&choice) != FALSE;
  choosing_ = false;
  if (chosen) cell_.color = choice.rgbResult;
  Done(chosen);
}

// Arrows move over the swatches and the button, Tab and Shift+Tab go round
// them all, Enter picks what is lit.
void CExtGridColorPopup::OnKeyDown(WPARAM key) {
  constexpr int kPlaces = kButtonPlace + 1;
  int tabStep = GetKeyState(VK_SHIFT) < 0 ? kPlaces - 1 : 1;
  switch (key) {
    case VK_LEFT: MoveHighlight(-1); break;
    case VK_RIGHT: MoveHighlight(1); break;
    case VK_UP: MoveHighlight(-kColumns); break;
    case VK_DOWN: MoveHighlight(kColumns); break;
    case VK_TAB: Highlight((highlight_ + tabStep) % kPlaces); break;
    case VK_RETURN: Pick(highlight_); break;
    case VK_ESCAPE: Done(false); break;
  }
}

LRESULT CALLBACK CExtGridColorPopup::Procedure(HWND window, UINT message, WPARAM wParam,
                                               LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<CExtGridColorPopup*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr || self->window_ == nullptr) {
    return DefWindowProcW(window, message, wParam, lParam);
  }
  return GuardMessage(self->grid_, [&] { return self->HandleMessage(message, wParam, lParam); });
}

LRESULT CExtGridColorPopup::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(window_, &paint);
      Paint(dc);
      EndPaint(window_, &paint);
      return 0;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_LBUTTONUP: {
      POINT point = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
      for (int i = 0; i < kButtonPlace; ++i) {
        RECT swatch = SwatchRect(i);
        if (PtInRect(&swatch, point)) return Pick(i), 0;
      }
      return 0;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == kMoreColorsButton) ChooseCustomColor();
      return 0;
    case WM_KILLFOCUS: {
      HWND next = reinterpret_cast<HWND>(wParam);
      if (!choosing_ && next != button_) Done(false);
      return 0;
    }
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace mervane
