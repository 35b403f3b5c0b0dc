// Paths as UTF-8 text, and whole-file reads and writes.
#ifndef OSTREL_TOOL_FILES_H_
#define OSTREL_TOOL_FILES_H_

#include <filesystem>
#include <string>
#include <string_view>

#include "ostrel/types.h"

namespace ostrel {

std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);
// With forward slashes on every platform.
std::string GenericPathToUtf8(const std::filesystem::path& path);

// The path as the module takes it: absolute, with the platform's separators.
OString PathForModule(const std::filesystem::path& path);
// A folder as CopyFiles takes it: as above, ending in a separator.
OString FolderForModule(const std::filesystem::path& folder);

// A path given in UTF-8, taken from `baseFolder` when relative, as the
// module takes it; empty stays empty.
OString ResolvePath(std::string_view utf8, const std::filesystem::path& baseFolder);

// The whole file, unchanged. Throw ToolError naming the file when it cannot
// be read or written.
std::string ReadFileBytes(const std::filesystem::path& path);
void WriteFileBytes(const std::filesystem::path& path, std::string_view bytes);

}  // namespace ostrel

#endif  // OSTREL_TOOL_FILES_H_
