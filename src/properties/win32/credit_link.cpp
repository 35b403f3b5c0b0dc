#include "properties/win32/credit_link.h"

#include <commctrl.h>

#include <algorithm>

#include "grid/win32/named_accessible.h"
#include "properties/win32/dialog.h"
#include "properties/win32/sheet_guard.h"
#include "properties/win32/shell_open.h"
#include "resources/resource_ids.h"

namespace mervane {

namespace {

constexpr wchar_t kCreditText[] = L"Cart script by the Mervane project";
constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
constexpr UINT_PTR kSubclassId = IDC_CREDIT_LINK;

// The sheet's font with underline set; null when the sheet has none.
HFONT UnderlinedCopyOf(HFONT font) {
  LOGFONTW description = {};
  if (font == nullptr || GetObjectW(font, sizeof(description), &description) == 0) {
    return nullptr;
  }
  description.lfUnderline = TRUE;
  return CreateFontIndirectW(&description);
}

// The link draws on no brush, so the sheet repaints what lies behind it
// before the link draws itself again, with or without its focus rectangle.
void RedrawWithBackground(HWND link) {
  HWND sheet = GetParent(link);
  RECT area = {};
  GetWindowRect(link, &area);
  MapWindowPoints(nullptr, sheet, reinterpret_cast<POINT*>(&area), 2);
  RedrawWindow(sheet, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// Around the text, as a button shows its focus, unless the cues are hidden.
void DrawFocus(HWND link) {
  if (GetFocus() != link || (SendMessageW(link, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0) {
    return;
  }
  RECT client = {}, text = {};
  GetClientRect(link, &client);
  HDC dc = GetDC(link);
  HGDIOBJ oldFont = SelectObject(dc, FontOf(link));
  DrawTextW(dc, kCreditText, -1, &text, DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  OffsetRect(&text, 0, (client.bottom - text.bottom) / 2);
  text.right = std::min(text.right, client.right);
  DrawFocusRect(dc, &text);
  SelectObject(dc, oldFont);
  ReleaseDC(link, dc);
}

// Blue, or the scheme's link colour when the user asked for high contrast.
COLORREF LinkColor() {
  HIGHCONTRASTW contrast = {sizeof(contrast), 0, nullptr};
  bool high = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
              (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
  return high ? GetSysColor(COLOR_HOTLIGHT) : kLinkBlue;
}

bool IsOpeningKey(WPARAM key) { return key == VK_RETURN || key == VK_SPACE; }

// On the sheet: the link's colours, and the font freed with the window.
LRESULT HandleSheetMessage(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam,
                           DWORD_PTR font) {
  if (message == WM_CTLCOLORSTATIC &&
      GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_CREDIT_LINK) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, LinkColor());
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (message == WM_NCDESTROY && font != 0) DeleteObject(reinterpret_cast<HFONT>(font));
  return DefSubclassProc(sheet, message, wParam, lParam);
}

// On the link: the hand pointer, a left press, Enter or Space opens the
// guide, and the focus shows when Tab brings it here. The dialog manager
// takes Enter for the default button unless the link asks for it.
LRESULT HandleLinkMessage(HWND link, UINT message, WPARAM wParam, LPARAM lParam, DWORD_PTR) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(EditorModule(), MAKEINTRESOURCEW(IDR_HAND_CURSOR)));
      return TRUE;
    case WM_LBUTTONDOWN:
      OpenHelpDocument();
      return 0;
    case WM_KEYDOWN:
      if (!IsOpeningKey(wParam)) break;
      OpenHelpDocument();
      return 0;
    case WM_GETDLGCODE: {
      const auto* key = reinterpret_cast<const MSG*>(lParam);
      const bool enter = key != nullptr && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
      return DefSubclassProc(link, message, wParam, lParam) | (enter ? DLGC_WANTMESSAGE : 0);
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      RedrawWithBackground(link);
      break;
    case WM_PAINT: {
      const LRESULT painted = DefSubclassProc(link, message, wParam, lParam);
      DrawFocus(link);
      return painted;
    }
    default:
      break;
  }
  return DefSubclassProc(link, message, wParam, lParam);
}

}  // namespace

void AddCreditLink(HWND sheet) {
  RECT client = {};
  GetClientRect(sheet, &client);
  HWND link = CreateWindowExW(
      0, L"STATIC", kCreditText,
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | SS_NOTIFY | SS_NOPREFIX | SS_CENTERIMAGE,
      client.left + 8, client.bottom - 25, 200, 25, sheet,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CREDIT_LINK)), EditorModule(),
      nullptr);
  if (link == nullptr) return;
  // Last in the Tab order, after the sheet's buttons.
  SetWindowPos(link, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  HFONT font = UnderlinedCopyOf(FontOf(sheet));
  SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SubclassInSheet<HandleSheetMessage>(sheet, kSubclassId, reinterpret_cast<DWORD_PTR>(font));
  SubclassInSheet<HandleLinkMessage>(link, kSubclassId, 0);
  MarkAsLink(link, kCreditText, OpenHelpDocument);
}

}  // namespace mervane
