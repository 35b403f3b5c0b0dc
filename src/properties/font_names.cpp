#include "properties/font_names.h"

#include <utility>

namespace mervane {

namespace {
constexpr uint32_t kTrueTypeFont = 4;
constexpr uint8_t kSymbolCharSet = 2;
}  // namespace

bool IsListedFontFace(const FontFace& face) {
  return face.fontType == kTrueTypeFont && face.charSet != kSymbolCharSet &&
         !(face.name.size() > 0 && face.name[0] == '@');
}

void InsertFontName(std::vector<OString>& names, OString name) {
  size_t place = names.size();
  while (place > 0 && name.compare(names[place - 1]) < 0) --place;
  // The system reports a face once per character set; the list shows it once.
  if (place > 0 && names[place - 1] == name) return;
  names.insert(names.begin() + static_cast<std::ptrdiff_t>(place), std::move(name));
}

}  // namespace mervane
