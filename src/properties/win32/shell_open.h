// The author's guide, which the editor hands to the shell: Help on every
// page, F1 anywhere in the sheet and the credit link open it.
#ifndef MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_
#define MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_

#include <string>

namespace mervane {

// Opens the guide that sits beside the module (same name, ".pdf") with the
// shell's "open" verb, shown normally. Nothing is reported when it is
// missing or cannot be opened.
void OpenHelpDocument();

// What hands a document to the shell. A test puts a recorder in its place
// and gets back the one it replaced.
using DocumentOpener = void (*)(const std::wstring& document);
DocumentOpener ReplaceDocumentOpener(DocumentOpener opener);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_SHELL_OPEN_H_
