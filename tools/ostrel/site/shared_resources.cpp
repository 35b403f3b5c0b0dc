#include "site/shared_resources.h"

#include <cstdlib>

#include "base/files.h"
#include "base/tool_error.h"

namespace ostrel {

const char kJQueryName[] = "jquery-1.9.1.min.js";

std::filesystem::path FindJQuery(const Invocation& in) {
  const char* fromEnvironment = std::getenv("OSTREL_JQUERY");
  std::string path = in.Option(
      "jquery", fromEnvironment != nullptr ? fromEnvironment : OSTREL_DEFAULT_JQUERY);
  std::filesystem::path file = PathFromUtf8(path);
  if (!std::filesystem::is_regular_file(file)) {
    throw Failure("jQuery 1.9.1 not found at " + path +
                  " (run scripts/setup.sh, or give it with --jquery or OSTREL_JQUERY)");
  }
  return file;
}

}  // namespace ostrel
