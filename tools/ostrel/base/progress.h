// A one-line progress report on a terminal: "[3/12] what", rewritten in
// place. Silent when not shown.
#ifndef OSTREL_TOOL_PROGRESS_H_
#define OSTREL_TOOL_PROGRESS_H_

#include <cstddef>
#include <iosfwd>
#include <string>

namespace ostrel {

class Progress {
 public:
  Progress(std::ostream& to, bool shown, size_t total)
      : to_(to), shown_(shown), total_(total) {}
  ~Progress();

  void Step(const std::string& what);

 private:
  std::ostream& to_;
  const bool shown_;
  const size_t total_;
  size_t done_ = 0;
  size_t lastWidth_ = 0;
};

}  // namespace ostrel

#endif  // OSTREL_TOOL_PROGRESS_H_
