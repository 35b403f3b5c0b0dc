#include "properties/style_items.h"

#include <cstdint>
#include <initializer_list>
#include <stdexcept>

#include "framework/text.h"
#include "model/cart_settings.h"

namespace mervane {

namespace {

const StyleItem kPaddingItem = {OSTR("Padding"), OSTR("Specifies padding between items."),
                                StyleEditor::kNumber, StyleSource::kPadding};
const StyleItem kCssFileItem = {OSTR("Filename CSS"), OSTR("Specifies the CSS filename"),
                                StyleEditor::kText, StyleSource::kCssFileName};

// What a category shows: the page's own two items, the labels or the
// messages, or the fields of one style (in the order given, the "Main"
// category under its own names for the hover colours).
enum class CategoryContent { kMiscellaneous, kLabels, kMessages, kStyle };

struct CategoryRule {
  const OChar* name;
  CategoryContent content;
  CFontStyle CartSettings::*style = nullptr;
  bool tabNames = false;
  std::initializer_list<StyleMember> fields = {};
};

using S = CFontStyle;

// In the order the page shows them; a style's fields in the order of their
// item names.
const CategoryRule kCategories[] = {
    {OSTR("Miscellaneous"), CategoryContent::kMiscellaneous},
    {OSTR("Buttons"), CategoryContent::kStyle, &CartSettings::buttonsStyle, false,
     {&S::backgroundColor, &S::backgroundColorHover, &S::bold, &S::borderColor,
      &S::borderRadius, &S::fontName, &S::fontSize, &S::italic, &S::textColor,
      &S::textColorHover, &S::underline}},
    {OSTR("Checkout Button"), CategoryContent::kStyle, &CartSettings::checkoutButtonStyle, false,
     {&S::backgroundColor, &S::backgroundColorHover, &S::bold, &S::borderColor,
      &S::borderRadius, &S::fontName, &S::fontSize, &S::italic, &S::textColor,
      &S::textColorHover, &S::underline}},
    {OSTR("Main"), CategoryContent::kStyle, &CartSettings::mainStyle, true,
     {&S::backgroundColor, &S::bold, &S::borderColor, &S::fontName, &S::fontSize, &S::italic,
      &S::backgroundColorHover, &S::textColorHover, &S::textColor}},
    {OSTR("Message Bar"), CategoryContent::kStyle, &CartSettings::messageBarStyle, false,
     {&S::backgroundColor, &S::bold, &S::borderColor, &S::borderRadius, &S::fontName,
      &S::fontSize, &S::italic, &S::textColor, &S::underline}},
    {OSTR("Labels"), CategoryContent::kLabels},
    {OSTR("Messages"), CategoryContent::kMessages},
    {OSTR("Products"), CategoryContent::kStyle, &CartSettings::productsStyle, false,
     {&S::backgroundColor, &S::bold, &S::borderColor, &S::fontName, &S::fontSize, &S::italic,
      &S::textColor, &S::underline}},
};

const StyleField& RowOf(const StyleMember& m) {
  for (const StyleField& f : kStyleFields) {
    if (f.field.color == m.color && f.field.text == m.text && f.field.integer == m.integer)
      return f;
  }
  throw std::logic_error("a style category names a field without a row");
}

size_t StyleRowOf(CFontStyle CartSettings::*style) {
  for (size_t i = 0; i < kCartStyles.size(); ++i) {
    if (kCartStyles[i].field == style) return i;
  }
  throw std::logic_error("a style category names a style without a row");
}

void AddStyleFields(StyleCategory& category, const CategoryRule& rule) {
  const size_t style = StyleRowOf(rule.style);
  for (const StyleMember& m : rule.fields) {
    const StyleField& f = RowOf(m);
    const OChar* name = rule.tabNames && f.tabItem != nullptr ? f.tabItem : f.item;
    category.items.push_back({name, f.description, f.editor, StyleSource::kStyle, style, &f});
  }
}

void AddTexts(StyleCategory& category, TextKind kind) {
  for (size_t i = 0; i < kCartTexts.size(); ++i) {
    const CartText& t = kCartTexts[i];
    if (t.kind == kind)
      category.items.push_back({t.item, t.description, StyleEditor::kText, StyleSource::kText, i});
  }
}

StyleCategory CategoryFrom(const CategoryRule& rule) {
  StyleCategory category{rule.name, {}};
  switch (rule.content) {
    case CategoryContent::kMiscellaneous: category.items = {kCssFileItem, kPaddingItem}; break;
    case CategoryContent::kLabels: AddTexts(category, TextKind::kLabel); break;
    case CategoryContent::kMessages: AddTexts(category, TextKind::kMessage); break;
    case CategoryContent::kStyle: AddStyleFields(category, rule); break;
  }
  return category;
}

std::vector<StyleCategory> BuildCategories() {
  std::vector<StyleCategory> categories;
  for (const CategoryRule& rule : kCategories) categories.push_back(CategoryFrom(rule));
  return categories;
}

// The field an item edits: one of a text, an integer or a colour.
struct FieldRef {
  OString* text = nullptr;
  int32_t* integer = nullptr;
  OColor* color = nullptr;
};

FieldRef FieldOfStyle(CFontStyle& style, const StyleMember& m) {
  if (m.color != nullptr) return {nullptr, nullptr, &(style.*m.color)};
  if (m.text != nullptr) return {&(style.*m.text)};
  return {nullptr, &(style.*m.integer)};
}

FieldRef FieldOf(StylePageCopies& copies, const StyleItem& item) {
  switch (item.source) {
    case StyleSource::kPadding: return {nullptr, &copies.padding};
    case StyleSource::kCssFileName: return {&copies.cssFileName};
    case StyleSource::kText: return {&(copies.*kCartTexts.at(item.row).field)};
    case StyleSource::kStyle: return FieldOfStyle(copies.*kCartStyles.at(item.row).field, item.field->field);
  }
  return {};
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

const StyleItem* StyleItemNumbered(size_t number) {
  for (const StyleCategory& category : StyleCategories()) {
    if (number < category.items.size()) return &category.items[number];
    number -= category.items.size();
  }
  return nullptr;
}

StyleValue ReadStyleValue(const StylePageCopies& copies, const StyleItem& item) {
  // FieldOf only locates the field; nothing is written through it here.
  const FieldRef field = FieldOf(const_cast<StylePageCopies&>(copies), item);
  StyleValue value;
  if (field.text != nullptr) value.text = *field.text;
  if (field.color != nullptr) value.number = *field.color;
  if (field.integer != nullptr) value.number = *field.integer;
  if (item.editor == StyleEditor::kFontSize) value.text = IntToText(value.number);
  return value;
}

void WriteStyleValue(StylePageCopies& copies, const StyleItem& item, const StyleValue& value) {
  const FieldRef field = FieldOf(copies, item);
  // A list with nothing selected shows the value it opened with as its text:
  // writing that text keeps the field, and restores it after a reset.
  const bool isList = item.editor == StyleEditor::kFontName || item.editor == StyleEditor::kFontSize;
  if (isList && !value.selected && value.text.empty()) return;
  if (field.text != nullptr) *field.text = value.text;
  if (field.color != nullptr) *field.color = static_cast<OColor>(value.number);
  if (field.integer == nullptr) return;
  if (item.editor == StyleEditor::kFontSize) {
    *field.integer = DecimalValue(value.text);
  } else if (item.editor == StyleEditor::kYesNo) {
    *field.integer = value.number != 0 ? 1 : 0;
  } else {
    *field.integer = static_cast<int32_t>(value.number);
  }
}

}  // namespace mervane
