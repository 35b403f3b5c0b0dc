// The stand-in's PNG writer and `ostrel preview`. On Linux the files are
// read back with cairo's PNG reader, an independent decoder.
#include "preview_png.h"

#include <gtest/gtest.h>

#include "host/extension.h"
#include "ostrel_test_support.h"
#include "preview_command.h"

#if !defined(_WIN32)
#include <cairo.h>
#endif

namespace ostrel {
namespace {

uint32_t BigEndian32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  for (size_t i = 0; i < 4; ++i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

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

TEST(PreviewPng, RunPreviewCommandWritesTheWidgetsPicture) {
  mervane::CMervaneExtension widget;
  testing::TempFolder folder;
  const auto file = folder / "preview.png";
  EXPECT_EQ(RunPreviewCommand(widget, testing::Utf8(file), 180, 40), 0);
  const std::string png = ReadFileBytes(file);
  ASSERT_GT(png.size(), 24u);
  EXPECT_EQ(BigEndian32(png, 16), 180u);
  EXPECT_EQ(BigEndian32(png, 20), 40u);
#if !defined(_WIN32)
  const Image image = ReadPng(file);
  ASSERT_EQ(image.pixels.size(), 180u * 40u);
  EXPECT_EQ(image.At(0, 0), 0x858585u);
  EXPECT_EQ(image.At(179, 39), 0x858585u);
  EXPECT_EQ(image.At(90, 1), 0xFFFFFFu);
#endif
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
