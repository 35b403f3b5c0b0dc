#include "model/font_style.h"

#include "framework/archive.h"

namespace mervane {

namespace {

// The rows follow CFontStyle's fields one for one, in declaration order: the
// check below stops compiling when a field is added, removed or moved without
// its row. It compares addresses within one sample style and reads nothing,
// so the sample needs no constant initialisation.
const CFontStyle kSample;

constexpr const void* FieldAddress(const StyleMember& m) {
  if (m.color != nullptr) return &(kSample.*m.color);
  if (m.text != nullptr) return &(kSample.*m.text);
  return &(kSample.*m.integer);
}

constexpr bool EachStyleFieldHasItsRow() {
  const auto& [textColor, textColorHover, backgroundColor, backgroundColorHover, borderColor,
               fontName, fontSize, bold, italic, underline, borderRadius] = kSample;
  const void* const declared[] = {&textColor, &textColorHover, &backgroundColor,
                                  &backgroundColorHover, &borderColor, &fontName, &fontSize,
                                  &bold, &italic, &underline, &borderRadius};
  for (size_t i = 0; i < kStyleFields.size(); ++i) {
    if (FieldAddress(kStyleFields[i].field) != declared[i]) return false;
  }
  return std::size(declared) == kStyleFields.size();
}
static_assert(EachStyleFieldHasItsRow());

}  // namespace

void CFontStyle::Serialize(Archive& ar) {
  for (const StyleField& row : kStyleFields) {
    const StyleMember& m = row.field;
    if (m.color != nullptr) ar.Serialize(this->*m.color);
    if (m.text != nullptr) ar.Serialize(this->*m.text);
    if (m.integer != nullptr) ar.Serialize(this->*m.integer);
  }
}

}  // namespace mervane
