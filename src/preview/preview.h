// The widget's placeholder in the host's design view.
#ifndef MERVANE_PREVIEW_PREVIEW_H_
#define MERVANE_PREVIEW_PREVIEW_H_

#include "model/font_style.h"
#include "ostrel/types.h"
#include "platform/preview_platform.h"

namespace mervane {

class Preview {
 public:
  Preview() = default;
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;

  // Rebuilds the preview font from the cart's main style. Without a font
  // Draw writes in whatever font the device context has selected.
  void CreateFonts(const CFontStyle& mainStyle) noexcept;
  // Frames the rectangle and centres the placeholder text in it; leaves the
  // device context's font, text colour and background mode as it found them.
  void Draw(OHdc dc, const ORect* rect) const noexcept;

 private:
  platform::FontPtr font_;
};

}  // namespace mervane

#endif  // MERVANE_PREVIEW_PREVIEW_H_
