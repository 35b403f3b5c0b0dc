// Sizing a generated text before building it. A generator writes its text
// through a template "out" with +=; run once over TextLength it counts the
// characters, run again over the reserved string it writes them, so a text
// of tens of megabytes is allocated once instead of regrown and copied.
#ifndef MERVANE_FRAMEWORK_TEXT_LENGTH_H_
#define MERVANE_FRAMEWORK_TEXT_LENGTH_H_

#include <cstddef>
#include <string_view>

#include "ostrel/types.h"
#include "platform/memory.h"

namespace mervane {

using OStringView = std::basic_string_view<OChar>;

class TextLength {
 public:
  TextLength& operator+=(OStringView text) {
    size_ += text.size();
    return *this;
  }
  TextLength& operator+=(OChar) {
    ++size_;
    return *this;
  }
  size_t size() const { return size_; }

 private:
  size_t size_ = 0;
};

// The text that `append(out)` writes, in a string allocated once.
template <typename Append>
OString BuildSized(const Append& append) {
  TextLength length;
  append(length);
  OString out;
  out.reserve(length.size());
  platform::PrepareLargeBlock(out.data(), length.size() * sizeof(OChar));
  append(out);
  return out;
}

}  // namespace mervane

#endif  // MERVANE_FRAMEWORK_TEXT_LENGTH_H_
