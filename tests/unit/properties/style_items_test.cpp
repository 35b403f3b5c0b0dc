#include "properties/style_items.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "model/cart_settings.h"
#include "properties/font_names.h"
#include "properties/sheet_transfer.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

StylePageCopies CopiesOfNewCart() { return CopyIn(CartSettings()).style; }

// How many of the copy's fields differ; a style record counts as one.
int Differences(const StylePageCopies& a, const StylePageCopies& b) {
  int count = (a.padding != b.padding) + (a.cssFileName != b.cssFileName);
  for (const CartText& t : kCartTexts) count += a.*t.field != b.*t.field;
  for (const CartStyle& s : kCartStyles) count += !(a.*s.field == b.*s.field);
  return count;
}

// The item a category shows under a name, as the page shows it.
const StyleItem& ItemNamed(const char* category, const char* name) {
  for (const StyleCategory& c : StyleCategories()) {
    for (const StyleItem& item : c.items) {
      if (c.name == U(category) && item.name == U(name)) return item;
    }
  }
  throw std::invalid_argument(name);
}

// Every item reads its field, writes back what it read unchanged, and a new
// value changes that one field and nothing else; its number finds it again.
TEST(StyleItems, EveryItemEditsItsOwnFieldOnly) {
  const StylePageCopies original = CopiesOfNewCart();
  size_t number = 0;
  for (const StyleCategory& category : StyleCategories()) {
    for (const StyleItem& item : category.items) {
      SCOPED_TRACE(ToUtf8(OString(category.name) + U(" / ") + item.name));
      EXPECT_EQ(StyleItemNumbered(number++), &item);
      StylePageCopies copies = original;
      StyleValue value = ReadStyleValue(copies, item);
      WriteStyleValue(copies, item, value);
      EXPECT_EQ(Differences(copies, original), 0);
      value.text = item.editor == StyleEditor::kFontSize ? U("72") : value.text + U("x");
      value.number = value.number == 0 ? 1 : 0;
      WriteStyleValue(copies, item, value);
      EXPECT_EQ(Differences(copies, original), 1);
    }
  }
  EXPECT_EQ(StyleItemNumbered(number), nullptr);
}

TEST(StyleItems, WriteBackFollowsCategoriesToTheirFields) {
  StylePageCopies copies = CopiesOfNewCart();
  const StylePageCopies original = copies;
  StyleValue value;
  value.number = 0x123456;
  value.text = U("Edited");
  WriteStyleValue(copies, ItemNamed("Main", "TabTextColor"), value);
  WriteStyleValue(copies, ItemNamed("Main", "TabBackgroundColor"), value);
  EXPECT_EQ(copies.mainStyle.textColorHover, 0x123456u);
  EXPECT_EQ(copies.mainStyle.backgroundColorHover, 0x123456u);
  WriteStyleValue(copies, ItemNamed("Buttons", "TextColorHover"), value);
  EXPECT_EQ(copies.buttonsStyle.textColorHover, 0x123456u);
  EXPECT_EQ(copies.checkoutButtonStyle, original.checkoutButtonStyle);

  WriteStyleValue(copies, ItemNamed("Labels", "Products"), value);
  EXPECT_EQ(copies.labelProducts, U("Edited"));
  WriteStyleValue(copies, ItemNamed("Products", "Bold"), value);
  EXPECT_EQ(copies.productsStyle.bold, 1);

  value.number = 0;
  WriteStyleValue(copies, ItemNamed("Miscellaneous", "Padding"), value);
  EXPECT_EQ(copies.padding, 0);
}

TEST(StyleItems, FontListsWithoutSelectionKeepTheStoredValue) {
  StylePageCopies copies = CopiesOfNewCart();
  CFontStyle& main = copies.mainStyle;
  main.fontSize = 13;
  main.fontName = U("Not Installed");
  EXPECT_EQ(ReadStyleValue(copies, ItemNamed("Main", "FontSize")).text, U("13"));
  StyleValue none;
  none.selected = false;
  WriteStyleValue(copies, ItemNamed("Main", "FontSize"), none);
  WriteStyleValue(copies, ItemNamed("Main", "FontName"), none);
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
