#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <string>

namespace mervane::platform {

namespace {

// Closes the descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;

  int get() const { return fd_; }
  // Closes now, so that a failing close can be reported.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

// The file name as the system takes it (UTF-8); false for a name that has
// none, such as one holding an unpaired surrogate.
bool NativeName(const OString& path, std::string& name) {
  try {
    name = std::filesystem::path(path).string();
    return true;
  } catch (...) {
    return false;
  }
}

int Open(const OString& path, int flags) {
  std::string name;
  return NativeName(path, name) ? ::open(name.c_str(), flags | O_CLOEXEC, 0666) : -1;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

}  // namespace

OChar PathSeparator() { return u'/'; }

const OChar* FileNameSeparators() { return u"/\\"; }

size_t LowerCaseFrom(const OString& path) {
  size_t slash = path.rfind(u'/');
  return slash == OString::npos ? 0 : slash + 1;
}

bool CreateFolder(const OString& path) {
  std::string name;
  return NativeName(path, name) && ::mkdir(name.c_str(), 0777) == 0;
}

// The source is read whole before the destination is truncated, so copying
// a file onto itself keeps its content.
bool CopyFileReplacing(const OString& from, const OString& to) {
  std::string bytes;
  return ReadFileBytes(from, bytes) && WriteFileBytes(to, bytes);
}

bool ReadFileBytes(const OString& path, std::string& bytes) {
  Descriptor file(Open(path, O_RDONLY));
  if (file.get() < 0) return false;
  bytes.clear();
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(file.get(), buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) return true;
    bytes.append(buffer, static_cast<size_t>(n));
  }
}

bool WriteFileBytes(const OString& path, std::string_view bytes) {
  Descriptor file(Open(path, O_WRONLY | O_CREAT | O_TRUNC));
  if (file.get() < 0) return false;
  return WriteAll(file.get(), bytes) && file.Close();
}

}  // namespace mervane::platform
