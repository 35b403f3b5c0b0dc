// The module's placeholder painted on the stand-in's canvas: cairo on Linux,
// a GDI memory device context with a DIB section on Windows; and its PNG,
// read back with cairo or GDI+.
#include "preview/preview_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "host/extension.h"
#include "ostrel_test_support.h"
#include "platform/preview_platform.h"

#if defined(_WIN32)
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
#else
#include <cairo.h>
#endif

namespace ostrel {
namespace {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kPreviewGrey = 0x858585;
constexpr int kCanvasWidth = 240;
constexpr int kCanvasHeight = 60;

struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;  // right, bottom exclusive
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Empty() const { return right <= left; }
};

Image Paint(const ORect& rect, const mervane::CFontStyle& mainStyle = {}) {
  mervane::CMervaneExtension widget;
  widget.Settings().mainStyle = mainStyle;
  widget.CreateFonts();
  PreviewCanvas canvas(kCanvasWidth, kCanvasHeight);
  EXPECT_TRUE(canvas.Ok());
  widget.Draw(canvas.Dc(), &rect);
  return canvas.Snapshot();
}

// The smallest box around the non-white pixels inside `area`.
Box InkBox(const Image& image, const Box& area) {
  Box ink{area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (image.At(x, y) == kWhite) continue;
      ink = {std::min(ink.left, x), std::min(ink.top, y),
             std::max(ink.right, x + 1), std::max(ink.bottom, y + 1)};
    }
  }
  return ink;
}

// Inside the one-pixel frame of `rect`.
Box Interior(const ORect& rect) {
  return {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
}

bool OnFrame(const ORect& r, int x, int y) {
  const bool inside = x >= r.left && x < r.right && y >= r.top && y < r.bottom;
  return inside && (x == r.left || x == r.right - 1 || y == r.top ||
                    y == r.bottom - 1);
}

// Every pixel of a picture, as `pixel(x, y)` gives it.
template <typename Pixel>
Image Pixels(int width, int height, Pixel pixel) {
  Image image{width, height, {}};
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.pixels.push_back(pixel(x, y) & kWhite);
  return image;
}

#if defined(_WIN32)
Image ReadPng(const std::filesystem::path& file) {
  ULONG_PTR token = 0;
  const Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&token, &input, nullptr);
  Gdiplus::Bitmap* bitmap = Gdiplus::Bitmap::FromFile(file.c_str());
  Image image = Pixels(bitmap->GetWidth(), bitmap->GetHeight(), [bitmap](int x, int y) {
    Gdiplus::Color color;
    bitmap->GetPixel(x, y, &color);
    return color.GetValue();
  });
  delete bitmap;
  Gdiplus::GdiplusShutdown(token);
  return image;
}
#else
// A file cairo cannot read gives an error surface of no pixels.
Image ReadPng(const std::filesystem::path& file) {
  cairo_surface_t* png = cairo_image_surface_create_from_png(file.c_str());
  const auto* data = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(png));
  const int rowWords = cairo_image_surface_get_stride(png) / 4;
  Image image = Pixels(cairo_image_surface_get_width(png), cairo_image_surface_get_height(png),
                       [=](int x, int y) { return data[y * rowWords + x]; });
  cairo_surface_destroy(png);
  return image;
}
#endif

TEST(PreviewCanvas, FramesTheRectangleAndWritesInsideItOnly) {
  const ORect rect = {10, 5, 230, 50};
  const Image image = Paint(rect);
  ASSERT_EQ(image.width, kCanvasWidth);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const bool inside = x > rect.left && x < rect.right - 1 &&
                          y > rect.top && y < rect.bottom - 1;
      if (inside) continue;
      ASSERT_EQ(image.At(x, y), OnFrame(rect, x, y) ? kPreviewGrey : kWhite)
          << x << "," << y;
    }
  }
  const Box ink = InkBox(image, Interior(rect));
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, rect.left + 2);  // the text area starts 2 pixels in
}

TEST(PreviewCanvas, ReversedRectangleIsPaintedLikeItsNormalForm) {
  const Image normal = Paint({20, 10, 200, 40});
  EXPECT_EQ(Paint({200, 40, 20, 10}).pixels, normal.pixels);
  EXPECT_EQ(Paint({20, 40, 200, 10}).pixels, normal.pixels);
}

// Cut text ends in three dots: ink only in the lower part of the line.
TEST(PreviewCanvas, NarrowRectangleShowsTheStartOfTheTextAndAnEllipsis) {
  const ORect wide = {0, 0, kCanvasWidth, kCanvasHeight};
  const ORect narrow = {0, 0, 90, kCanvasHeight};
  const Box full = InkBox(Paint(wide), Interior(wide));
  const Image image = Paint(narrow);
  const Box cut = InkBox(image, Interior(narrow));
  ASSERT_FALSE(cut.Empty());
  ASSERT_GT(full.Width(), narrow.right - narrow.left);
  EXPECT_LT(cut.Width(), narrow.right - narrow.left - 2);
  const Box dots = InkBox(image, {cut.right - 6, cut.top, cut.right, cut.bottom});
  EXPECT_GT(dots.top, cut.top + cut.Height() / 2);
  EXPECT_NEAR(cut.left - 2, narrow.right - cut.right, 2);  // still centred
}

TEST(PreviewCanvas, MainStyleDecidesTheFont) {
  const ORect rect = {0, 0, kCanvasWidth, kCanvasHeight};
  mervane::CFontStyle small;
  small.fontSize = 8;
  mervane::CFontStyle large;
  large.fontSize = 16;
  mervane::CFontStyle bold = small;
  bold.bold = 1;
  const Box smallInk = InkBox(Paint(rect, small), Interior(rect));
  const Box largeInk = InkBox(Paint(rect, large), Interior(rect));
  const Box boldInk = InkBox(Paint(rect, bold), Interior(rect));
  EXPECT_GT(largeInk.Height(), smallInk.Height() * 3 / 2);
  EXPECT_GT(largeInk.Width(), smallInk.Width() * 3 / 2);
  EXPECT_GT(boldInk.Width(), smallInk.Width());
}

// A red and blue frame: a swapped colour order shows.
TEST(PreviewCanvas, PngHoldsThePaintedPixels) {
  PreviewCanvas canvas(kCanvasWidth, kCanvasHeight);
  ASSERT_TRUE(canvas.Ok());
  mervane::platform::DeviceContext(canvas.Dc())
      .Draw3dRect({0, 0, kCanvasWidth, kCanvasHeight}, mervane::Rgb(255, 0, 0),
                  mervane::Rgb(0, 0, 255));
  const Image painted = canvas.Snapshot();
  ASSERT_EQ(painted.At(0, 0), 0xFF0000u);
  testing::TempFolder folder;
  EXPECT_EQ(ReadPng(folder.Write("canvas.png", canvas.Png())).pixels, painted.pixels);
}

}  // namespace
}  // namespace ostrel
