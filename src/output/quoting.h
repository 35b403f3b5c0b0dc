// How a generator writes a text into the literal where it lands. Each
// generator states this beside its code, from the same characters it
// escapes; the authoring checks ask it instead of keeping rules of their own.
#ifndef MERVANE_OUTPUT_QUOTING_H_
#define MERVANE_OUTPUT_QUOTING_H_

#include <string_view>

#include "ostrel/types.h"

namespace mervane {

using OStringView = std::basic_string_view<OChar>;

struct Quoting {
  OStringView special;   // characters that end the literal early or start an escape
  OStringView escaped;   // those of them the generator escapes itself
  bool inScriptElement;  // in a page's script element, which "</" closes
  const char* place;     // where the text lands, as a warning names it
};

// The characters that end a script string early or start an escape in it.
inline constexpr OStringView kDoubleQuotedScript = OSTR("\"\\\r\n");
inline constexpr OStringView kSingleQuotedScript = OSTR("'\\\r\n");
inline constexpr OStringView kLineBreaks = OSTR("\r\n");

}  // namespace mervane

#endif  // MERVANE_OUTPUT_QUOTING_H_
