#include "platform/files.h"

#include <windows.h>

namespace mervane::platform {

namespace {

// Closes the handle when it goes out of scope.
class Handle {
 public:
  explicit Handle(HANDLE handle) : handle_(handle) {}
  ~Handle() {
    if (IsOpen()) CloseHandle(handle_);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE get() const { return handle_; }
  // Closes now, so that a failing close can be reported.
  bool Close() {
    HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != 0;
  }

 private:
  HANDLE handle_;
};

}  // namespace

OChar PathSeparator() { return L'\\'; }

const OChar* FileNameSeparators() { return L"\\"; }

size_t LowerCaseFrom(const OString&) { return 0; }

bool CreateFolder(const OString& path) {
  return CreateDirectoryW(path.c_str(), nullptr) != 0;
}

bool CopyFileReplacing(const OString& from, const OString& to) {
  return CopyFileW(from.c_str(), to.c_str(), FALSE) != 0;
}

bool ReadFileBytes(const OString& path, std::string& bytes) {
  Handle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return false;
  bytes.clear();
  char buffer[65536];
  for (;;) {
    DWORD n = 0;
    if (!ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr)) return false;
    if (n == 0) return true;
    bytes.append(buffer, n);
  }
}

// One write of all bytes; a short write counts as a full disk.
bool WriteFileBytes(const OString& path, std::string_view bytes) {
  Handle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr,
                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.IsOpen()) return false;
  const DWORD size = static_cast<DWORD>(bytes.size());
  DWORD written = 0;
  bool ok = size == bytes.size() &&
            WriteFile(file.get(), bytes.data(), size, &written, nullptr) &&
            written == size;
  return file.Close() && ok;
}

}  // namespace mervane::platform
