#include "model/font_style.h"

#include "framework/archive.h"

namespace mervane {

void CFontStyle::Serialize(Archive& ar) {
  for (const StyleField& row : kStyleFields) {
    const StyleMember& m = row.field;
    if (m.color != nullptr) ar.Serialize(this->*m.color);
    if (m.text != nullptr) ar.Serialize(this->*m.text);
    if (m.integer != nullptr) ar.Serialize(this->*m.integer);
  }
}

}  // namespace mervane
