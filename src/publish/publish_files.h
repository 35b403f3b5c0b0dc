// Folders, embedded resources and text files inside the publish folder.
#ifndef MERVANE_PUBLISH_PUBLISH_FILES_H_
#define MERVANE_PUBLISH_PUBLISH_FILES_H_

#include <cstdint>
#include <string_view>

#include "ostrel/types.h"

namespace mervane {

// The folder without its trailing separators, one separator, then name.
OString JoinPath(const OString& folder, const OString& name);

// Creates every folder along the path, the path itself last. Failures (the
// folder exists, the text names a drive) are ignored.
void CreateFolderPath(const OString& path);

// The publish sub-folder for fileName's extension followed by a separator,
// or empty when none is assigned. Creates root + sub-folder on the way.
OString PrepareImagesFolder(const OStringList& publishFolders,
                            const OString& root, const OString& fileName);

// Writes one of the library's own resources unchanged into folder, under
// its name lower-cased. Returns 0 on a file error, else 1 (also when there
// is no such resource and nothing is written).
int32_t ExtractResourceFile(std::string_view name, std::string_view type,
                            const OString& folder);

// A file's text decoded from the system's code page; empty when the file
// cannot be read.
OString ReadAnsiTextFile(const OString& path);

// Writes text as UTF-8 without byte-order mark or line-end translation.
// False when the file cannot be created or written.
bool WriteTextFile(const OString& path, const OString& text);

}  // namespace mervane

#endif  // MERVANE_PUBLISH_PUBLISH_FILES_H_
