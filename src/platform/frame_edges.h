// The pixels of GDI's Draw3dRect: a one-pixel frame on a rectangle's
// outermost pixels (right and bottom exclusive), none outside it. Shared by
// every surface that paints such a frame.
#ifndef MERVANE_PLATFORM_FRAME_EDGES_H_
#define MERVANE_PLATFORM_FRAME_EDGES_H_

#include <algorithm>
#include <array>

#include "ostrel/types.h"

namespace mervane::platform {

struct FrameEdge {
  ORect span;     // empty when right <= left or bottom <= top
  bool topLeft;   // painted in the top-left colour, else the bottom-right one
};

// Top, left, right, bottom, in GDI's painting order.
inline std::array<FrameEdge, 4> FrameEdges(const ORect& r) {
  return {{
      {{r.left, r.top, r.right - 1, std::min(r.top + 1, r.bottom)}, true},
      {{r.left, r.top, std::min(r.left + 1, r.right), r.bottom - 1}, true},
      {{std::max(r.right - 1, r.left), r.top, r.right, r.bottom}, false},
      {{r.left, std::max(r.bottom - 1, r.top), r.right, r.bottom}, false},
  }};
}

}  // namespace mervane::platform

#endif  // MERVANE_PLATFORM_FRAME_EDGES_H_
