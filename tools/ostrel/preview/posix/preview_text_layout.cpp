#include "preview/posix/preview_text_layout.h"

#include <cmath>

namespace ostrel {

namespace {

constexpr char kEllipsis[] = "...";

bool IsContinuationByte(char c) { return (c & 0xC0) == 0x80; }

void DropLastCharacter(std::string& text) {
  while (!text.empty() && IsContinuationByte(text.back())) text.pop_back();
  if (!text.empty()) text.pop_back();
}

// The longest start of `text` that fits with "..." after it; "..." alone
// when nothing does.
std::string CutWithEllipsis(std::string text, double available,
                            const MeasureText& measure) {
  while (!text.empty() && measure(text + kEllipsis) > available)
    DropLastCharacter(text);
  return text + kEllipsis;
}

}  // namespace

PlacedLine PlaceLine(const std::string& text, const ORect& rect,
                     uint32_t format, double lineHeight,
                     const MeasureText& measure) {
  const double available = rect.right - rect.left;
  PlacedLine line{text, static_cast<double>(rect.left),
                  static_cast<double>(rect.top), measure(text)};
  if ((format & O_DT_END_ELLIPSIS) && line.width > available) {
    line.text = CutWithEllipsis(text, available, measure);
    line.width = measure(line.text);
  }
  if (format & O_DT_CENTER)
    line.left += std::floor((available - line.width) / 2);
  if ((format & O_DT_SINGLELINE) && (format & O_DT_VCENTER))
    line.top += std::floor((rect.bottom - rect.top - lineHeight) / 2);
  return line;
}

}  // namespace ostrel
