// The Style page's own cells, the operations that add each kind of property
// to a category, and the page's property store built from its working copy.
#ifndef MERVANE_PROPERTIES_STYLE_CELLS_H_
#define MERVANE_PROPERTIES_STYLE_CELLS_H_

#include <memory>
#include <vector>

#include "grid/property_store.h"
#include "properties/font_names.h"
#include "properties/page_copies.h"

namespace mervane {

// A spin cell whose buttons stop at a minimum and a maximum. A value that
// already lies outside the range is kept; the buttons only stop moving it
// further out.
class CExtGridCellUpDownRange : public CExtGridCellUpDown {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellUpDownRange";
  std::string_view ClassName() const override { return kClassName; }
  bool CanGoUp() const override { return value.value < maximum; }
  bool CanGoDown() const override { return value.value > minimum; }
  // The spin cell's data, then minimum and maximum.
  void Serialize(Archive& ar) override;
  // The spin cell's copy; the range only from another range cell.
  void Assign(const CExtGridCell& source) override;
  void SetRange(int32_t low, int32_t high) { minimum = low, maximum = high; }

  int32_t minimum = 0;
  int32_t maximum = 99;
};

// The font-name list: its drop-down list box sorts itself.
class CExtGridCellFontComboBox : public CExtGridCellComboBox {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellFontComboBox";
  static constexpr uint32_t kListBoxSort = 2;  // LBS_SORT
  std::string_view ClassName() const override { return kClassName; }
  uint32_t ListBoxStyle() const override {
    return CExtGridCellComboBox::ListBoxStyle() | kListBoxSort;
  }
};

// The font-size list: a listener hears its size in points.
class CExtGridCellFontSizeComboBox : public CExtGridCellComboBox {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellFontSizeComboBox";
  std::string_view ClassName() const override { return kClassName; }
  OString Spoken() const override;
};

// Each adds one property value at the end of the category, its default a
// copy of the cell as filled, and returns it.
CExtPropertyValue* AddStringProperty(CExtPropertyCategory& category, const OString& name,
                                     const OString& description, const OString& text);
CExtPropertyValue* AddBoolProperty(CExtPropertyCategory& category, const OString& name,
                                   const OString& description, int32_t value);
CExtPropertyValue* AddRangeProperty(CExtPropertyCategory& category, const OString& name,
                                    const OString& description, int32_t value,
                                    int32_t minimum, int32_t maximum);
CExtPropertyValue* AddColorProperty(CExtPropertyCategory& category, const OString& name,
                                    const OString& description, OColor color);
// The faces are what the page's device context enumerates, in that order.
CExtPropertyValue* AddFontNameProperty(const std::vector<FontFace>& faces,
                                       CExtPropertyCategory& category,
                                       const OString& fontName);
CExtPropertyValue* AddFontSizeProperty(CExtPropertyCategory& category, int32_t fontSize);

// The store "Page" with every category and item of the Style page, each
// item holding the working copy's value as its value and its default.
std::unique_ptr<CExtPropertyStore> BuildStyleStore(const StylePageCopies& copies,
                                                   const std::vector<FontFace>& faces);

// Writes a completed edit or a reset of a store item into the working copy;
// false when the item edits no field.
bool WriteStyleItem(StylePageCopies& copies, const CExtPropertyItem& item);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_STYLE_CELLS_H_
