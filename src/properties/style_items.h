// The Style page's items: the categories it shows and their order, what
// each item is called, what it explains and which editor it uses, and how a
// completed edit finds the field it changes. The grid is built from this
// table; nothing here knows about windows.
#ifndef MERVANE_PROPERTIES_STYLE_ITEMS_H_
#define MERVANE_PROPERTIES_STYLE_ITEMS_H_

#include <array>
#include <cstdint>
#include <vector>

#include "properties/page_copies.h"

namespace mervane {

struct StyleItem {
  const OChar* name;
  const OChar* description;
  StyleEditor editor;
};

struct StyleCategory {
  const OChar* name;
  std::vector<StyleItem> items;
};

// The property store's name, "Page".
extern const OChar kStyleStoreName[];

// The eight categories in the order the page shows them.
const std::vector<StyleCategory>& StyleCategories();

// The sizes the "FontSize" lists offer, in order.
extern const std::array<int32_t, 18> kFontSizes;

// What an item's cell holds.
struct StyleValue {
  OString text;          // text items; the font lists' selected entry
  int64_t number = 0;    // numbers, colours (0x00BBGGRR), yes/no (0 or 1)
  bool selected = true;  // false for a font list with no entry selected
};

// The working copy's value of an item, to fill its cell and its default.
// An item that edits no field reads as an empty value.
StyleValue ReadStyleValue(const StylePageCopies& copies, const OString& category,
                          const OString& item);

// Writes a completed edit into the working copy: the label, message,
// "Padding" and "Filename CSS" items by name alone, the style items by name
// within the style their category stands for. A font list with no entry
// selected writes its own text (the value it opened with), or nothing when
// that is empty. False when the item edits no field.
bool WriteStyleValue(StylePageCopies& copies, const OString& category,
                     const OString& item, const StyleValue& value);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_STYLE_ITEMS_H_
