#include <windows.h>

#include <algorithm>

#include "preview/preview_canvas.h"
#include "preview/win32/wic_png.h"

namespace ostrel {

namespace {
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kColourBits = 0xFFFFFF;
}  // namespace

struct PreviewCanvas::Surface {
  HDC dc = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ oldBitmap = nullptr;
  uint32_t* bits = nullptr;
  int width = 0;
  int height = 0;

  ~Surface() {
    if (oldBitmap != nullptr) SelectObject(dc, oldBitmap);
    if (bitmap != nullptr) DeleteObject(bitmap);
    if (dc != nullptr) DeleteDC(dc);
  }
};

// A top-down DIB, so that rows lie in memory in picture order.
PreviewCanvas::PreviewCanvas(int width, int height) : surface_(new Surface) {
  Surface& s = *surface_;
  s.dc = CreateCompatibleDC(nullptr);
  if (s.dc == nullptr || width <= 0 || height <= 0) return;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  s.bitmap = CreateDIBSection(s.dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (s.bitmap == nullptr) return;
  s.bits = static_cast<uint32_t*>(bits);
  s.width = width;
  s.height = height;
  std::fill_n(s.bits, static_cast<size_t>(width) * height, kWhite);
  s.oldBitmap = SelectObject(s.dc, s.bitmap);
}

PreviewCanvas::~PreviewCanvas() = default;

bool PreviewCanvas::Ok() const { return surface_->bits != nullptr; }

OHdc PreviewCanvas::Dc() const { return Ok() ? surface_->dc : nullptr; }

Image PreviewCanvas::Snapshot() const {
  GdiFlush();
  const Surface& s = *surface_;
  Image image{s.width, s.height, {}};
  image.pixels.assign(s.bits, s.bits + static_cast<size_t>(s.width) * s.height);
  for (uint32_t& pixel : image.pixels) pixel &= kColourBits;
  return image;
}

std::string PreviewCanvas::Png() const { return Ok() ? WicPng(Snapshot()) : std::string(); }

}  // namespace ostrel
