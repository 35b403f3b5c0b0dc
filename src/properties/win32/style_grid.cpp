#include "properties/win32/style_grid.h"

namespace mervane {

void CStylePropertyGridCtrl::OnPropertyInputComplete(CExtPropertyValue& value) {
  CExtPropertyGridCtrl::OnPropertyInputComplete(value);
  ReportChange(&value, onPropertyChanged_);
}

void CStylePropertyGridCtrl::OnPropertyValueReset(CExtPropertyValue& value) {
  CExtPropertyGridCtrl::OnPropertyValueReset(value);
  ReportChange(&value, onPropertyChanged_);
}

bool CStylePropertyGridCtrl::PreTranslateKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.wParam != VK_DELETE || offeringToDialog_) {
    return false;
  }
  offeringToDialog_ = true;
  MSG offered = message;
  bool taken = IsDialogMessageW(Window(), &offered) != FALSE;
  offeringToDialog_ = false;
  return taken;
}

namespace {

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD type, LPARAM faces) {
  reinterpret_cast<std::vector<FontFace>*>(faces)->push_back(
      {font->lfFaceName, type, font->lfCharSet});
  return 1;
}

}  // namespace

std::vector<FontFace> EnumerateFontFaces(HWND window) {
  std::vector<FontFace> faces;
  HDC dc = GetDC(window);
  EnumFontsW(dc, nullptr, &CollectFace, reinterpret_cast<LPARAM>(&faces));
  ReleaseDC(window, dc);
  return faces;
}

}  // namespace mervane
