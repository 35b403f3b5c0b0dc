// Draw on a device context that records every call (hosts without GDI).
#if !defined(_WIN32)

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "draw_log.h"
#include "host/extension.h"

namespace mervane::testing {
namespace {

std::string Describe(const ORect& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," +
         std::to_string(r.right) + "," + std::to_string(r.bottom);
}

std::string Describe(const OLogFont* font) {
  return font ? FontText(*font) : "default";
}

// Starts with the host's own font, black text and an opaque background.
class RecordingDc final : public ODeviceContext {
 public:
  void Draw3dRect(const ORect& rect, OColor topLeft,
                  OColor bottomRight) override {
    calls.push_back("frame " + Describe(rect) + " " + Hex(topLeft) + "/" +
                    Hex(bottomRight));
  }
  const OLogFont* SelectFont(const OLogFont* selected) override {
    calls.push_back("font " + Describe(selected));
    return std::exchange(font, selected);
  }
  OColor SetTextColor(OColor c) override {
    calls.push_back("color " + Hex(c));
    return std::exchange(color, c);
  }
  int32_t SetBkMode(int32_t m) override {
    calls.push_back("mode " + std::to_string(m));
    return std::exchange(mode, m);
  }
  void DrawText(const OString& text, const ORect& rect,
                uint32_t format) override {
    calls.push_back("text " + ToUtf8(text) + " " + Describe(rect) + " " +
                    Hex(format));
  }

  OLogFont hostFont = {-12, 0, 0, 0, 400, 0, 0, 0, 0, 0, 0, 0, 0, u"Host"};
  const OLogFont* font = &hostFont;
  OColor color = 0;
  int32_t mode = O_OPAQUE;
  std::vector<std::string> calls;
};

std::vector<std::string> DrawCalls(CMervaneExtension& widget, ORect rect) {
  RecordingDc dc;
  widget.Draw(&dc, &rect);
  EXPECT_EQ(dc.font, &dc.hostFont);
  EXPECT_EQ(dc.color, 0u);
  EXPECT_EQ(dc.mode, O_OPAQUE);
  return dc.calls;
}

// The font follows the main style once CreateFonts has run.
TEST(PreviewRecording, FramesSelectsWritesAndRestoresInOrder) {
  CMervaneExtension widget;
  CFontStyle& style = widget.Settings().mainStyle;
  style.fontName = FromUtf8("Verdana");
  style.fontSize = 14;
  style.bold = 3;
  style.italic = 1;
  style.underline = 1;
  EXPECT_EQ(DrawCalls(widget, {10, 5, 230, 50}),
            (std::vector<std::string>{
                "frame 10,5,230,50 858585/858585",
                "font Arial h-13 w400 i0 u0 q6",
                "color 858585",
                "mode 1",
                "text Placeholder for Mervane. 12,5,230,50 008035",
                "color 000000",
                "mode 2",
                "font Host h-12 w400 i0 u0 q0",
            }));
  widget.CreateFonts();
  EXPECT_EQ(DrawCalls(widget, {0, 0, 9, 9})[1], "font Verdana h-19 w700 i1 u1 q6");
}

}  // namespace
}  // namespace mervane::testing

#endif
