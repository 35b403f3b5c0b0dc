#include "properties/win32/product_dialog.h"

#include <commdlg.h>

#include "resources/resource_ids.h"

namespace mervane {

namespace {

constexpr wchar_t kImageFilter[] =
    L"Web Images (*.gif,*.jpg,*.jpeg,*.png,*.bmp)\0"
    L"*.gif;*.jpg;*.jpeg;*.png;*.bmp\0"
    L"All Files (*.*)\0*.*\0";

// Room for the longest path the file dialog can return.
constexpr size_t kPathRoom = 32768;

}  // namespace

bool CProductDialog::Show() {
  return Run(GetActiveWindow(), L"Add Product") == IDOK;
}

bool CProductDialog::OnInitDialog() {
  if (!form_.caption.empty()) SetWindowTextW(Window(), form_.caption.c_str());
  LiftTextLimits();
  ShowForm(form_, *this);
  return true;
}

bool CProductDialog::OnCommand(int id, int code) {
  if (id == IDC_PRODUCT_BROWSE && code == BN_CLICKED) {
    BrowseImage(*this, form_, [this] { return PickImage(); });
    return true;
  }
  return ModalDialog::OnCommand(id, code);
}

bool CProductDialog::OnOk() {
  ReadForm(*this, form_);
  return true;
}

// Edit boxes stop the user typing at 32,767 characters unless told otherwise.
void CProductDialog::LiftTextLimits() const {
  for (HWND child = GetWindow(Window(), GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[8] = {};
    GetClassNameW(child, className, 8);
    if (lstrcmpiW(className, L"Edit") == 0) SendMessageW(child, EM_SETLIMITTEXT, 0, 0);
  }
}

std::optional<OString> CProductDialog::PickImage() const {
  OString path(kPathRoom, L'\0');
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = Window();
  dialog.lpstrFilter = kImageFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = L"Select an image file";
  dialog.Flags = OFN_HIDEREADONLY | OFN_NOVALIDATE;
  if (!GetOpenFileNameW(&dialog)) return std::nullopt;
  path.resize(wcslen(path.c_str()));
  return path;
}

}  // namespace mervane
