// Where a single line of DrawText output goes, as GDI places it.
#ifndef OSTREL_TOOL_PREVIEW_TEXT_LAYOUT_H_
#define OSTREL_TOOL_PREVIEW_TEXT_LAYOUT_H_

#include <cstdint>
#include <functional>
#include <string>

#include "ostrel/types.h"

namespace ostrel {

// The advance width in pixels of UTF-8 text in the current font.
using MeasureText = std::function<double(const std::string&)>;

struct PlacedLine {
  std::string text;  // what is shown, UTF-8; ends in "..." when cut
  double left = 0;
  double top = 0;  // top of the line's cell
  double width = 0;
};

// Lays the text out as one line in `rect`: centred with O_DT_CENTER, else at
// the left; vertically centred with O_DT_SINGLELINE | O_DT_VCENTER, else at
// the top; with O_DT_END_ELLIPSIS a line wider than the rectangle keeps as
// many whole characters as fit before "...". Positions are whole pixels.
PlacedLine PlaceLine(const std::string& text, const ORect& rect,
                     uint32_t format, double lineHeight,
                     const MeasureText& measure);

}  // namespace ostrel

#endif  // OSTREL_TOOL_PREVIEW_TEXT_LAYOUT_H_
