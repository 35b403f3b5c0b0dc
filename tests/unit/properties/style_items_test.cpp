#include "properties/style_items.h"

#include <gtest/gtest.h>

#include "model/cart_settings.h"
#include "properties/font_names.h"
#include "properties/sheet_transfer.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

// Styles in stored order: main, products, buttons, message bar, checkout.
StylePageCopies CopiesOfNewCart() { return CopyIn(CartSettings()).style; }

// How many of the copy's fields differ; a style record counts as one.
int Differences(const StylePageCopies& a, const StylePageCopies& b) {
  int count = (a.padding != b.padding) + (a.cssFileName != b.cssFileName) +
              (a.phpFileName != b.phpFileName);
  for (size_t i = 0; i < a.texts.size(); ++i) count += a.texts[i] != b.texts[i];
  for (size_t i = 0; i < a.styles.size(); ++i) count += !(a.styles[i] == b.styles[i]);
  return count;
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
  EXPECT_EQ(copies.styles[0].textColorHover, 0x123456u);
  EXPECT_EQ(copies.styles[0].backgroundColorHover, 0x123456u);
  ASSERT_TRUE(WriteStyleValue(copies, U("Buttons"), U("TextColorHover"), value));
  EXPECT_EQ(copies.styles[2].textColorHover, 0x123456u);
  EXPECT_EQ(copies.styles[4], original.styles[4]);

  ASSERT_TRUE(WriteStyleValue(copies, U("Labels"), U("Products"), value));
  EXPECT_EQ(copies.texts[9], U("Edited"));
  ASSERT_TRUE(WriteStyleValue(copies, U("Products"), U("Bold"), value));
  EXPECT_EQ(copies.styles[1].bold, 1);

  value.number = 0;
  ASSERT_TRUE(WriteStyleValue(copies, U("Miscellaneous"), U("Padding"), value));
  EXPECT_EQ(copies.padding, 0);

  EXPECT_FALSE(WriteStyleValue(copies, U("Other"), U("Bold"), value));
  EXPECT_FALSE(WriteStyleValue(copies, U("Main"), U("BorderRadius2"), value));
}

TEST(StyleItems, FontListsWithoutSelectionKeepTheStoredValue) {
  StylePageCopies copies = CopiesOfNewCart();
  CFontStyle& main = copies.styles[0];
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
}  // namespace mervane::testing
