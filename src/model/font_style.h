// The style of one visual element of the cart.
#ifndef MERVANE_MODEL_FONT_STYLE_H_
#define MERVANE_MODEL_FONT_STYLE_H_

#include <cstdint>

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

  // Eleven fields in the order above; no version, no class tag.
  void Serialize(Archive& ar);

  bool operator==(const CFontStyle&) const = default;
};

}  // namespace mervane

#endif  // MERVANE_MODEL_FONT_STYLE_H_
