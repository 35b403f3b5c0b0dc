#include "base/progress.h"

#include <ostream>

namespace ostrel {

Progress::~Progress() {
  if (shown_ && done_ > 0) to_ << "\n" << std::flush;
}

void Progress::Step(const std::string& what) {
  ++done_;
  if (!shown_) return;
  std::string line = "[" + std::to_string(done_) + "/" + std::to_string(total_) + "] " + what;
  const size_t width = line.size();
  if (width < lastWidth_) line.append(lastWidth_ - width, ' ');
  lastWidth_ = width;
  to_ << "\r" << line << std::flush;
}

}  // namespace ostrel
