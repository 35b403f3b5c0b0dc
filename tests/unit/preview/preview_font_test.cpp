#include "preview/preview_font.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstring>

#include "test_support.h"

namespace mervane {
namespace {

using testing::U;

OString FaceOf(const OLogFont& font) { return OString(font.lfFaceName); }

// A description with every field set, as the default GUI font gives one.
OLogFont GuiFont() {
  OLogFont font = {};
  font.lfHeight = -11;
  font.lfWidth = 3;
  font.lfEscapement = 900;
  font.lfOrientation = 450;
  font.lfStrikeOut = 1;
  font.lfCharSet = 0xEE;
  font.lfOutPrecision = 4;
  font.lfClipPrecision = 2;
  font.lfPitchAndFamily = 0x22;
  const OString face = U("MS Shell Dlg");
  std::copy(face.begin(), face.end(), font.lfFaceName);
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

TEST(PreviewFont, MainStyleSetsItsFieldsAndKeepsTheRest) {
  CFontStyle style;
  style.fontName = U("Arial");
  style.fontSize = 10;
  OLogFont font = GuiFont();
  ApplyMainStyle(style, 96, font);
  EXPECT_EQ(font.lfHeight, -13);
  EXPECT_EQ(font.lfWeight, 400);
  EXPECT_EQ(font.lfItalic, 0);
  EXPECT_EQ(font.lfUnderline, 0);
  EXPECT_EQ(font.lfQuality, 6);
  EXPECT_EQ(FaceOf(font), U("Arial"));
  EXPECT_EQ(font.lfFaceName[6], OChar());  // the old, longer name is gone

  OLogFont expected = GuiFont();
  std::copy(std::begin(font.lfFaceName), std::end(font.lfFaceName),
            expected.lfFaceName);
  expected.lfHeight = font.lfHeight;
  expected.lfWeight = font.lfWeight;
  expected.lfQuality = font.lfQuality;
  EXPECT_EQ(std::memcmp(&font, &expected, sizeof font), 0);
}

TEST(PreviewFont, AnyNonzeroBoldIsWeight700AndFlagsTakeTheLowByte) {
  CFontStyle style;
  OLogFont font = GuiFont();
  for (int32_t bold : {1, 2, -1, 0x100}) {
    style.bold = bold;
    ApplyMainStyle(style, 96, font);
    EXPECT_EQ(font.lfWeight, 700) << bold;
  }
  style.italic = 0x101;
  style.underline = 0x200;
  style.fontSize = 0;
  ApplyMainStyle(style, 96, font);
  EXPECT_EQ(font.lfItalic, 1);
  EXPECT_EQ(font.lfUnderline, 0);
  EXPECT_EQ(font.lfHeight, 0);
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

}  // namespace
}  // namespace mervane
