#include "properties/style_items.h"

#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "framework/text.h"
#include "model/cart_settings.h"

namespace mervane {

namespace {

using Name = std::basic_string_view<OChar>;

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

// The style field an item edits, by the item's name, or null.
const StyleField* StyleFieldOfItem(Name name) {
  for (const StyleField& f : kStyleFields) {
    if (name == f.item || (f.tabItem != nullptr && name == f.tabItem)) return &f;
  }
  return nullptr;
}

StyleItem StyleItemNamed(Name name) {
  const StyleField* f = StyleFieldOfItem(name);
  return {name.data(), f->description, f->editor};  // kStyleCategories names only fields
}

StyleCategory StyleCategoryFrom(const StyleCategoryRule& rule) {
  StyleCategory category{rule.name, {}};
  for (Name name : rule.items) category.items.push_back(StyleItemNamed(name));
  return category;
}

StyleCategory TextCategory(const OChar* name, TextKind kind) {
  StyleCategory category{name, {}};
  for (const CartText& t : kCartTexts) {
    if (t.kind == kind) category.items.push_back({t.item, t.description, StyleEditor::kText});
  }
  return category;
}

std::vector<StyleCategory> BuildCategories() {
  return {
      {OSTR("Miscellaneous"), {kCssFileItem, kPaddingItem}},
      StyleCategoryFrom(kStyleCategories[0]),
      StyleCategoryFrom(kStyleCategories[1]),
      StyleCategoryFrom(kStyleCategories[2]),
      StyleCategoryFrom(kStyleCategories[3]),
      TextCategory(OSTR("Labels"), TextKind::kLabel),
      TextCategory(OSTR("Messages"), TextKind::kMessage),
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
struct FieldRef {
  OString* text = nullptr;
  int32_t* integer = nullptr;
  OColor* color = nullptr;
  StyleEditor editor = StyleEditor::kText;
};

FieldRef FieldOfStyle(CFontStyle& style, const OString& item) {
  const StyleField* f = StyleFieldOfItem(item);
  if (f == nullptr) return {};
  const StyleMember& m = f->field;
  if (m.color != nullptr) return {nullptr, nullptr, &(style.*m.color), f->editor};
  if (m.text != nullptr) return {&(style.*m.text), nullptr, nullptr, f->editor};
  return {nullptr, &(style.*m.integer), nullptr, f->editor};
}

FieldRef FindField(StylePageCopies& copies, const OString& category, const OString& item) {
  if (item == kPaddingItem.name) return {nullptr, &copies.padding, nullptr, StyleEditor::kNumber};
  if (item == kCssFileItem.name) return {&copies.cssFileName};
  for (size_t i = 0; i < kCartTexts.size(); ++i) {
    if (item == kCartTexts[i].item) return {&copies.texts[i]};
  }
  CFontStyle* style = StyleOfCategory(copies, category);
  return style != nullptr ? FieldOfStyle(*style, item) : FieldRef{};
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
  FieldRef field = FindField(const_cast<StylePageCopies&>(copies), category, item);
  StyleValue value;
  if (field.text != nullptr) value.text = *field.text;
  if (field.color != nullptr) value.number = *field.color;
  if (field.integer != nullptr) value.number = *field.integer;
  if (field.editor == StyleEditor::kFontSize) value.text = IntToText(value.number);
  return value;
}

bool WriteStyleValue(StylePageCopies& copies, const OString& category,
                     const OString& item, const StyleValue& value) {
  FieldRef field = FindField(copies, category, item);
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
