// Text forms of drawing calls, for comparing recorded call sequences.
#ifndef MERVANE_TESTS_UNIT_PREVIEW_DRAW_LOG_H_
#define MERVANE_TESTS_UNIT_PREVIEW_DRAW_LOG_H_

#include <cstdint>
#include <cstdio>
#include <string>

#include "framework/text.h"
#include "ostrel/types.h"

namespace mervane::testing {

inline std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(value));
  return text;
}

// "Arial h-13 w400 i0 u0 q6"
inline std::string FontText(const OLogFont& font) {
  return ToUtf8(font.lfFaceName) + " h" + std::to_string(font.lfHeight) +
         " w" + std::to_string(font.lfWeight) +
         " i" + std::to_string(font.lfItalic) +
         " u" + std::to_string(font.lfUnderline) +
         " q" + std::to_string(font.lfQuality);
}

}  // namespace mervane::testing

#endif  // MERVANE_TESTS_UNIT_PREVIEW_DRAW_LOG_H_
