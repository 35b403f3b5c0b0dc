// The one error type of the host stand-in: a message for the user and the
// exit status the program ends with.
#ifndef OSTREL_TOOL_TOOL_ERROR_H_
#define OSTREL_TOOL_TOOL_ERROR_H_

#include <stdexcept>
#include <string>

namespace ostrel {

enum ExitStatus : int {
  kExitOk = 0,
  kExitFailure = 1,     // the environment failed: files, module, server
  kExitBadInput = 2,    // a definition, block, table or command line is wrong
  kExitPublishFailed = 3,
};

class ToolError : public std::runtime_error {
 public:
  ToolError(ExitStatus status, const std::string& message)
      : std::runtime_error(message), status_(status) {}
  ExitStatus status() const { return status_; }

 private:
  ExitStatus status_;
};

inline ToolError BadInput(const std::string& message) {
  return ToolError(kExitBadInput, message);
}
inline ToolError Failure(const std::string& message) {
  return ToolError(kExitFailure, message);
}

}  // namespace ostrel

#endif  // OSTREL_TOOL_TOOL_ERROR_H_
