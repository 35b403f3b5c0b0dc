// The author's guide, which the editor hands to the shell: Help on every
// page, F1 anywhere in the sheet and the credit link open it.
#ifndef MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_
#define MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_

#include <windows.h>

#include <string>

namespace mervane {

// Opens the guide that sits beside the module (same name, ".pdf") with the
// shell's "open" verb, shown normally. When that fails, a message box over
// `window`'s top-level window says why in plain words, gives the guide's
// full path and offers to show its folder.
void OpenHelpDocument(HWND window);

// What hands a document or a folder to the shell: 0 when it opened, else
// the system's error code (ERROR_FILE_NOT_FOUND, ERROR_NO_ASSOCIATION, ...).
// A test puts a recorder in its place and gets back the one it replaced.
using DocumentOpener = DWORD (*)(const std::wstring& document);
DocumentOpener ReplaceDocumentOpener(DocumentOpener opener);
// The shell itself, for tests that ask it for real.
DWORD OpenWithShell(const std::wstring& document);

// The caption of the message box that says why the guide did not open.
inline constexpr wchar_t kHelpFailureCaption[] = L"Mervane Help";

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_
