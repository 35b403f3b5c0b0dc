#include <cairo.h>

#include <memory>
#include <string>

#include "preview/posix/preview_cairo_dc.h"
#include "preview/preview_canvas.h"

namespace ostrel {

namespace {

constexpr uint32_t kColourBits = 0xFFFFFF;

cairo_status_t AppendToString(void* png, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(png)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

struct PreviewCanvas::Surface {
  cairo_surface_t* image = nullptr;
  cairo_t* cr = nullptr;
  std::unique_ptr<CairoDeviceContext> dc;

  ~Surface() {
    dc.reset();
    if (cr != nullptr) cairo_destroy(cr);
    if (image != nullptr) cairo_surface_destroy(image);
  }
};

// RGB24 keeps each pixel as the native 32-bit word 0x00RRGGBB.
PreviewCanvas::PreviewCanvas(int width, int height) : surface_(new Surface) {
  if (width <= 0 || height <= 0) return;
  Surface& s = *surface_;
  s.image = cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height);
  if (cairo_surface_status(s.image) != CAIRO_STATUS_SUCCESS) return;
  s.cr = cairo_create(s.image);
  cairo_set_source_rgb(s.cr, 1, 1, 1);
  cairo_paint(s.cr);
  s.dc = std::make_unique<CairoDeviceContext>(s.cr);
}

PreviewCanvas::~PreviewCanvas() = default;

bool PreviewCanvas::Ok() const { return surface_->dc != nullptr; }

OHdc PreviewCanvas::Dc() const { return surface_->dc.get(); }

Image PreviewCanvas::Snapshot() const {
  if (!Ok()) return Image();
  cairo_surface_t* image = surface_->image;
  cairo_surface_flush(image);
  Image picture{cairo_image_surface_get_width(image),
                cairo_image_surface_get_height(image), {}};
  const unsigned char* data = cairo_image_surface_get_data(image);
  const int stride = cairo_image_surface_get_stride(image);
  picture.pixels.reserve(static_cast<size_t>(picture.width) * picture.height);
  for (int y = 0; y < picture.height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < picture.width; ++x)
      picture.pixels.push_back(row[x] & kColourBits);
  }
  return picture;
}

// An RGB24 surface gives an 8-bit RGB file without alpha.
std::string PreviewCanvas::Png() const {
  std::string png;
  if (!Ok() || cairo_surface_write_to_png_stream(surface_->image, AppendToString, &png) !=
                   CAIRO_STATUS_SUCCESS) {
    return std::string();
  }
  return png;
}

}  // namespace ostrel
