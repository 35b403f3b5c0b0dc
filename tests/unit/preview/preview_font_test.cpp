#include "preview/preview_font.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "draw_log.h"
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

}  // namespace
}  // namespace mervane::testing
