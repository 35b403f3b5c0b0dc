#include "properties/style_items.h"

#include <gtest/gtest.h>

#include "model/cart_settings.h"
#include "properties/font_names.h"
#include "test_support.h"

namespace mervane {
namespace {

using testing::U;

StylePageCopies CopiesOfNewCart() {
  CartSettings cart;
  StylePageCopies copies;
  copies.padding = cart.padding;
  for (size_t i = 0; i < kCartTexts.size(); ++i) copies.texts[i] = cart.*kCartTexts[i].field;
  for (size_t i = 0; i < kCartStyles.size(); ++i) copies.styles[i] = cart.*kCartStyles[i].field;
  copies.cssFileName = cart.cssFileName;
  copies.phpFileName = cart.phpFileName;
  return copies;
}

template <typename Copies>
auto& Style(Copies& copies, CFontStyle CartSettings::*field) {
  size_t i = 0;
  while (kCartStyles[i].field != field) ++i;
  return copies.styles[i];
}

// How many of the copy's fields differ; a style record counts as one.
int Differences(const StylePageCopies& a, const StylePageCopies& b) {
  int count = (a.padding != b.padding) + (a.cssFileName != b.cssFileName) +
              (a.phpFileName != b.phpFileName);
  for (size_t i = 0; i < a.texts.size(); ++i) count += a.texts[i] != b.texts[i];
  for (size_t i = 0; i < a.styles.size(); ++i) count += !(a.styles[i] == b.styles[i]);
  return count;
}

TEST(StyleItems, CategoriesInOrderWithTheirItemCounts) {
  const std::pair<const char*, size_t> expected[] = {
      {"Miscellaneous", 2}, {"Buttons", 11}, {"Checkout Button", 11}, {"Main", 9},
      {"Message Bar", 9},   {"Labels", 15},  {"Messages", 9},         {"Products", 8}};
  const auto& categories = StyleCategories();
  ASSERT_EQ(categories.size(), std::size(expected));
  for (size_t i = 0; i < categories.size(); ++i) {
    EXPECT_EQ(OString(categories[i].name), U(expected[i].first));
    EXPECT_EQ(categories[i].items.size(), expected[i].second) << expected[i].first;
  }
  EXPECT_NE(OString(categories[6].items[0].description).find(U("message.  _PRODUCTNAME_")),
            OString::npos);
}

// Every item reads its field, writes back what it read unchanged, and a new
// value changes that one field and nothing else.
TEST(StyleItems, EveryItemEditsItsOwnFieldOnly) {
  const StylePageCopies original = CopiesOfNewCart();
  for (const StyleCategory& category : StyleCategories()) {
    for (const StyleItem& item : category.items) {
      SCOPED_TRACE(ToUtf8(OString(category.name) + U(" / ") + item.name));
      StylePageCopies copies = original;
      StyleValue value = ReadStyleValue(copies, category.name, item.name);
      ASSERT_TRUE(WriteStyleValue(copies, category.name, item.name, value));
      EXPECT_EQ(Differences(copies, original), 0);
      value.text = item.editor == StyleEditor::kFontSize ? U("72") : value.text + U("x");
      value.number = value.number == 0 ? 1 : 0;
      ASSERT_TRUE(WriteStyleValue(copies, category.name, item.name, value));
      EXPECT_EQ(Differences(copies, original), 1);
    }
  }
}

TEST(StyleItems, WriteBackFollowsNamesAndCategories) {
  StylePageCopies copies = CopiesOfNewCart();
  const StylePageCopies original = copies;
  StyleValue value;
  value.number = 0x123456;
  value.text = U("Edited");
  ASSERT_TRUE(WriteStyleValue(copies, U("Main"), U("TabTextColor"), value));
  ASSERT_TRUE(WriteStyleValue(copies, U("Main"), U("TabBackgroundColor"), value));
  EXPECT_EQ(Style(copies, &CartSettings::mainStyle).textColorHover, 0x123456u);
  EXPECT_EQ(Style(copies, &CartSettings::mainStyle).backgroundColorHover, 0x123456u);
  ASSERT_TRUE(WriteStyleValue(copies, U("Buttons"), U("TextColorHover"), value));
  EXPECT_EQ(Style(copies, &CartSettings::buttonsStyle).textColorHover, 0x123456u);
  EXPECT_EQ(Style(copies, &CartSettings::checkoutButtonStyle),
            Style(original, &CartSettings::checkoutButtonStyle));

  ASSERT_TRUE(WriteStyleValue(copies, U("Labels"), U("Products"), value));
  EXPECT_EQ(copies.texts[9], U("Edited"));
  ASSERT_TRUE(WriteStyleValue(copies, U("Products"), U("Bold"), value));
  EXPECT_EQ(Style(copies, &CartSettings::productsStyle).bold, 1);

  value.number = 0;
  ASSERT_TRUE(WriteStyleValue(copies, U("Miscellaneous"), U("Padding"), value));
  EXPECT_EQ(copies.padding, 0);

  EXPECT_FALSE(WriteStyleValue(copies, U("Other"), U("Bold"), value));
  EXPECT_FALSE(WriteStyleValue(copies, U("Main"), U("BorderRadius2"), value));
}

TEST(StyleItems, FontListsWithoutSelectionKeepTheStoredValue) {
  StylePageCopies copies = CopiesOfNewCart();
  CFontStyle& main = Style(copies, &CartSettings::mainStyle);
  main.fontSize = 13;
  main.fontName = U("Not Installed");
  EXPECT_EQ(ReadStyleValue(copies, U("Main"), U("FontSize")).text, U("13"));
  StyleValue none;
  none.selected = false;
  ASSERT_TRUE(WriteStyleValue(copies, U("Main"), U("FontSize"), none));
  ASSERT_TRUE(WriteStyleValue(copies, U("Main"), U("FontName"), none));
  EXPECT_EQ(main.fontSize, 13);
  EXPECT_EQ(main.fontName, U("Not Installed"));
}

TEST(FontNames, OnlyHorizontalTrueTypeTextFacesAreListed) {
  struct Case { const char* name; uint32_t type; uint8_t charSet; bool listed; };
  const Case cases[] = {{"Arial", 4, 0, true},     {"Arial", 4 | 1, 0, false},
                        {"Courier", 1, 0, false},  {"Symbol", 4, 2, false},
                        {"@MS Gothic", 4, 128, false}, {"MS Gothic", 4, 128, true}};
  for (const Case& c : cases) {
    EXPECT_EQ(IsListedFontFace({U(c.name), c.type, c.charSet}), c.listed) << c.name;
  }
}

TEST(FontNames, InsertionKeepsCodeUnitOrderAndEachNameOnce) {
  std::vector<OString> names;
  for (const char* name : {"Tahoma", "Verdana", "Arial", "Times", "Verdana", "arial", "Zapf"}) {
    InsertFontName(names, U(name));
  }
  const std::vector<OString> expected = {U("Arial"), U("Tahoma"), U("Times"), U("Verdana"),
                                         U("Zapf"), U("arial")};
  EXPECT_EQ(names, expected);
}

}  // namespace
}  // namespace mervane
