// The placeholder preview: the font it draws with, and the calls Draw makes on
// the platform's device context (on Windows recorded in an enhanced metafile).
// The stand-in's canvas tests look at the pixels.
#if defined(_WIN32)
#include <windows.h>
#endif

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "draw_log.h"
#include "host/extension.h"
#include "preview/preview_font.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

OString FaceOf(const OLogFont& font) { return OString(font.lfFaceName); }

// Every byte set, as a description read from the default GUI font is.
OLogFont GuiFont() {
  OLogFont font;
  std::memset(&font, 0x5A, sizeof font);
  return font;
}

TEST(PreviewFont, CharacterHeightRoundsPointsToNearestPixel) {
  EXPECT_EQ(CharacterHeight(10, 96), -13);
  EXPECT_EQ(CharacterHeight(12, 96), -16);
  EXPECT_EQ(CharacterHeight(10, 120), -17);
  EXPECT_EQ(CharacterHeight(0, 96), 0);
  EXPECT_EQ(CharacterHeight(3, 12), -1);  // half a pixel rounds away from 0
  EXPECT_EQ(CharacterHeight(-3, 12), 1);
  EXPECT_EQ(CharacterHeight(100000000, 96), -133333333);  // 64-bit product
  EXPECT_EQ(CharacterHeight(INT_MAX, 96), INT_MIN);
}

// Any nonzero bold is weight 700; italic and underline take the low byte.
TEST(PreviewFont, MainStyleSetsItsFieldsAndKeepsTheRest) {
  CFontStyle style;  // Arial, 12 points
  OLogFont font = GuiFont();
  ApplyMainStyle(style, 96, font);
  EXPECT_EQ(testing::FontText(font), "Arial h-16 w400 i0 u0 q6");
  EXPECT_EQ(font.lfFaceName[6], OChar());  // nothing left of the old name
  for (int32_t field : {font.lfWidth, font.lfEscapement, font.lfOrientation})
    EXPECT_EQ(field, 0x5A5A5A5A);
  for (uint8_t field : {font.lfStrikeOut, font.lfCharSet, font.lfOutPrecision,
                        font.lfClipPrecision, font.lfPitchAndFamily})
    EXPECT_EQ(field, 0x5A);
  style = {.fontSize = 0, .bold = -1, .italic = 0x101, .underline = 0x200};
  ApplyMainStyle(style, 96, font);
  EXPECT_EQ(testing::FontText(font), "Arial h0 w700 i1 u0 q6");
  style.bold = 0x100;
  ApplyMainStyle(style, 96, font);
  EXPECT_EQ(font.lfWeight, 700);
}

TEST(PreviewFont, LongFaceNamesAreCutTo31CharactersWithoutSplittingAPair) {
  CFontStyle style;
  style.fontName = U("A Very Long Font Family Name That Goes On");
  OLogFont font = GuiFont();
  ApplyMainStyle(style, 96, font);
  EXPECT_EQ(FaceOf(font), style.fontName.substr(0, 31));

  style.fontName = OString(30, OChar('x')) + U("\U0001D400") + U("yz");
  ApplyMainStyle(style, 96, font);
  EXPECT_EQ(FaceOf(font), OString(30, OChar('x')));
  EXPECT_EQ(style.fontName.size(), 34u);  // the stored name is untouched
}

#if defined(_WIN32)
std::string TextOf(const EMREXTTEXTOUTW& record) {
  const auto* chars = reinterpret_cast<const wchar_t*>(
      reinterpret_cast<const BYTE*>(&record) + record.emrtext.offString);
  return ToUtf8(OString(chars, record.emrtext.nChars));
}

// From the font's creation on: the font, colour, mode and text records.
int CALLBACK Collect(HDC, HANDLETABLE*, const ENHMETARECORD* record, int,
                     LPARAM calls) {
  auto& out = *reinterpret_cast<std::vector<std::string>*>(calls);
  const auto* bytes = reinterpret_cast<const BYTE*>(record);
  if (record->iType == EMR_EXTCREATEFONTINDIRECTW) {
    const auto* font = reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(bytes);
    out.push_back("font " + FontText(std::bit_cast<OLogFont>(font->elfw.elfLogFont)));
  } else if (out.empty()) {
    return 1;
  } else if (record->iType == EMR_SELECTOBJECT) {
    const auto* select = reinterpret_cast<const EMRSELECTOBJECT*>(bytes);
    out.push_back(select->ihObject & ENHMETA_STOCK_OBJECT ? "select stock"
                                                          : "select");
  } else if (record->iType == EMR_SETTEXTCOLOR) {
    out.push_back("color " +
                  Hex(reinterpret_cast<const EMRSETTEXTCOLOR*>(bytes)->crColor));
  } else if (record->iType == EMR_SETBKMODE) {
    const auto* mode = reinterpret_cast<const EMRSETBKMODE*>(bytes);
    out.push_back("mode " + std::to_string(mode->iMode));
  } else if (record->iType == EMR_EXTTEXTOUTW) {
    out.push_back("text " +
                  TextOf(*reinterpret_cast<const EMREXTTEXTOUTW*>(bytes)));
  }
  return 1;
}

std::vector<std::string> Record(CMervaneExtension& widget, const ORect& rect) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  widget.Draw(dc, &rect);
  HENHMETAFILE metafile = CloseEnhMetaFile(dc);
  std::vector<std::string> calls;
  EnumEnhMetaFile(nullptr, metafile, Collect, &calls, nullptr);
  DeleteEnhMetaFile(metafile);
  return calls;
}

TEST(PreviewMetafile, FontColourAndModeAreSetForTheTextAndRestored) {
  CMervaneExtension widget;
  EXPECT_EQ(Record(widget, {10, 5, 230, 50}),
            (std::vector<std::string>{
                "font Arial h-13 w400 i0 u0 q6",
                "select",
                "color 858585",
                "mode 1",
                "text Placeholder for Mervane.",
                "color 000000",
                "mode 2",
                "select stock",
            }));
}

#else
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

#endif

}  // namespace
}  // namespace mervane::testing
