#include "preview/preview.h"

#include <utility>

#include "preview/preview_font.h"

namespace mervane {

namespace {

constexpr OColor kPreviewColor = Rgb(133, 133, 133);
constexpr int32_t kTextIndent = 2;
constexpr uint32_t kPlaceholderFormat = O_DT_CENTER | O_DT_VCENTER |
                                        O_DT_WORDBREAK | O_DT_SINGLELINE |
                                        O_DT_END_ELLIPSIS;
const OString kPlaceholderText = OSTR("Placeholder for Mervane.");

ORect Normalized(ORect rect) {
  if (rect.left > rect.right) std::swap(rect.left, rect.right);
  if (rect.top > rect.bottom) std::swap(rect.top, rect.bottom);
  return rect;
}

}  // namespace

void Preview::CreateFonts(const CFontStyle& mainStyle) noexcept {
  font_.reset();
  OLogFont description = platform::DefaultGuiFont();
  ApplyMainStyle(mainStyle, platform::ScreenPixelsPerInchY(), description);
  font_ = platform::MakeFont(description);
}

void Preview::Draw(OHdc dc, const ORect* rect) const noexcept {
  if (dc == nullptr || rect == nullptr) return;
  platform::DeviceContext surface(dc);
  ORect area = Normalized(*rect);
  surface.Draw3dRect(area, kPreviewColor, kPreviewColor);
  const platform::SelectedFont oldFont =
      font_ ? surface.SelectFont(*font_) : nullptr;
  area.left += kTextIndent;
  const OColor oldColor = surface.SetTextColor(kPreviewColor);
  const int32_t oldMode = surface.SetBkMode(O_TRANSPARENT);
  surface.DrawFormattedText(kPlaceholderText, area, kPlaceholderFormat);
  surface.SetTextColor(oldColor);
  surface.SetBkMode(oldMode);
  if (font_) surface.RestoreFont(oldFont);
}

}  // namespace mervane
