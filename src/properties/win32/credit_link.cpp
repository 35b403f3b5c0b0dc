#include "properties/win32/credit_link.h"

#include <commctrl.h>

#include "properties/win32/dialog.h"
#include "properties/win32/shell_open.h"
#include "resources/resource_ids.h"

namespace mervane {

namespace {

constexpr wchar_t kCreditText[] = L"Cart script by the Mervane project";
constexpr wchar_t kCreditTarget[] = L"https://mervane.example/";
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

// On the sheet: the link's colours, and the font freed with the window.
LRESULT CALLBACK SheetProcedure(HWND sheet, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR, DWORD_PTR font) {
  if (message == WM_CTLCOLORSTATIC &&
      GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == IDC_CREDIT_LINK) {
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, kLinkBlue);
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(sheet, &SheetProcedure, kSubclassId);
    if (font != 0) DeleteObject(reinterpret_cast<HFONT>(font));
  }
  return DefSubclassProc(sheet, message, wParam, lParam);
}

// On the link: the hand pointer, and a left press opens the target.
LRESULT CALLBACK LinkProcedure(HWND link, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR, DWORD_PTR) {
  switch (message) {
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(EditorModule(), MAKEINTRESOURCEW(IDR_HAND_CURSOR)));
      return TRUE;
    case WM_LBUTTONDOWN:
      OpenWithShell(kCreditTarget);
      return 0;
    case WM_NCDESTROY:
      RemoveWindowSubclass(link, &LinkProcedure, kSubclassId);
      break;
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
      0, L"STATIC", kCreditText, WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_CENTERIMAGE, client.left + 8,
      client.bottom - 25, 200, 25, sheet,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_CREDIT_LINK)), EditorModule(),
      nullptr);
  if (link == nullptr) return;
  HFONT font = UnderlinedCopyOf(reinterpret_cast<HFONT>(SendMessageW(sheet, WM_GETFONT, 0, 0)));
  SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetWindowSubclass(sheet, &SheetProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(font));
  SetWindowSubclass(link, &LinkProcedure, kSubclassId, 0);
}

}  // namespace mervane
