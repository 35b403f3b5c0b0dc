// Runs a command-line tool (node, php) on a generated text. Only the Linux
// build runs them; elsewhere every run reports the tool as missing.
#ifndef MERVANE_TESTS_UNIT_OUTPUT_EXTERNAL_TOOL_H_
#define MERVANE_TESTS_UNIT_OUTPUT_EXTERNAL_TOOL_H_

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#if !defined(_WIN32)
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace mervane::testing {

struct ToolRun {
  bool available = false;  // false: the tool is not installed here
  int status = -1;         // the tool's exit status
  std::string output;      // what it wrote to stdout and stderr
};

// Writes `text` to a temporary file named with `suffix` and runs
// "tool options file" on it.
inline ToolRun RunTool(const std::string& tool, const std::string& options,
                       const std::string& text, const std::string& suffix) {
  ToolRun run;
#if !defined(_WIN32)
  if (std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) != 0)
    return run;
  run.available = true;
  static int serial = 0;
  const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("mervane_" + std::to_string(getpid()) + "_" + std::to_string(++serial) + suffix);
  std::ofstream(file, std::ios::binary) << text;
  const std::string command = tool + " " + options + " '" + file.string() + "' 2>&1";
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) run.output.append(buffer, n);
    const int wait_status = pclose(pipe);
    run.status = WIFEXITED(wait_status) ? WEXITSTATUS(wait_status) : -1;
  }
  std::filesystem::remove(file);
#else
  (void)tool, (void)options, (void)text, (void)suffix;
#endif
  return run;
}

}  // namespace mervane::testing

#endif  // MERVANE_TESTS_UNIT_OUTPUT_EXTERNAL_TOOL_H_
