#include "preview/preview.h"

namespace mervane {

// Not built yet: no font, nothing drawn.
class PreviewFont {};

Preview::Preview() = default;
Preview::~Preview() = default;
void Preview::CreateFonts(const CFontStyle&) {}
void Preview::Draw(OHdc, const ORect*) const {}

}  // namespace mervane
