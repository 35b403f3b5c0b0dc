// The shared files that the host supplies to pages by name.
#ifndef OSTREL_TOOL_SHARED_RESOURCES_H_
#define OSTREL_TOOL_SHARED_RESOURCES_H_

#include <filesystem>
#include <string>

#include "commands/invocation.h"

namespace ostrel {

// The name under which widgets ask for jQuery 1.9.1.
extern const char kJQueryName[];

// Where the host takes jQuery from: --jquery, else $OSTREL_JQUERY, else the
// copy installed for the browser tests in the source tree. Throws Failure
// when that file does not exist.
std::filesystem::path FindJQuery(const Invocation& in);

}  // namespace ostrel

#endif  // OSTREL_TOOL_SHARED_RESOURCES_H_
