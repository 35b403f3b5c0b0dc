// Helpers for the host stand-in's tests: temporary folders and running
// ostrel commands in-process against the built module.
#ifndef OSTREL_TESTS_OSTREL_TEST_SUPPORT_H_
#define OSTREL_TESTS_OSTREL_TEST_SUPPORT_H_

#include <filesystem>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "base/files.h"
#include "commands/command_line.h"

namespace ostrel::testing {

// A fresh folder under the system's temporary folder, removed at the end.
class TempFolder {
 public:
  TempFolder() {
    static const unsigned run = std::random_device{}();
    static int count = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("ostrel-test-" + std::to_string(run) + "-" + std::to_string(++count));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_);
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  const std::filesystem::path& path() const { return path_; }
  std::filesystem::path operator/(const std::string& name) const { return path_ / name; }
  // Writes `text` into the file `name` and returns its path.
  std::filesystem::path Write(const std::string& name, const std::string& text) const {
    std::filesystem::path file = path_ / name;
    std::filesystem::create_directories(file.parent_path());
    WriteFileBytes(file, text);
    return file;
  }

 private:
  std::filesystem::path path_;
};

struct CommandResult {
  int status = -1;
  std::string out;
  std::string err;
};

// Runs one ostrel command with the module under test.
inline CommandResult Ostrel(std::vector<std::string> args) {
  args.insert(args.begin(), {"--module", OSTREL_TEST_MODULE});
  std::ostringstream out;
  std::ostringstream err;
  CommandResult run;
  run.status = RunCommandLine(args, out, err);
  run.out = out.str();
  run.err = err.str();
  return run;
}

inline std::string Utf8(const std::filesystem::path& path) { return PathToUtf8(path); }

}  // namespace ostrel::testing

#endif  // OSTREL_TESTS_OSTREL_TEST_SUPPORT_H_
