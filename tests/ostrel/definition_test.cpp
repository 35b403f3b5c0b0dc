#include "definition.h"

#include <gtest/gtest.h>

#include "framework/text.h"
#include "ostrel_test_support.h"
#include "tool_error.h"
#include "widget_host.h"

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

// Every stored field and both run-time ones away from its default,
// including values that only a raw number can carry.
CartSettings Unusual() {
  CartSettings s = DefaultDefinition();
  s.id = -7;
  s.reservedValue = 99;
  s.padding = 12;
  s.listBackgroundColor = 0xFF123456;
  s.bounds = {1, 2, 300, 400};
  s.publishFolders = {OSTR("png|pics")};
  mervane::CProduct p;
  p.name = mervane::FromUtf8("Tarte “Tatin” — 8€");
  p.price = OSTR("12.00");
  p.image = PathForModule("/pics/tarte.png");
  p.description = OSTR("two\r\nlines");
  p.productId = OSTR("T-1");
  p.category = OSTR("Tarts");
  p.reserved1 = OSTR("r1");
  p.reserved2 = OSTR("r2");
  p.reserved3 = OSTR("r3");
  p.reservedList1 = {OSTR("a"), OSTR("")};
  p.reservedList2 = {OSTR("b")};
  s.products.Append(p);
  s.products.Append(mervane::CProduct());
  s.paymentProcessor = 4;
  s.checkoutUrl = OSTR("https://pay.example.com/");
  s.hiddenFields = {OSTR("business|shop@example.com"), OSTR("x")};
  s.checkoutScript = OSTR("<?php echo 1;\r\n");
  s.enableCategoryFilter = 0;
  s.enableImage = 2;
  s.cssFileName = OSTR("shop.css");
  s.phpFileName = OSTR("buy.php");
  s.labelCheckout = OSTR("Pay now");
  s.messageQuantityErrorUpdate = OSTR("No!");
  s.messageBarStyle.textColorHover = 0xFFFFFFFF;
  s.messageBarStyle.fontName = OSTR("Verdana");
  s.checkoutButtonStyle.bold = 1;
  s.checkoutButtonStyle.borderRadius = 9;
  return s;
}

TEST(Definition, EmptyObjectGivesTheDefaults) {
  CartSettings parsed = Parse("{}");
  EXPECT_EQ(StoreBlock(parsed), StoreBlock(CartSettings()));
  EXPECT_EQ(parsed.publishFolders, DefaultPublishFolders());
  EXPECT_EQ(parsed.bounds.right, 0);
}

TEST(Definition, EveryFieldRoundTripsThroughJson) {
  const CartSettings original = Unusual();
  const std::string json = FormatDefinition(original, {});
  const CartSettings parsed = Parse(json);
  EXPECT_EQ(StoreBlock(parsed), StoreBlock(original));
  EXPECT_EQ(parsed.publishFolders, original.publishFolders);
  EXPECT_EQ(parsed.bounds.bottom, 400);
  EXPECT_EQ(FormatDefinition(parsed, {}), json);
}

TEST(Definition, WritesColoursAsHexUnlessHighBitsAreSet) {
  const std::string json = FormatDefinition(Unusual(), {});
  EXPECT_NE(json.find("\"listBackgroundColor\": 4279383126"), std::string::npos);
  EXPECT_NE(json.find("\"textColorHover\": 4294967295"), std::string::npos);
  EXPECT_NE(json.find("\"textColor\": \"#5A5655\""), std::string::npos);
  EXPECT_NE(json.find("\"enableImage\": 2"), std::string::npos);
  EXPECT_NE(json.find("\"enableSearch\": true"), std::string::npos);
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

TEST(Definition, PicturePathsAreTakenFromTheDefinitionFolder) {
  testing::TempFolder folder;
  const std::string json = R"({"products": [{"image": "img/a.png"}, {"image": ""}]})";
  CartSettings s = Parse(json, folder.path());
  EXPECT_EQ(s.products[0].image, PathForModule(folder / "img/a.png"));
  EXPECT_TRUE(s.products[1].image.empty());
  EXPECT_NE(FormatDefinition(s, folder.path()).find("\"image\": \"img/a.png\""),
            std::string::npos);
  EXPECT_EQ(FormatDefinition(s, {}).find("\"image\": \"img/a.png\""), std::string::npos);
}

TEST(Definition, ErrorsNameTheKey) {
  EXPECT_EQ(ErrorOf(R"({"paddding": 3})"), "cart.json: paddding: unknown key");
  EXPECT_EQ(ErrorOf(R"({"mainStyle": {"colour": "#000000"}})"),
            "cart.json: mainStyle.colour: unknown key");
  EXPECT_EQ(ErrorOf(R"({"products": [{}, {"price": 9.95}]})"),
            "cart.json: products[1].price: expected a string");
  EXPECT_EQ(ErrorOf(R"({"padding": "2"})"), "cart.json: padding: expected a 32-bit integer");
  EXPECT_EQ(ErrorOf(R"({"id": 2147483648})"), "cart.json: id: expected a 32-bit integer");
  EXPECT_EQ(ErrorOf(R"({"enableSearch": "yes"})"),
            "cart.json: enableSearch: expected true, false or an integer");
  EXPECT_EQ(ErrorOf(R"({"bounds": [1, 2, 3]})"),
            "cart.json: bounds: expected [left, top, right, bottom]");
  EXPECT_EQ(ErrorOf(R"({"hiddenFields": ["a", 1]})"),
            "cart.json: hiddenFields[1]: expected a string");
  EXPECT_EQ(ErrorOf("[]"), "cart.json: expected a JSON object");
  EXPECT_EQ(ErrorOf("{").rfind("cart.json: not valid JSON: ", 0), 0u);
}

TEST(Definition, RejectsBadColours) {
  for (const char* bad : {"\"#12345\"", "\"red\"", "\"#GG0000\"", "\"#1234567\"", "-1",
                          "4294967296", "1.5", "true"}) {
    EXPECT_EQ(ErrorOf(std::string(R"({"buttonsStyle": {"textColor": )") + bad + "}}"),
              "cart.json: buttonsStyle.textColor: expected a colour \"#RRGGBB\" or an "
              "integer 0 to 4294967295")
        << bad;
  }
}

TEST(Definition, ReplacingProductsKeepsTheOtherKeysAsWritten) {
  testing::TempFolder folder;
  auto file = folder.Write("cart.json", "{\"padding\": 7, \"products\": [{\"name\": \"Old\"}]}");
  mervane::ProductList products;
  mervane::CProduct p;
  p.name = OSTR("New");
  p.image = PathForModule(folder / "img/new.png");
  products.Append(p);
  ReplaceDefinitionProducts(file, products);
  const std::string text = ReadFileBytes(file);
  EXPECT_LT(text.find("\"padding\": 7"), text.find("\"products\"")) << text;
  EXPECT_EQ(text.find("labelCheckout"), std::string::npos) << "no keys added";
  CartSettings s = ReadDefinition(file);
  ASSERT_EQ(s.products.Size(), 1u);
  EXPECT_EQ(s.products[0].name, OSTR("New"));
  EXPECT_EQ(s.products[0].image, p.image);
  EXPECT_NE(text.find("\"image\": \"img/new.png\""), std::string::npos);
}

}  // namespace
}  // namespace ostrel
