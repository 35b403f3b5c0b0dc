// The host's drawing surface for the design view: a white picture that a
// widget paints on through the device context it is handed.
#ifndef OSTREL_TOOL_PREVIEW_CANVAS_H_
#define OSTREL_TOOL_PREVIEW_CANVAS_H_

#include <memory>

#include "ostrel/types.h"
#include "preview/preview_png.h"

namespace ostrel {

// Windows: a memory device context with a 32-bit DIB section. Elsewhere: an
// ODeviceContext that renders with cairo. Both start with GDI's defaults:
// black text, opaque background mode, the default font.
class PreviewCanvas {
 public:
  PreviewCanvas(int width, int height);
  ~PreviewCanvas();
  PreviewCanvas(const PreviewCanvas&) = delete;
  PreviewCanvas& operator=(const PreviewCanvas&) = delete;

  // False when the surface could not be made; then Dc() is null.
  bool Ok() const;
  OHdc Dc() const;
  // What has been painted so far.
  Image Snapshot() const;

 private:
  struct Surface;
  std::unique_ptr<Surface> surface_;
};

}  // namespace ostrel

#endif  // OSTREL_TOOL_PREVIEW_CANVAS_H_
