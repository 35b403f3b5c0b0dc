#include <new>

#include "platform/preview_platform.h"

namespace mervane::platform {

namespace {

// Outside Windows the default GUI font is taken as Windows describes its own
// at 96 dpi: 8-point "MS Shell Dlg", default character set, precisions,
// pitch and family.
constexpr OLogFont kDefaultGuiFont = {
    -11, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0,
    u"MS Shell Dlg"};

// No screen to ask: the resolution Windows uses at 100 % scale.
constexpr int32_t kScreenPixelsPerInch = 96;

}  // namespace

// The host selects a pointer to the description; the font is the record.
class Font {
 public:
  explicit Font(const OLogFont& description) : description_(description) {}
  const OLogFont& Description() const { return description_; }

 private:
  OLogFont description_;
};

void FontDeleter::operator()(Font* font) const { delete font; }

OLogFont DefaultGuiFont() { return kDefaultGuiFont; }

int32_t ScreenPixelsPerInchY() { return kScreenPixelsPerInch; }

FontPtr MakeFont(const OLogFont& description) {
  return FontPtr(new (std::nothrow) Font(description));
}

void DeviceContext::Draw3dRect(const ORect& rect, OColor topLeft,
                               OColor bottomRight) {
  dc_->Draw3dRect(rect, topLeft, bottomRight);
}

SelectedFont DeviceContext::SelectFont(const Font& font) {
  return dc_->SelectFont(&font.Description());
}

void DeviceContext::RestoreFont(SelectedFont font) {
  dc_->SelectFont(static_cast<const OLogFont*>(font));
}

OColor DeviceContext::SetTextColor(OColor color) {
  return dc_->SetTextColor(color);
}

int32_t DeviceContext::SetBkMode(int32_t mode) { return dc_->SetBkMode(mode); }

void DeviceContext::DrawFormattedText(const OString& text, const ORect& rect,
                                      uint32_t format) {
  dc_->DrawText(text, rect, format);
}

}  // namespace mervane::platform
