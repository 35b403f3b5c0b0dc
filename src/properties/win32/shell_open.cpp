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

// The shell shows no message of its own when the document is missing.
void OpenWithShell(const std::wstring& document) {
  SHELLEXECUTEINFOW request = {};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.lpVerb = L"open";
  request.lpFile = document.c_str();
  request.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&request);
}

DocumentOpener opener = &OpenWithShell;

}  // namespace

// A module whose name lacks the library suffix has no guide beside it; the
// shell is not asked to open the module itself.
void OpenHelpDocument() {
  const std::wstring module = ModulePath(EditorModule());
  const std::wstring help = HelpDocumentPath(module);
  if (help != module) opener(help);
}

DocumentOpener ReplaceDocumentOpener(DocumentOpener replacement) {
  DocumentOpener replaced = opener;
  opener = replacement;
  return replaced;
}

}  // namespace mervane
