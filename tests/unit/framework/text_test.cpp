#include "framework/text.h"

#include <gtest/gtest.h>

namespace mervane {
namespace {

TEST(TextTest, Utf8RoundTripsEveryPlane) {
  const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x8D\xB0";  // a é € 🍰
  OString wide = FromUtf8(text);
  ASSERT_EQ(wide.size(), 5u);  // the cake is a surrogate pair
  EXPECT_EQ(static_cast<char16_t>(wide[3]), 0xD83C);
  EXPECT_EQ(ToUtf8(wide), text);
}

TEST(TextTest, MalformedInputBecomesReplacementCharacters) {
  EXPECT_EQ(FromUtf8("\xC3"), OString(1, static_cast<OChar>(0xFFFD)));
  EXPECT_EQ(FromUtf8("\xC0\xAF"), OString(1, static_cast<OChar>(0xFFFD)));  // overlong
  OString lone(1, static_cast<OChar>(0xD800));
  EXPECT_EQ(ToUtf8(lone), "\xEF\xBF\xBD");
}

TEST(TextTest, ReplaceAllAndLowerCase) {
  OString s = OSTR("_A_ and _A_");
  ReplaceAll(s, OSTR("_A_"), OSTR("b"));
  EXPECT_EQ(s, OSTR("b and b"));
  ReplaceAll(s, OSTR("b"), OSTR("bb"));  // no re-scan of inserted text
  EXPECT_EQ(s, OSTR("bb and bb"));
  EXPECT_EQ(ToLower(OSTR("PNG|Images")), OSTR("png|images"));
}

TEST(TextTest, OneLineShowsBreaksAndTabsAsSpaces) {
  EXPECT_EQ(OneLine(OSTR("a\r\nb\nc\rd\te")), OSTR("a b c d e"));
  EXPECT_EQ(OneLine(OSTR("\r\n\r\n")), OSTR("  "));
  EXPECT_EQ(OneLine(OSTR("plain")), OSTR("plain"));
}

}  // namespace
}  // namespace mervane
