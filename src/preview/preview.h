// The widget's placeholder in the host's design view.
#ifndef MERVANE_PREVIEW_PREVIEW_H_
#define MERVANE_PREVIEW_PREVIEW_H_

#include <memory>

#include "model/font_style.h"
#include "ostrel/types.h"

namespace mervane {

class PreviewFont;  // the platform's font, built from the main style

class Preview {
 public:
  Preview();
  ~Preview();
  Preview(const Preview&) = delete;
  Preview& operator=(const Preview&) = delete;

  // Rebuilds the preview font from the cart's main style.
  void CreateFonts(const CFontStyle& mainStyle);
  // Frames the rectangle and centres the placeholder text in it.
  void Draw(OHdc dc, const ORect* rect) const;

 private:
  std::unique_ptr<PreviewFont> font_;
};

}  // namespace mervane

#endif  // MERVANE_PREVIEW_PREVIEW_H_
