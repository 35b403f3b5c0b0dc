// The style of one visual element of the cart.
#ifndef MERVANE_MODEL_FONT_STYLE_H_
#define MERVANE_MODEL_FONT_STYLE_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "model/field_member.h"
#include "ostrel/types.h"

namespace mervane {

class Archive;

// Rgb(r, g, b) builds the 0x00BBGGRR value of the colour #RRGGBB.
constexpr OColor Rgb(uint8_t r, uint8_t g, uint8_t b) {
  return static_cast<OColor>(r) | (static_cast<OColor>(g) << 8) |
         (static_cast<OColor>(b) << 16);
}

struct CFontStyle {
  OColor textColor = Rgb(0, 0, 0);
  OColor textColorHover = 0xFFFFFFFF;
  OColor backgroundColor = 0xFFFFFFFF;
  OColor backgroundColorHover = 0xFFFFFFFF;
  OColor borderColor = Rgb(0, 0, 0);
  OString fontName = OSTR("Arial");
  int32_t fontSize = 12;
  int32_t bold = 0;
  int32_t italic = 0;
  int32_t underline = 0;
  int32_t borderRadius = 0;

  // The fields in the order of kStyleFields; no version, no class tag.
  void Serialize(Archive& ar);

  bool operator==(const CFontStyle&) const = default;
};

// How the Style page edits a value.
enum class StyleEditor { kText, kNumber, kColor, kYesNo, kFontName, kFontSize };

using StyleMember = FieldMember<CFontStyle>;

struct StyleField {
  StyleMember field;
  std::string_view name;     // the field's name
  StyleEditor editor;
  const OChar* item;         // the Style page's item name
  const OChar* tabItem;      // the name the "Main" category gives it, or null
  const OChar* description;  // shown under the Style page's grid
};

#define MERVANE_FIELD(field) &CFontStyle::field, #field

// One row per field, in storage order.
inline constexpr std::array<StyleField, 11> kStyleFields = {{
    {MERVANE_FIELD(textColor), StyleEditor::kColor,
     OSTR("TextColor"), nullptr, OSTR("Specifies the text color")},
    {MERVANE_FIELD(textColorHover), StyleEditor::kColor,
     OSTR("TextColorHover"), OSTR("TabTextColor"), OSTR("Specifies the text color")},
    {MERVANE_FIELD(backgroundColor), StyleEditor::kColor,
     OSTR("BackgroundColor"), nullptr, OSTR("Specifies the background color")},
    {MERVANE_FIELD(backgroundColorHover), StyleEditor::kColor,
     OSTR("BackgroundColorHover"), OSTR("TabBackgroundColor"), OSTR("Specifies the background color")},
    {MERVANE_FIELD(borderColor), StyleEditor::kColor,
     OSTR("BorderColor"), nullptr, OSTR("Specifies the border color")},
    {MERVANE_FIELD(fontName), StyleEditor::kFontName,
     OSTR("FontName"), nullptr, OSTR("Specifies the font name")},
    {MERVANE_FIELD(fontSize), StyleEditor::kFontSize,
     OSTR("FontSize"), nullptr, OSTR("Specifies the font size")},
    {MERVANE_FIELD(bold), StyleEditor::kYesNo,
     OSTR("Bold"), nullptr, OSTR("Specifies whether to use Bold style")},
    {MERVANE_FIELD(italic), StyleEditor::kYesNo,
     OSTR("Italic"), nullptr, OSTR("Specifies whether to use Italic style")},
    {MERVANE_FIELD(underline), StyleEditor::kYesNo,
     OSTR("Underline"), nullptr, OSTR("Specifies whether to use Underline style")},
    {MERVANE_FIELD(borderRadius), StyleEditor::kNumber,
     OSTR("BorderRadius"), nullptr, OSTR("Specifies radius of the border.")},
}};

#undef MERVANE_FIELD

// The fewest bytes a stored style takes.
inline constexpr uint64_t kShortestStoredStyle = ShortestStoredRows(kStyleFields);

}  // namespace mervane

#endif  // MERVANE_MODEL_FONT_STYLE_H_
