#include "properties/style_items.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "framework/text.h"
#include "model/cart_settings.h"

namespace mervane {

namespace {

using Name = std::basic_string_view<OChar>;

// The style items that every style category draws from.
const StyleItem kStyleItems[] = {
    {OSTR("BackgroundColor"), OSTR("Specifies the background color"), StyleEditor::kColor},
    {OSTR("BackgroundColorHover"), OSTR("Specifies the background color"), StyleEditor::kColor},
    {OSTR("TabBackgroundColor"), OSTR("Specifies the background color"), StyleEditor::kColor},
    {OSTR("Bold"), OSTR("Specifies whether to use Bold style"), StyleEditor::kYesNo},
    {OSTR("BorderColor"), OSTR("Specifies the border color"), StyleEditor::kColor},
    {OSTR("BorderRadius"), OSTR("Specifies radius of the border."), StyleEditor::kNumber},
    {OSTR("FontName"), OSTR("Specifies the font name"), StyleEditor::kFontName},
    {OSTR("FontSize"), OSTR("Specifies the font size"), StyleEditor::kFontSize},
    {OSTR("Italic"), OSTR("Specifies whether to use Italic style"), StyleEditor::kYesNo},
    {OSTR("TextColor"), OSTR("Specifies the text color"), StyleEditor::kColor},
    {OSTR("TextColorHover"), OSTR("Specifies the text color"), StyleEditor::kColor},
    {OSTR("TabTextColor"), OSTR("Specifies the text color"), StyleEditor::kColor},
    {OSTR("Underline"), OSTR("Specifies whether to use Underline style"), StyleEditor::kYesNo},
};

// The label and message items, in the storage order of the 24 texts.
const StyleItem kTextItems[24] = {
    {OSTR("Cart Menu Name"), OSTR("Specifies cart menu name label. _COUNT_ will be replaced with cart count."), StyleEditor::kText},
    {OSTR("Cart Menu Name Tooltip"), OSTR("Specifies cart menu name tooltip label"), StyleEditor::kText},
    {OSTR("Product Menu Name"), OSTR("Specifies product menu name label"), StyleEditor::kText},
    {OSTR("Search Button"), OSTR("Specifies 'search' button label"), StyleEditor::kText},
    {OSTR("Search Text"), OSTR("Specifies search text label"), StyleEditor::kText},
    {OSTR("Category Text"), OSTR("Specifies category text label"), StyleEditor::kText},
    {OSTR("Clear Button"), OSTR("Specifies 'clear' button label"), StyleEditor::kText},
    {OSTR("AddToCart Button"), OSTR("Specifies 'add to cart' button label"), StyleEditor::kText},
    {OSTR("Quantity Text"), OSTR("Specifies quantity text label"), StyleEditor::kText},
    {OSTR("Products"), OSTR("Specifies products label"), StyleEditor::kText},
    {OSTR("Price"), OSTR("Specifies price label"), StyleEditor::kText},
    {OSTR("Subtotal"), OSTR("Specifies sub total label"), StyleEditor::kText},
    {OSTR("Total"), OSTR("Specifies total label"), StyleEditor::kText},
    {OSTR("Remove"), OSTR("Specifies remove label"), StyleEditor::kText},
    {OSTR("Checkout"), OSTR("Specifies checkout label"), StyleEditor::kText},
    {OSTR("Confirm Remove"), OSTR("Specifies 'confirm remove' message.  _PRODUCTNAME_ will be replaced with actual product name"), StyleEditor::kText},
    {OSTR("Cart Empty"), OSTR("Specifies 'cart empty' message"), StyleEditor::kText},
    {OSTR("Product Empty"), OSTR("Specifies 'product empty' message"), StyleEditor::kText},
    {OSTR("Product Add Error"), OSTR("Specifies 'product add error' message"), StyleEditor::kText},
    {OSTR("Item Added"), OSTR("Specifies 'item added' message"), StyleEditor::kText},
    {OSTR("Item Removed"), OSTR("Specifies 'item removed' message"), StyleEditor::kText},
    {OSTR("Quantity Updated"), OSTR("Specifies 'quantity updated' message"), StyleEditor::kText},
    {OSTR("Quantity Error Add"), OSTR("Specifies 'quantity error add' message"), StyleEditor::kText},
    {OSTR("Quantity Error Update"), OSTR("Specifies 'quantity error update' message"), StyleEditor::kText},
};
constexpr size_t kLabelCount = 15;

const StyleItem kPaddingItem = {OSTR("Padding"), OSTR("Specifies padding between items."), StyleEditor::kNumber};
const StyleItem kCssFileItem = {OSTR("Filename CSS"), OSTR("Specifies the CSS filename"), StyleEditor::kText};

// A style category: its name, the style it stands for (by its member) and
// the style items it shows.
struct StyleCategoryRule {
  const OChar* name;
  CFontStyle CartSettings::*style;
  std::initializer_list<Name> items;
};

const StyleCategoryRule kStyleCategories[] = {
    {OSTR("Buttons"), &CartSettings::buttonsStyle,
     {OSTR("BackgroundColor"), OSTR("BackgroundColorHover"), OSTR("Bold"), OSTR("BorderColor"),
      OSTR("BorderRadius"), OSTR("FontName"), OSTR("FontSize"), OSTR("Italic"), OSTR("TextColor"),
      OSTR("TextColorHover"), OSTR("Underline")}},
    {OSTR("Checkout Button"), &CartSettings::checkoutButtonStyle,
     {OSTR("BackgroundColor"), OSTR("BackgroundColorHover"), OSTR("Bold"), OSTR("BorderColor"),
      OSTR("BorderRadius"), OSTR("FontName"), OSTR("FontSize"), OSTR("Italic"), OSTR("TextColor"),
      OSTR("TextColorHover"), OSTR("Underline")}},
    {OSTR("Main"), &CartSettings::mainStyle,
     {OSTR("BackgroundColor"), OSTR("Bold"), OSTR("BorderColor"), OSTR("FontName"), OSTR("FontSize"),
      OSTR("Italic"), OSTR("TabBackgroundColor"), OSTR("TabTextColor"), OSTR("TextColor")}},
    {OSTR("Message Bar"), &CartSettings::messageBarStyle,
     {OSTR("BackgroundColor"), OSTR("Bold"), OSTR("BorderColor"), OSTR("BorderRadius"),
      OSTR("FontName"), OSTR("FontSize"), OSTR("Italic"), OSTR("TextColor"), OSTR("Underline")}},
    {OSTR("Products"), &CartSettings::productsStyle,
     {OSTR("BackgroundColor"), OSTR("Bold"), OSTR("BorderColor"), OSTR("FontName"), OSTR("FontSize"),
      OSTR("Italic"), OSTR("TextColor"), OSTR("Underline")}},
};

const StyleItem& StyleItemNamed(Name name) {
  for (const StyleItem& item : kStyleItems) {
    if (name == item.name) return item;
  }
  return kStyleItems[0];  // every name of kStyleCategories is listed above
}

StyleCategory StyleCategoryFrom(const StyleCategoryRule& rule) {
  StyleCategory category{rule.name, {}};
  for (Name name : rule.items) category.items.push_back(StyleItemNamed(name));
  return category;
}

StyleCategory TextCategory(const OChar* name, size_t first, size_t end) {
  return {name, std::vector<StyleItem>(kTextItems + first, kTextItems + end)};
}

std::vector<StyleCategory> BuildCategories() {
  return {
      {OSTR("Miscellaneous"), {kCssFileItem, kPaddingItem}},
      StyleCategoryFrom(kStyleCategories[0]),
      StyleCategoryFrom(kStyleCategories[1]),
      StyleCategoryFrom(kStyleCategories[2]),
      StyleCategoryFrom(kStyleCategories[3]),
      TextCategory(OSTR("Labels"), 0, kLabelCount),
      TextCategory(OSTR("Messages"), kLabelCount, 24),
      StyleCategoryFrom(kStyleCategories[4]),
  };
}

// The copy's style record that a category stands for, or null.
CFontStyle* StyleOfCategory(StylePageCopies& copies, const OString& category) {
  for (const StyleCategoryRule& rule : kStyleCategories) {
    if (category != rule.name) continue;
    for (size_t i = 0; i < kCartStyles.size(); ++i) {
      if (kCartStyles[i].field == rule.style) return &copies.styles[i];
    }
  }
  return nullptr;
}

// The field an item edits: one of a text, an integer or a colour.
struct StyleField {
  OString* text = nullptr;
  int32_t* integer = nullptr;
  OColor* color = nullptr;
  StyleEditor editor = StyleEditor::kText;
};

StyleField FieldOfStyle(CFontStyle& style, const OString& item) {
  struct Member {
    const OChar* name;
    OColor CFontStyle::*color;
    int32_t CFontStyle::*integer;
    StyleEditor editor;
  };
  static const Member kMembers[] = {
      {OSTR("TextColor"), &CFontStyle::textColor, nullptr, StyleEditor::kColor},
      {OSTR("TextColorHover"), &CFontStyle::textColorHover, nullptr, StyleEditor::kColor},
      {OSTR("TabTextColor"), &CFontStyle::textColorHover, nullptr, StyleEditor::kColor},
      {OSTR("BackgroundColor"), &CFontStyle::backgroundColor, nullptr, StyleEditor::kColor},
      {OSTR("BackgroundColorHover"), &CFontStyle::backgroundColorHover, nullptr, StyleEditor::kColor},
      {OSTR("TabBackgroundColor"), &CFontStyle::backgroundColorHover, nullptr, StyleEditor::kColor},
      {OSTR("BorderColor"), &CFontStyle::borderColor, nullptr, StyleEditor::kColor},
      {OSTR("Bold"), nullptr, &CFontStyle::bold, StyleEditor::kYesNo},
      {OSTR("Italic"), nullptr, &CFontStyle::italic, StyleEditor::kYesNo},
      {OSTR("Underline"), nullptr, &CFontStyle::underline, StyleEditor::kYesNo},
      {OSTR("BorderRadius"), nullptr, &CFontStyle::borderRadius, StyleEditor::kNumber},
      {OSTR("FontSize"), nullptr, &CFontStyle::fontSize, StyleEditor::kFontSize},
  };
  if (item == OSTR("FontName")) return {&style.fontName, nullptr, nullptr, StyleEditor::kFontName};
  for (const Member& m : kMembers) {
    if (item != m.name) continue;
    if (m.color != nullptr) return {nullptr, nullptr, &(style.*m.color), m.editor};
    return {nullptr, &(style.*m.integer), nullptr, m.editor};
  }
  return {};
}

StyleField FindField(StylePageCopies& copies, const OString& category,
                     const OString& item) {
  if (item == kPaddingItem.name) return {nullptr, &copies.padding, nullptr, StyleEditor::kNumber};
  if (item == kCssFileItem.name) return {&copies.cssFileName};
  for (size_t i = 0; i < copies.texts.size(); ++i) {
    if (item == kTextItems[i].name) return {&copies.texts[i]};
  }
  CFontStyle* style = StyleOfCategory(copies, category);
  return style != nullptr ? FieldOfStyle(*style, item) : StyleField{};
}

int32_t DecimalValue(const OString& text) {
  int64_t value = 0;
  for (OChar c : text) {
    if (c < '0' || c > '9' || value > INT32_MAX / 10) break;
    value = value * 10 + (c - '0');
  }
  return static_cast<int32_t>(value);
}

}  // namespace

const OChar kStyleStoreName[] = OSTR("Page");

const std::array<int32_t, 18> kFontSizes = {6,  7,  8,  9,  10, 11, 12, 14, 16,
                                            18, 20, 22, 24, 26, 28, 36, 48, 72};

const std::vector<StyleCategory>& StyleCategories() {
  static const std::vector<StyleCategory> categories = BuildCategories();
  return categories;
}

StyleValue ReadStyleValue(const StylePageCopies& copies, const OString& category,
                          const OString& item) {
  // FindField only locates the field; nothing is written through it here.
  StyleField field = FindField(const_cast<StylePageCopies&>(copies), category, item);
  StyleValue value;
  if (field.text != nullptr) value.text = *field.text;
  if (field.color != nullptr) value.number = *field.color;
  if (field.integer != nullptr) value.number = *field.integer;
  if (field.editor == StyleEditor::kFontSize) value.text = IntToText(value.number);
  return value;
}

bool WriteStyleValue(StylePageCopies& copies, const OString& category,
                     const OString& item, const StyleValue& value) {
  StyleField field = FindField(copies, category, item);
  if (field.text == nullptr && field.integer == nullptr && field.color == nullptr) {
    return false;
  }
  // A list with nothing selected shows the value it opened with as its text:
  // writing that text keeps the field, and restores it after a reset.
  bool isList = field.editor == StyleEditor::kFontName || field.editor == StyleEditor::kFontSize;
  if (isList && !value.selected && value.text.empty()) return true;
  if (field.text != nullptr) *field.text = value.text;
  if (field.color != nullptr) *field.color = static_cast<OColor>(value.number);
  if (field.integer == nullptr) return true;
  if (field.editor == StyleEditor::kFontSize) {
    *field.integer = DecimalValue(value.text);
  } else if (field.editor == StyleEditor::kYesNo) {
    *field.integer = value.number != 0 ? 1 : 0;
  } else {
    *field.integer = static_cast<int32_t>(value.number);
  }
  return true;
}

}  // namespace mervane
