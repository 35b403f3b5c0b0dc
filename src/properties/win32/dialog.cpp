#include "properties/win32/dialog.h"

#include "platform/win32/this_module.h"
#include "properties/win32/shell_open.h"

namespace mervane {

HINSTANCE EditorModule() { return platform::ThisModule(); }

std::wstring Dialog::ItemText(int id) const {
  HWND item = Item(id);
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(item)), L'\0');
  if (!text.empty()) {
    int copied = GetWindowTextW(item, text.data(), static_cast<int>(text.size() + 1));
    text.resize(static_cast<size_t>(copied));
  }
  return text;
}

void Dialog::SetItemText(int id, const std::wstring& text) const {
  SetDlgItemTextW(window_, id, text.c_str());
}

INT_PTR CALLBACK Dialog::Procedure(HWND window, UINT message, WPARAM wParam,
                                   LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    self = reinterpret_cast<Dialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    self->window_ = window;
  } else {
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(window, DWLP_USER));
    if (self == nullptr) return FALSE;
  }
  try {
    if (message == WM_INITDIALOG) return self->OnInitDialog() ? TRUE : FALSE;
    return self->Dispatch(message, wParam, lParam);
  } catch (...) {
    self->OnFailure();
    return FALSE;
  }
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  INT_PTR result = FALSE;
  switch (message) {
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam), HIWORD(wParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      LRESULT notifyResult = 0;
      if (!OnNotify(*reinterpret_cast<const NMHDR*>(lParam), notifyResult)) {
        return FALSE;
      }
      SetWindowLongPtrW(window_, DWLP_MSGRESULT, notifyResult);
      return TRUE;
    }
    case WM_NCDESTROY:
      window_ = nullptr;
      return FALSE;
    default:
      return OnMessage(message, wParam, lParam, result) ? result : FALSE;
  }
}

INT_PTR ModalDialog::Run(HWND parent, const wchar_t* templateName) {
  return DialogBoxParamW(EditorModule(), templateName, parent, &Procedure,
                         reinterpret_cast<LPARAM>(this));
}

bool ModalDialog::OnCommand(int id, int) {
  if (id == IDOK && OnOk()) End(IDOK);
  if (id == IDCANCEL) End(IDCANCEL);
  return id == IDOK || id == IDCANCEL;
}

PROPSHEETPAGEW PropertyPage::Describe(const wchar_t* templateName, DWORD flags) {
  PROPSHEETPAGEW page = {};
  page.dwSize = sizeof(page);
  page.dwFlags = flags;
  page.hInstance = EditorModule();
  page.pszTemplate = templateName;
  page.pfnDlgProc = &PageProcedure;
  page.lParam = reinterpret_cast<LPARAM>(this);
  return page;
}

// A page's WM_INITDIALOG carries its PROPSHEETPAGEW, whose lParam is the page.
INT_PTR CALLBACK PropertyPage::PageProcedure(HWND window, UINT message,
                                             WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG) {
    lParam = reinterpret_cast<const PROPSHEETPAGEW*>(lParam)->lParam;
  }
  return Procedure(window, message, wParam, lParam);
}

void PropertyPage::OnHelp() { OpenHelpDocument(); }

void PropertyPage::OnFailure() {
  failed_ = true;
  PostMessageW(GetParent(Window()), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

bool PropertyPage::OnNotify(const NMHDR& header, LRESULT& result) {
  switch (header.code) {
    case PSN_APPLY:
      accepted_ = OnApply();
      result = accepted_ ? PSNRET_NOERROR : PSNRET_INVALID_NOCHANGEPAGE;
      return true;
    case PSN_RESET:
      accepted_ = false;
      return false;
    case PSN_HELP:
      OnHelp();
      return true;
    default:
      return false;
  }
}

}  // namespace mervane
