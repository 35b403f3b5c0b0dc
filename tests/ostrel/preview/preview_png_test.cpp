// The stand-in's PNG writer. On Linux its files are read back with cairo's
// PNG reader, an independent decoder; the commands' tests run `ostrel preview`.
#include "preview/preview_png.h"

#include <gtest/gtest.h>

#include "ostrel_test_support.h"

#if !defined(_WIN32)
#include <cairo.h>
#endif

namespace ostrel {
namespace {

#if !defined(_WIN32)
// A picture whose every pixel differs from its neighbours.
Image Gradient(int width, int height) {
  Image image{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      image.pixels.push_back((x * 7 & 0xFF) << 16 | (y * 5 & 0xFF) << 8 |
                             ((x + y) & 0xFF));
  return image;
}

Image ReadPng(const std::filesystem::path& file) {
  cairo_surface_t* s = cairo_image_surface_create_from_png(file.c_str());
  Image image;
  if (cairo_surface_status(s) == CAIRO_STATUS_SUCCESS) {
    cairo_surface_flush(s);
    image.width = cairo_image_surface_get_width(s);
    image.height = cairo_image_surface_get_height(s);
    const unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x)
        image.pixels.push_back(
            reinterpret_cast<const uint32_t*>(data + y * stride)[x] & 0xFFFFFF);
  }
  cairo_surface_destroy(s);
  return image;
}
#endif

TEST(PreviewPng, ChecksumsMatchTheirStandardCheckValues) {
  EXPECT_EQ(Crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(Crc32(""), 0u);
  EXPECT_EQ(Adler32("Wikipedia"), 0x11E60398u);
  EXPECT_EQ(Adler32(""), 1u);
}

#if !defined(_WIN32)
// More than 64 KiB of scanlines: several stored blocks.
TEST(PreviewPng, DecoderReadsBackEveryPixel) {
  testing::TempFolder folder;
  for (const Image& image : {Gradient(1, 1), Gradient(200, 120)}) {
    const auto file = folder.Write("g.png", EncodePng(image));
    const Image back = ReadPng(file);
    EXPECT_EQ(back.width, image.width);
    EXPECT_EQ(back.height, image.height);
    EXPECT_EQ(back.pixels, image.pixels);
  }
}

#endif

}  // namespace
}  // namespace ostrel
