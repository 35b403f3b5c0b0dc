// The host's drawing surface for the design view: a white picture that a
// widget paints on through the device context it is handed.
#ifndef OSTREL_TOOL_PREVIEW_CANVAS_H_
#define OSTREL_TOOL_PREVIEW_CANVAS_H_

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "ostrel/types.h"

namespace ostrel {

// Rows top to bottom, each pixel 0x00RRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const {
    return pixels[static_cast<size_t>(y) * width + x];
  }
};

// Windows: a memory device context with a 32-bit DIB section, written as PNG
// by the Windows Imaging Component. Elsewhere: an ODeviceContext that renders
// with cairo, which writes the PNG too. Both start with GDI's defaults: black
// text, opaque background mode, the default font.
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
  // The same as the bytes of a PNG file, 8-bit RGB; empty when it cannot be
  // encoded.
  std::string Png() const;

 private:
  struct Surface;
  std::unique_ptr<Surface> surface_;
};

}  // namespace ostrel

#endif  // OSTREL_TOOL_PREVIEW_CANVAS_H_
