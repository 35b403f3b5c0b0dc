#include "model/font_style.h"

#include "framework/archive.h"

namespace mervane {

void CFontStyle::Serialize(Archive& ar) {
  ar.Serialize(textColor);
  ar.Serialize(textColorHover);
  ar.Serialize(backgroundColor);
  ar.Serialize(backgroundColorHover);
  ar.Serialize(borderColor);
  ar.Serialize(fontName);
  ar.Serialize(fontSize);
  ar.Serialize(bold);
  ar.Serialize(italic);
  ar.Serialize(underline);
  ar.Serialize(borderRadius);
}

}  // namespace mervane
