// The description of the preview font: the main style over the default GUI
// font, at the screen's resolution.
#ifndef MERVANE_PREVIEW_PREVIEW_FONT_H_
#define MERVANE_PREVIEW_PREVIEW_FONT_H_

#include <cstdint>

#include "model/font_style.h"
#include "ostrel/types.h"

namespace mervane {

// -(points * pixelsPerInch / 72), rounded to nearest with halves away from
// zero, from a 64-bit product; the negative sign asks for a character height.
int32_t CharacterHeight(int32_t points, int32_t pixelsPerInch);

// Sets face name, height, weight, italic, underline and quality of `font`
// from the main style; every other field keeps its value.
void ApplyMainStyle(const CFontStyle& mainStyle, int32_t pixelsPerInch,
                    OLogFont& font);

}  // namespace mervane

#endif  // MERVANE_PREVIEW_PREVIEW_FONT_H_
