#include "properties/win32/shell_open.h"

#include <windows.h>
#include <shellapi.h>

#include "properties/help_path.h"
#include "properties/win32/dialog.h"

namespace mervane {

namespace {

std::wstring ModulePath(HMODULE module) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(module, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

}  // namespace

void OpenWithShell(const std::wstring& target) {
  if (target.empty()) return;
  SHELLEXECUTEINFOW request = {};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.lpVerb = L"open";
  request.lpFile = target.c_str();
  request.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&request);
}

// A missing document is not reported: the shell is not even asked. A module
// without the library suffix (a test program) has no help document.
void OpenHelpDocument() {
  const std::wstring module = ModulePath(EditorModule());
  const std::wstring help = HelpDocumentPath(module);
  if (help != module && GetFileAttributesW(help.c_str()) != INVALID_FILE_ATTRIBUTES) {
    OpenWithShell(help);
  }
}

}  // namespace mervane
