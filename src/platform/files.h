// Files and folders: what publishing needs from the file system. Each
// function has one implementation in posix/ and one in win32/.
#ifndef MERVANE_PLATFORM_FILES_H_
#define MERVANE_PLATFORM_FILES_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "ostrel/types.h"

namespace mervane::platform {

// The separator that joins folder and file names: "\\" on Windows, "/"
// elsewhere.
OChar PathSeparator();

// The characters after which a stored path's file name begins: "\\" on
// Windows; "/" and "\\" elsewhere, where a project may hold either kind.
const OChar* FileNameSeparators();

// Where the part of a path that publishing lower-cases begins: 0 where
// names ignore case (Windows), so the whole path; elsewhere the file name.
size_t LowerCaseFrom(const OString& path);

// Creates one folder. False when it exists or cannot be created.
bool CreateFolder(const OString& path);

// Copies a file's bytes, replacing the destination. False on any failure.
bool CopyFileReplacing(const OString& from, const OString& to);

// The whole content of a file. False when it cannot be opened or read.
bool ReadFileBytes(const OString& path, std::string& bytes);

// Creates or truncates the file and writes the bytes unchanged in binary
// mode. False when the file cannot be created or the write fails.
bool WriteFileBytes(const OString& path, std::string_view bytes);

}  // namespace mervane::platform

#endif  // MERVANE_PLATFORM_FILES_H_
