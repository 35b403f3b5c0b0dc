#include "cart/definition.h"

#include <gtest/gtest.h>

#include "base/tool_error.h"
#include "framework/text.h"
#include "ostrel_test_support.h"
#include "widget/widget_host.h"

namespace ostrel {
namespace {

using mervane::CartSettings;
using mervane::Rgb;

CartSettings Parse(const std::string& json, const std::filesystem::path& base = "/base") {
  return ParseDefinition(json, base, "cart.json");
}

std::string ErrorOf(const std::string& json) {
  try {
    Parse(json);
  } catch (const ToolError& e) {
    EXPECT_EQ(e.status(), kExitBadInput) << e.what();
    return e.what();
  }
  return "no error";
}

// Every field away from its default and from the others, including values
// that only a raw number can carry (a colour with its top byte, a flag of 2).
CartSettings Unusual() {
  CartSettings s = DefaultDefinition();
  s.id = -7;
  s.reservedValue = 99;
  s.padding = 12;
  s.listBackgroundColor = 0xFF123456;
  s.bounds = {1, 2, 300, 400};
  s.publishFolders = {OSTR("png|pics")};
  s.products.Append({mervane::FromUtf8("Tarte “Tatin” — 8€"), OSTR("12.00"), OSTR("r1"),
                     PathForModule("/pics/tarte.png"), OSTR("two\r\nlines"), OSTR("r2"),
                     OSTR("T-1"), OSTR("r3"), OSTR("Tarts"), {OSTR("a"), OSTR("")},
                     {OSTR("b")}});
  s.products.Append(mervane::CProduct());
  s.paymentProcessor = 4;
  s.checkoutUrl = OSTR("https://pay.example.com/");
  s.hiddenFields = {OSTR("business|shop@example.com"), OSTR("x")};
  s.checkoutScript = OSTR("<?php echo 1;\r\n");
  s.enableCategoryFilter = 0;
  s.enableImage = 2;
  s.enableImageTooltip = -1;
  s.cssFileName = OSTR("shop.css");
  s.phpFileName = OSTR("buy.php");
  for (const mervane::CartText& t : mervane::kCartTexts) s.*t.field = mervane::FromAscii(t.name);
  s.messageBarStyle = {1, 0xFFFFFFFF, 3, 4, 5, OSTR("Verdana"), 14, 1, 2, 3, 9};
  return s;
}

TEST(Definition, EmptyObjectGivesTheDefaults) {
  CartSettings parsed = Parse("{}");
  EXPECT_EQ(StoreBlock(parsed), StoreBlock(CartSettings()));
  EXPECT_EQ(parsed.publishFolders, DefaultPublishFolders());
  EXPECT_EQ(parsed.bounds.right, 0);
}

// Colours are written as "#RRGGBB" unless their top byte is set.
TEST(Definition, EveryFieldRoundTripsThroughJson) {
  const CartSettings original = Unusual();
  const std::string json = FormatDefinition(original, {});
  const CartSettings parsed = Parse(json);
  EXPECT_EQ(StoreBlock(parsed), StoreBlock(original));
  EXPECT_EQ(parsed.publishFolders, original.publishFolders);
  EXPECT_EQ(parsed.bounds.bottom, 400);
  EXPECT_EQ(FormatDefinition(parsed, {}), json);
  for (const char* text : {"\"listBackgroundColor\": 4279383126", "\"textColor\": \"#5A5655\"",
                           "\"textColorHover\": 4294967295", "\"enableImage\": 2",
                           "\"enableSearch\": true"})
    EXPECT_NE(json.find(text), std::string::npos) << text;
}

TEST(Definition, ReadsColoursFlagsAndBounds) {
  CartSettings s = Parse(R"({"listBackgroundColor": "#a1B2c3", "enableSearch": false,
      "enableImage": 1, "bounds": [5, 6, 705, 506],
      "mainStyle": {"borderColor": 255, "bold": true}})");
  EXPECT_EQ(s.listBackgroundColor, Rgb(0xA1, 0xB2, 0xC3));
  EXPECT_EQ(s.enableSearch, 0);
  EXPECT_EQ(s.enableImage, 1);
  EXPECT_EQ(s.bounds.left, 5);
  EXPECT_EQ(s.bounds.bottom, 506);
  EXPECT_EQ(s.mainStyle.borderColor, 255u);
  EXPECT_EQ(s.mainStyle.bold, 1);
  EXPECT_EQ(s.mainStyle.fontSize, 10) << "keys left out keep the defaults";
}

TEST(Definition, ErrorsNameTheKey) {
  const std::pair<std::string, std::string> cases[] = {
      {R"({"paddding": 3})", "paddding: unknown key"},
      {R"({"mainStyle": {"colour": "#000000"}})", "mainStyle.colour: unknown key"},
      {R"({"products": [{}, {"price": 9.95}]})", "products[1].price: expected a string"},
      {R"({"padding": "2"})", "padding: expected a 32-bit integer"},
      {R"({"id": 2147483648})", "id: expected a 32-bit integer"},
      {R"({"enableSearch": "yes"})", "enableSearch: expected true, false or an integer"},
      {R"({"bounds": [1, 2, 3]})", "bounds: expected [left, top, right, bottom]"},
      {R"({"hiddenFields": ["a", 1]})", "hiddenFields[1]: expected a string"},
      {"[]", "expected a JSON object"},
  };
  for (const auto& [json, message] : cases) EXPECT_EQ(ErrorOf(json), "cart.json: " + message);
  EXPECT_EQ(ErrorOf("{").rfind("cart.json: not valid JSON: ", 0), 0u);
  for (const char* bad : {"\"#12345\"", "\"red\"", "\"#GG0000\"", "\"#1234567\"", "-1",
                          "4294967296", "1.5", "true"}) {
    EXPECT_EQ(ErrorOf(std::string(R"({"buttonsStyle": {"textColor": )") + bad + "}}"),
              "cart.json: buttonsStyle.textColor: expected a colour \"#RRGGBB\" or an "
              "integer 0 to 4294967295")
        << bad;
  }
}

// Pictures are read relative to the definition's folder and written back so.
TEST(Definition, ReplacingProductsKeepsTheOtherKeysAsWritten) {
  testing::TempFolder folder;
  auto file = folder.Write("cart.json", "{\"padding\": 7, \"products\": [{\"name\": \"Old\"}]}");
  mervane::ProductList products;
  mervane::CProduct p;
  p.name = OSTR("New");
  p.image = PathForModule(folder / "img/new.png");
  products.Append(p);
  products.Append(mervane::CProduct());
  ReplaceDefinitionProducts(file, products);
  const std::string text = ReadFileBytes(file);
  EXPECT_LT(text.find("\"padding\": 7"), text.find("\"products\"")) << text;
  EXPECT_EQ(text.find("labelCheckout"), std::string::npos) << "no keys added";
  EXPECT_NE(text.find("\"image\": \"img/new.png\""), std::string::npos);
  CartSettings s = ReadDefinition(file);
  ASSERT_EQ(s.products.Size(), 2u);
  EXPECT_EQ(s.products[0].name, OSTR("New"));
  EXPECT_EQ(s.products[0].image, p.image);
  EXPECT_TRUE(s.products[1].image.empty());
}

}  // namespace
}  // namespace ostrel
