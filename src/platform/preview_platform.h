// Fonts and drawing for the design-view preview. One implementation per
// platform: GDI on Windows, the host's ODeviceContext elsewhere.
#ifndef MERVANE_PLATFORM_PREVIEW_PLATFORM_H_
#define MERVANE_PLATFORM_PREVIEW_PLATFORM_H_

#include <cstdint>
#include <memory>

#include "ostrel/types.h"

namespace mervane::platform {

// The description of the platform's default GUI font.
OLogFont DefaultGuiFont();

// Vertical pixels per logical inch of the screen.
int32_t ScreenPixelsPerInchY();

// A font that the host's device context can select.
class Font;
struct FontDeleter {
  void operator()(Font* font) const;
};
using FontPtr = std::unique_ptr<Font, FontDeleter>;

// A font made from the description; null when the platform refuses it.
FontPtr MakeFont(const OLogFont& description);

// The font a device context had selected, kept to be selected again.
using SelectedFont = const void*;

// The host's device context; each operation behaves as its GDI namesake.
class DeviceContext {
 public:
  explicit DeviceContext(OHdc dc) : dc_(dc) {}

  // A one-pixel frame on the rectangle's outermost pixels.
  void Draw3dRect(const ORect& rect, OColor topLeft, OColor bottomRight);
  SelectedFont SelectFont(const Font& font);
  void RestoreFont(SelectedFont font);
  OColor SetTextColor(OColor color);
  int32_t SetBkMode(int32_t mode);
  void DrawFormattedText(const OString& text, const ORect& rect,
                         uint32_t format);

 private:
  OHdc dc_;
};

}  // namespace mervane::platform

#endif  // MERVANE_PLATFORM_PREVIEW_PLATFORM_H_
