// The font faces a "FontName" list offers, and the order it keeps them in.
#ifndef MERVANE_PROPERTIES_FONT_NAMES_H_
#define MERVANE_PROPERTIES_FONT_NAMES_H_

#include <cstdint>
#include <vector>

#include "ostrel/types.h"

namespace mervane {

// One face as the system's font enumeration reports it.
struct FontFace {
  OString name;
  uint32_t fontType = 0;  // 4: TrueType
  uint8_t charSet = 0;    // 2: symbol
};

// TrueType faces only (no other type bit), no symbol fonts, no vertical
// ("@") faces.
bool IsListedFontFace(const FontFace& face);

// Inserts a name in ascending code-unit order, scanning from the end: after
// the last name that is less than it, or at the front; a name already there
// is not added again. Names that arrive in ascending order cost one
// comparison each.
void InsertFontName(std::vector<OString>& names, OString name);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_FONT_NAMES_H_
