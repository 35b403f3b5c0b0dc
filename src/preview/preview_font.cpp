#include "preview/preview_font.h"

#include <algorithm>
#include <limits>

namespace mervane {

namespace {

constexpr int32_t kPointsPerInch = 72;
constexpr int32_t kBoldWeight = 700;
constexpr int32_t kNormalWeight = 400;
constexpr uint8_t kClearTypeNaturalQuality = 6;
constexpr size_t kFaceNameCapacity =
    sizeof(OLogFont::lfFaceName) / sizeof(OLogFont::lfFaceName[0]);

bool IsHighSurrogate(OChar c) { return c >= 0xD800 && c <= 0xDBFF; }

// Copies at most 31 characters and a terminator; a cut never splits a
// surrogate pair.
void CopyFaceName(const OString& name, OChar (&face)[kFaceNameCapacity]) {
  size_t length = std::min(name.size(), kFaceNameCapacity - 1);
  if (length < name.size() && length > 0 && IsHighSurrogate(name[length - 1]))
    --length;
  std::copy_n(name.begin(), length, face);
  std::fill(face + length, face + kFaceNameCapacity, OChar());
}

}  // namespace

int32_t CharacterHeight(int32_t points, int32_t pixelsPerInch) {
  const int64_t product = static_cast<int64_t>(points) * pixelsPerInch;
  const int64_t half = product < 0 ? -kPointsPerInch / 2 : kPointsPerInch / 2;
  const int64_t height = -((product + half) / kPointsPerInch);
  return static_cast<int32_t>(
      std::clamp<int64_t>(height, std::numeric_limits<int32_t>::min(),
                          std::numeric_limits<int32_t>::max()));
}

void ApplyMainStyle(const CFontStyle& mainStyle, int32_t pixelsPerInch,
                    OLogFont& font) {
  font.lfWeight = mainStyle.bold != 0 ? kBoldWeight : kNormalWeight;
  font.lfItalic = static_cast<uint8_t>(mainStyle.italic);
  font.lfUnderline = static_cast<uint8_t>(mainStyle.underline);
  font.lfQuality = kClearTypeNaturalQuality;
  CopyFaceName(mainStyle.fontName, font.lfFaceName);
  font.lfHeight = CharacterHeight(mainStyle.fontSize, pixelsPerInch);
}

}  // namespace mervane
