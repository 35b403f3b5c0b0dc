// Documents and addresses that the editor hands to the shell.
#ifndef MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_
#define MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_

#include <string>

namespace mervane {

// Opens `target` with the shell's "open" verb, shown normally. Nothing is
// reported when it cannot be opened.
void OpenWithShell(const std::wstring& target);

// Opens the help document that sits beside the module (same name, ".pdf").
void OpenHelpDocument();

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_
