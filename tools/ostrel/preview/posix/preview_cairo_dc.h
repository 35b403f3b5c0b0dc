// An ODeviceContext that paints with cairo, as GDI would on a screen.
#ifndef OSTREL_TOOL_PREVIEW_CAIRO_DC_H_
#define OSTREL_TOOL_PREVIEW_CAIRO_DC_H_

#include <cairo.h>

#include "ostrel/types.h"

namespace ostrel {

// Starts like a fresh GDI device context: black text, opaque background
// (white), the default font. Fonts honour the face name, the height (< 0
// character height, > 0 cell height, 0 the default), weight (600 and more is
// bold), italic and underline. Text is one line; see PlaceLine for the
// layout flags.
class CairoDeviceContext final : public ODeviceContext {
 public:
  explicit CairoDeviceContext(cairo_t* cr) : cr_(cr) {}

  void Draw3dRect(const ORect& rect, OColor topLeft,
                  OColor bottomRight) override;
  const OLogFont* SelectFont(const OLogFont* font) override;
  OColor SetTextColor(OColor color) override;
  int32_t SetBkMode(int32_t mode) override;
  void DrawText(const OString& text, const ORect& rect,
                uint32_t format) override;

 private:
  void UseFont(const OLogFont& font);
  double EmSize(int32_t height);

  cairo_t* cr_;
  const OLogFont* font_ = nullptr;
  OColor textColor_ = 0;
  int32_t bkMode_ = O_OPAQUE;
};

}  // namespace ostrel

#endif  // OSTREL_TOOL_PREVIEW_CAIRO_DC_H_
