// The Style page's items: the categories it shows and their order, what
// each item is called, what it explains, which editor it uses and which
// field's row it edits. The grid is built from this table; nothing here
// knows about windows.
#ifndef MERVANE_PROPERTIES_STYLE_ITEMS_H_
#define MERVANE_PROPERTIES_STYLE_ITEMS_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "properties/page_copies.h"

namespace mervane {

// The field of the copies an item edits: one of the page's own two, a text
// by its row of kCartTexts, or a style's field by its row of kCartStyles and
// its row of kStyleFields.
enum class StyleSource { kPadding, kCssFileName, kText, kStyle };

struct StyleItem {
  const OChar* name;
  const OChar* description;
  StyleEditor editor;
  StyleSource source;
  size_t row = 0;                    // kText: in kCartTexts; kStyle: in kCartStyles
  const StyleField* field = nullptr; // kStyle: the style's field
};

struct StyleCategory {
  const OChar* name;
  std::vector<StyleItem> items;
};

// The property store's name, "Page".
extern const OChar kStyleStoreName[];

// The eight categories in the order the page shows them.
const std::vector<StyleCategory>& StyleCategories();

// Each item has a number, counted through the categories in order, which
// the grid's item carries as its tag. Null for a number past the last item.
const StyleItem* StyleItemNumbered(size_t number);

// The sizes the "FontSize" lists offer, in order.
extern const std::array<int32_t, 18> kFontSizes;

// What an item's cell holds.
struct StyleValue {
  OString text;          // text items; the font lists' selected entry
  int64_t number = 0;    // numbers, colours (0x00BBGGRR), yes/no (0 or 1)
  bool selected = true;  // false for a font list with no entry selected
};

// The working copy's value of an item, to fill its cell and its default.
StyleValue ReadStyleValue(const StylePageCopies& copies, const StyleItem& item);

// Writes a completed edit into the item's field of the working copy. A font
// list with no entry selected writes its own text (the value it opened
// with), or nothing when that is empty.
void WriteStyleValue(StylePageCopies& copies, const StyleItem& item, const StyleValue& value);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_STYLE_ITEMS_H_
