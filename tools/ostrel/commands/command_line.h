// The program's command line: ostrel [options] COMMAND OPERANDS... [options]
#ifndef OSTREL_TOOL_COMMAND_LINE_H_
#define OSTREL_TOOL_COMMAND_LINE_H_

#include <iosfwd>
#include <string>
#include <vector>

namespace ostrel {

// Runs one command; `args` excludes the program name. Returns the exit
// status: 0 done, 1 failure, 2 bad input or usage, 3 publishing failed.
int RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err, bool showProgress = false);

}  // namespace ostrel

#endif  // OSTREL_TOOL_COMMAND_LINE_H_
