#include "platform/platform.h"

namespace mervane::platform {

namespace {

// Windows-1252 for 0x80..0x9F; the five unassigned bytes map to themselves,
// as Windows' own conversion does.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

OString DecodeAnsi(std::string_view bytes) {
  OString text(bytes.size(), OChar());
  for (size_t i = 0; i < bytes.size(); ++i) {
    unsigned char b = static_cast<unsigned char>(bytes[i]);
    text[i] = (b >= 0x80 && b < 0xA0) ? kHighControls[b - 0x80] : b;
  }
  return text;
}

}  // namespace mervane::platform
