#include "properties/win32/list_cues.h"

#include <commctrl.h>

#include "grid/win32/message_guard.h"

namespace mervane {

namespace {

constexpr UINT_PTR kSubclassId = 0x4C43;  // "LC"
constexpr int kTipWidth = 480;            // long texts wrap in the tip
// A tip taller than any screen helps no one: a longer text ends in "...".
constexpr size_t kTipCharacters = 2000;

TTTOOLINFOW Tool(HWND list, const wchar_t* text) {
  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof(tool);
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = list;
  tool.uId = reinterpret_cast<UINT_PTR>(list);
  tool.lpszText = const_cast<wchar_t*>(text);
  return tool;
}

}  // namespace

ListCues::ListCues(HWND list, const ListColumns& columns, CellText text)
    : list_(list), columns_(columns), text_(std::move(text)) {
  tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                         WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, list_, nullptr, nullptr, nullptr);
  TTTOOLINFOW tool = Tool(list_, L"");
  SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, kTipWidth);
  SetWindowSubclass(list_, &Procedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

ListCues::~ListCues() { Detach(); }

void ListCues::Detach() {
  if (list_ == nullptr) return;
  RemoveWindowSubclass(list_, &Procedure, kSubclassId);
  DestroyWindow(tip_);
  list_ = nullptr;
}

LRESULT CALLBACK ListCues::Procedure(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self) {
  return GuardMessage(list, [&] {
    return reinterpret_cast<ListCues*>(self)->Handle(message, wParam, lParam);
  });
}

LRESULT ListCues::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND list = list_;
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    if (message == WM_MOUSEMOVE) TrackCell(lParam);
    MSG relayed = {list, message, wParam, lParam, 0, {}};
    SendMessageW(tip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
  }
  switch (message) {
    case WM_NCDESTROY:
      Detach();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      InvalidateRect(list, nullptr, TRUE);
      break;
    case WM_PAINT: {
      const LRESULT painted = DefSubclassProc(list, message, wParam, lParam);
      DrawEmptyFocus();
      return painted;
    }
  }
  return DefSubclassProc(list, message, wParam, lParam);
}

// Below the header, just inside the border, where the first row would be.
void ListCues::DrawEmptyFocus() const {
  if (GetFocus() != list_ || ListView_GetItemCount(list_) != 0) return;
  if (SendMessageW(list_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) return;
  RECT area = {};
  GetClientRect(list_, &area);
  RECT header = {};
  GetWindowRect(ListView_GetHeader(list_), &header);
  area.top += header.bottom - header.top;
  InflateRect(&area, -1, -1);
  HDC dc = GetDC(list_);
  DrawFocusRect(dc, &area);
  ReleaseDC(list_, dc);
}

// A new cell under the pointer: the tip holds its whole text when its
// column cuts it, and nothing (so it does not show) otherwise.
void ListCues::TrackCell(LPARAM point) {
  LVHITTESTINFO hit = {};
  hit.pt = {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
  ListView_SubItemHitTest(list_, &hit);
  if (hit.iItem == row_ && hit.iSubItem == column_) return;
  row_ = hit.iItem;
  column_ = hit.iSubItem;
  OString whole;
  if (row_ >= 0 && (hit.flags & LVHT_ONITEM) != 0) {
    OString text = text_(static_cast<size_t>(row_), column_);
    if (columns_.IsCut(column_, text)) whole = std::move(text);
    if (whole.size() > kTipCharacters) whole.replace(kTipCharacters, OString::npos, L"...");
  }
  SendMessageW(tip_, TTM_POP, 0, 0);
  TTTOOLINFOW tool = Tool(list_, whole.c_str());
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace mervane
