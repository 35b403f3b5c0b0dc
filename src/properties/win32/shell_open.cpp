#include "properties/win32/shell_open.h"

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

DocumentOpener opener = &OpenWithShell;

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

// The system's own words for an error, on one line.
std::wstring SystemReason(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring reason = length != 0 ? std::wstring(text, length) : L"error " + std::to_wstring(error);
  LocalFree(text);
  while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' ||
                             reason.back() == L' ' || reason.back() == L'.')) {
    reason.pop_back();
  }
  return reason;
}

std::wstring FileName(const std::wstring& path) { return path.substr(path.find_last_of(L"\\/") + 1); }

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.find_last_of(L"\\/")); }

// Why the guide did not open, what to do about it, and where it is.
std::wstring FailureText(DWORD error, const std::wstring& guide) {
  std::wstring why;
  if (IsMissing(error)) {
    why = L"The Mervane guide is missing. It should be here:\r\n\r\n" + guide +
          L"\r\n\r\nCopy " + FileName(guide) +
          L" from the Mervane package into that folder, beside the module, under that name.";
  } else if (error == ERROR_NO_ASSOCIATION) {
    why = L"Windows has no program that opens PDF files, so the Mervane guide cannot be "
          L"shown. Install a PDF reader, or open the guide with a program you have:\r\n\r\n" +
          guide;
  } else {
    why = L"The program that opens PDF files could not show the Mervane guide (" +
          SystemReason(error) + L"). You can open the guide yourself:\r\n\r\n" + guide;
  }
  return why + L"\r\n\r\nShow the folder now?";
}

}  // namespace

// The shell shows no message of its own: the editor says what went wrong.
// A missing guide is found before the shell is asked, which some shells
// report as a missing viewer.
DWORD OpenWithShell(const std::wstring& document) {
  if (GetFileAttributesW(document.c_str()) == INVALID_FILE_ATTRIBUTES) return GetLastError();
  SHELLEXECUTEINFOW request = {};
  request.cbSize = sizeof(request);
  request.fMask = SEE_MASK_FLAG_NO_UI;
  request.lpVerb = L"open";
  request.lpFile = document.c_str();
  request.nShow = SW_SHOWNORMAL;
  if (ShellExecuteExW(&request)) return 0;
  const DWORD error = GetLastError();
  if (reinterpret_cast<INT_PTR>(request.hInstApp) == SE_ERR_NOASSOC) return ERROR_NO_ASSOCIATION;
  return error != 0 ? error : ERROR_NO_ASSOCIATION;
}

// A module whose name lacks the library suffix has no guide beside it; the
// shell is not asked to open the module itself.
void OpenHelpDocument(HWND window) {
  const std::wstring module = ModulePath(EditorModule());
  const std::wstring guide = HelpDocumentPath(module);
  if (guide == module) return;
  const DWORD error = opener(guide);
  if (error == 0) return;
  const int answer = MessageBoxW(GetAncestor(window, GA_ROOT), FailureText(error, guide).c_str(),
                                 kHelpFailureCaption, MB_YESNO | MB_ICONWARNING);
  if (answer == IDYES) opener(Folder(guide));
}

DocumentOpener ReplaceDocumentOpener(DocumentOpener replacement) {
  DocumentOpener replaced = opener;
  opener = replacement;
  return replaced;
}

}  // namespace mervane
