#include "publish/stylesheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

#include "test_support.h"

namespace mervane::testing {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// A default cart placed at (10, 20) with a size of 800 x 500.
CartSettings PlacedCart() {
  CartSettings c;
  c.bounds = {10, 20, 810, 520};
  return c;
}

// The rule for `selector`, from its selector line to its closing brace.
std::string RuleOf(const CartSettings& c, std::string_view selector) {
  const std::string css = ToUtf8(BuildStylesheet(c));
  const std::string head = "}\r\n" + std::string(selector) + "\r\n{\r\n";
  const size_t at = css.find(head);
  if (at == std::string::npos) return std::string();
  return css.substr(at + 3, css.find("}\r\n", at + 3) + 3 - (at + 3));
}

TEST(StylesheetTest, DefaultCartMatchesTheGoldenFile) {
  const std::string golden =
      ReadFile(MERVANE_SOURCE_DIR "/tests/unit/publish/golden/default.css");
  ASSERT_FALSE(golden.empty());
  EXPECT_EQ(ToUtf8(BuildStylesheet(PlacedCart())), golden);
}

// Sizes are computed in 32 bits: nothing is clamped, and extreme bounds or
// padding wrap around. An expected text ending in ":" must be absent.
TEST(StylesheetTest, SizesAndPaddingAreUnclamped32BitResults) {
  constexpr int32_t kMax = INT32_MAX, kMin = INT32_MIN;
  struct Case {
    ORect bounds;
    int32_t padding;
    const char* selector;
    const char* text;
  };
  const Case cases[] = {
      {{100, 50, 500, 80}, 2, ".mvMain .mvTabs", "height: 28px;"},
      {{100, 50, 500, 80}, 2, ".mvMain .mvCartHeader .mvCartTitle1", "width: -10px;"},
      {{100, 50, 500, 80}, 2, ".mvMain .mvCartList", "height: -8px;"},
      {{0, kMin, 0, kMax}, 2, ".mvMain .mvTabs", "height: -3px;"},
      {{0, kMin, 0, kMax}, 2, ".mvMain .mvProductList", "height: -39px;"},
      {{0, 0, kMin, 0}, 2, ".mvMain .mvCartHeader .mvCartTitle1", "width: 2147483238px;"},
      {{kMax, 0, kMin, 0}, 2, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle1",
       "width: -409px;"},
      {{}, 0, ".mvMain .mvProductList", "padding-top:"},
      {{}, -3, ".mvMain .mvProductList", "padding-top:"},
      {{}, -3, ".mvMain .mvCartHeader .mvCartTitle", "padding-top: -1px;"},
      {{}, 99, ".mvMain .mvSearchPanel .mvTxtSearch", "padding: 1px 101px;"},
      {{}, kMax, ".mvMain .mvCartHeader .mvCartTitle", "padding-left: -2147483647px;"},
      {{}, kMax, ".mvMain .mvProductList", "padding-top: 2147483646px;"},
      {{}, kMin, ".mvMain .mvProductList", "padding-top:"},
      {{}, kMin, ".mvMain .mvCartList .mvCartItem .mvCartItemTitle",
       "padding-top: -2147483646px;"},
  };
  for (const Case& c : cases) {
    CartSettings s;
    s.bounds = c.bounds;
    s.padding = c.padding;
    const std::string text(c.text);
    const bool absent = text.back() == ':';
    EXPECT_EQ(RuleOf(s, c.selector).find("\r\n   " + text) == std::string::npos, absent)
        << c.selector << " with padding " << c.padding << ": " << text;
  }
}

// Each edited style shows in its own rules only: `text` is a run of whole
// lines of the rule for `selector`.
TEST(StylesheetTest, EachStyleWritesItsFontAndColoursIntoItsOwnRules) {
  CartSettings c = PlacedCart();
  c.productsStyle.fontName = U("Trebuchet MS");
  c.productsStyle.bold = 2;
  c.productsStyle.italic = -1;
  c.productsStyle.underline = 1;
  c.productsStyle.fontSize = 7;
  c.buttonsStyle.underline = 1;
  c.buttonsStyle.bold = 1;
  c.checkoutButtonStyle.textColorHover = Rgb(1, 2, 3);
  c.listBackgroundColor = Rgb(0x11, 0x22, 0x33);
  c.mainStyle.backgroundColorHover = Rgb(0x44, 0x55, 0x66);
  c.messageBarStyle.borderColor = 0xAB998877;  // the top byte is ignored
  c.messageBarStyle.borderRadius = -4;
  const std::pair<const char*, const char*> lines[] = {
      {".mvMain .mvProductList .mvProducts",
       "   font-family: Trebuchet MS;\r\n   font-weight: bold;\r\n   font-style: italic;\r\n"
       "   text-decoration: underline;\r\n   font-size: 9.3px;\r\n"},
      {".mvLabelSubtotalText",
       "   font-family: Arial;\r\n   font-weight: normal;\r\n   font-style: normal;\r\n"
       "   text-decoration: none;\r\n"},
      {".mvRemove:hover",
       "   color: #FFFFFF;\r\n   background-color: #5A5655;\r\n"
       "   border: 1px solid #5A5655;\r\n   text-decoration: underline;\r\n}\r\n"},
      {".mvCheckoutButton:hover", "   color: #010203;\r\n"},
      {".mvCheckoutButton:hover", "   text-decoration: none;\r\n"},
      {".tooltip", "   color: #112233;\r\n"},
      {".sImgLoader", "   background-color: #112233;\r\n"},
      {".mvMain ul.mvMenuBar li a:hover", "   border-bottom: 1px solid #445566;\r\n"},
      {".mvMain ul.mvMenuBar li a.sel", "   background: #445566;\r\n"},
      {".mvMessageBar2", "   border: 1px solid #778899;\r\n"},
      {".mvMessageBar", "   -moz-border-radius: -4px;\r\n"},
  };
  for (const auto& [selector, text] : lines)
    EXPECT_NE(RuleOf(c, selector).find("\r\n" + std::string(text)), std::string::npos)
        << selector << " lacks " << text;
}

TEST(StylesheetTest, FontSizesFollowThePointTable) {
  const std::pair<int32_t, const char*> sizes[] = {
      {-5, "8"},  {6, "8"},   {7, "9.3"},  {8, "11"},  {9, "12"},  {10, "13"},
      {11, "15"}, {12, "16"}, {13, "17"},  {14, "19"}, {15, "20"}, {16, "21"},
      {17, "24"}, {18, "24"}, {19, "27"},  {20, "27"}, {21, "29"}, {22, "29"},
      {23, "32"}, {24, "32"}, {25, "35"},  {26, "35"}, {27, "37"}, {28, "37"},
      {29, "43"}, {32, "43"}, {33, "48"},  {36, "48"}, {37, "53"}, {40, "53"},
      {41, "64"}, {48, "64"}, {49, "75"},  {56, "75"}, {57, "85"}, {64, "85"},
      {65, "96"}, {72, "96"}, {73, "107"}, {80, "107"}, {81, "128"}, {96, "128"},
      {97, "12"}, {100, "12"},
  };
  for (const auto& [points, pixels] : sizes)
    EXPECT_EQ(FontSizeToString(points), U(pixels)) << points;
}

}  // namespace
}  // namespace mervane::testing
