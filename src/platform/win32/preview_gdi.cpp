#include <windows.h>

#include <bit>
#include <new>

#include "platform/frame_edges.h"
#include "platform/preview_platform.h"

namespace mervane::platform {

// The portable records copy the layout of their Windows namesakes.
static_assert(sizeof(OLogFont) == sizeof(LOGFONTW) && sizeof(ORect) == sizeof(RECT));

class Font {
 public:
  explicit Font(HFONT handle) : handle_(handle) {}
  ~Font() { DeleteObject(handle_); }
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  HFONT Handle() const { return handle_; }

 private:
  HFONT handle_;
};

void FontDeleter::operator()(Font* font) const { delete font; }

OLogFont DefaultGuiFont() {
  LOGFONTW font = {};
  GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
  return std::bit_cast<OLogFont>(font);
}

int32_t ScreenPixelsPerInchY() {
  HDC screen = GetDC(nullptr);
  const int32_t dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

FontPtr MakeFont(const OLogFont& description) {
  const LOGFONTW logFont = std::bit_cast<LOGFONTW>(description);
  HFONT handle = CreateFontIndirectW(&logFont);
  if (handle == nullptr) return nullptr;
  Font* font = new (std::nothrow) Font(handle);
  if (font == nullptr) DeleteObject(handle);
  return FontPtr(font);
}

namespace {

RECT ToRect(const ORect& r) { return {r.left, r.top, r.right, r.bottom}; }

// An empty or inverted span paints nothing.
void FillSpan(HDC dc, const ORect& span, OColor color) {
  if (span.left >= span.right || span.top >= span.bottom) return;
  HBRUSH brush = CreateSolidBrush(color);
  if (brush == nullptr) return;
  const RECT area = ToRect(span);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

}  // namespace

// Brushes rather than the background colour, so that the device context's
// state is untouched.
void DeviceContext::Draw3dRect(const ORect& rect, OColor topLeft,
                               OColor bottomRight) {
  for (const FrameEdge& edge : FrameEdges(rect))
    FillSpan(dc_, edge.span, edge.topLeft ? topLeft : bottomRight);
}

SelectedFont DeviceContext::SelectFont(const Font& font) {
  return SelectObject(dc_, font.Handle());
}

void DeviceContext::RestoreFont(SelectedFont font) {
  SelectObject(dc_, const_cast<void*>(font));
}

OColor DeviceContext::SetTextColor(OColor color) {
  return ::SetTextColor(dc_, color);
}

int32_t DeviceContext::SetBkMode(int32_t mode) { return ::SetBkMode(dc_, mode); }

void DeviceContext::DrawFormattedText(const OString& text, const ORect& rect,
                                      uint32_t format) {
  RECT area = ToRect(rect);
  DrawTextW(dc_, text.c_str(), -1, &area, format);
}

}  // namespace mervane::platform
