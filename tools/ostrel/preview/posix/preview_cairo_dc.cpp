#include "preview/posix/preview_cairo_dc.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "framework/text.h"
#include "platform/frame_edges.h"
#include "preview/posix/preview_text_layout.h"

namespace ostrel {

namespace {

constexpr OColor kBackgroundColor = 0xFFFFFF;
constexpr int32_t kBoldFromWeight = 600;
// The default font: the default GUI font's 8 points at 96 dpi, in the
// system's sans-serif face.
constexpr OLogFont kDefaultFont = {-11, 0, 0, 0, 400, 0, 0, 0, 1, 0, 0, 0, 0,
                                   u"Sans"};
// Height 0: the character height of 10 points at 96 dpi.
constexpr double kDefaultEmSize = 13;

void SetSourceColor(cairo_t* cr, OColor color) {
  cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0,
                       ((color >> 16) & 0xFF) / 255.0);
}

void FillBox(cairo_t* cr, double left, double top, double right, double bottom,
             OColor color) {
  if (left >= right || top >= bottom) return;
  SetSourceColor(cr, color);
  cairo_rectangle(cr, left, top, right - left, bottom - top);
  cairo_fill(cr);
}

OString FaceName(const OLogFont& font) {
  return OString(font.lfFaceName,
                 std::find(std::begin(font.lfFaceName),
                           std::end(font.lfFaceName), u'\0'));
}

double TextWidth(cairo_t* cr, const std::string& utf8) {
  cairo_text_extents_t extents;
  cairo_text_extents(cr, utf8.c_str(), &extents);
  return extents.x_advance;
}

}  // namespace

void CairoDeviceContext::Draw3dRect(const ORect& rect, OColor topLeft,
                                    OColor bottomRight) {
  for (const mervane::platform::FrameEdge& edge :
       mervane::platform::FrameEdges(rect)) {
    const ORect& e = edge.span;
    FillBox(cr_, e.left, e.top, e.right, e.bottom,
            edge.topLeft ? topLeft : bottomRight);
  }
}

const OLogFont* CairoDeviceContext::SelectFont(const OLogFont* font) {
  return std::exchange(font_, font);
}

OColor CairoDeviceContext::SetTextColor(OColor color) {
  return std::exchange(textColor_, color);
}

int32_t CairoDeviceContext::SetBkMode(int32_t mode) {
  return std::exchange(bkMode_, mode);
}

void CairoDeviceContext::DrawText(const OString& text, const ORect& rect,
                                  uint32_t format) {
  const OLogFont& font = font_ ? *font_ : kDefaultFont;
  cairo_save(cr_);
  cairo_rectangle(cr_, rect.left, rect.top, rect.right - rect.left,
                  rect.bottom - rect.top);
  cairo_clip(cr_);
  UseFont(font);
  cairo_font_extents_t metrics;
  cairo_font_extents(cr_, &metrics);
  const double lineHeight = std::ceil(metrics.ascent + metrics.descent);
  const PlacedLine line =
      PlaceLine(mervane::ToUtf8(text), rect, format, lineHeight,
                [this](const std::string& utf8) { return TextWidth(cr_, utf8); });
  const double baseline = line.top + std::round(metrics.ascent);
  if (bkMode_ == O_OPAQUE)
    FillBox(cr_, line.left, line.top, line.left + line.width,
            line.top + lineHeight, kBackgroundColor);
  SetSourceColor(cr_, textColor_);
  cairo_move_to(cr_, line.left, baseline);
  cairo_show_text(cr_, line.text.c_str());
  if (font.lfUnderline) {
    const double em = EmSize(font.lfHeight);
    const double offset = std::max(1.0, std::round(em / 10));
    const double thickness = std::max(1.0, std::round(em / 14));
    FillBox(cr_, line.left, baseline + offset, line.left + line.width,
            baseline + offset + thickness, textColor_);
  }
  cairo_restore(cr_);
}

void CairoDeviceContext::UseFont(const OLogFont& font) {
  cairo_select_font_face(
      cr_, mervane::ToUtf8(FaceName(font)).c_str(),
      font.lfItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
      font.lfWeight >= kBoldFromWeight ? CAIRO_FONT_WEIGHT_BOLD
                                       : CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_font_size(cr_, EmSize(font.lfHeight));
}

// A positive height is the cell (ascent + descent); the em is scaled from
// the face's own proportion.
double CairoDeviceContext::EmSize(int32_t height) {
  if (height < 0) return -static_cast<double>(height);
  if (height == 0) return kDefaultEmSize;
  cairo_set_font_size(cr_, height);
  cairo_font_extents_t cell;
  cairo_font_extents(cr_, &cell);
  return height * height / (cell.ascent + cell.descent);
}

}  // namespace ostrel
