// Plain types shared by the host and the extension across the library boundary.
#ifndef OSTREL_TYPES_H_
#define OSTREL_TYPES_H_

#include <cstdint>
#include <string>
#include <vector>

// Text is UTF-16 on every platform: wchar_t on Windows, char16_t elsewhere.
#if defined(_WIN32)
typedef wchar_t OChar;
#define OSTR(text) L##text
#else
typedef char16_t OChar;
#define OSTR(text) u##text
#endif

typedef std::basic_string<OChar> OString;
typedef std::vector<OString> OStringList;

// A colour in the 0x00BBGGRR layout (red in the lowest byte).
typedef uint32_t OColor;

// Background modes and DrawText layout flags, with the Windows values.
enum : int32_t { O_TRANSPARENT = 1, O_OPAQUE = 2 };
enum : uint32_t {
  O_DT_CENTER = 0x0001,
  O_DT_VCENTER = 0x0004,
  O_DT_WORDBREAK = 0x0010,
  O_DT_SINGLELINE = 0x0020,
  O_DT_END_ELLIPSIS = 0x8000,
};

// A rectangle with the fields and layout of the Windows RECT record.
struct ORect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
  bool operator==(const ORect&) const = default;
};

// A font description with the fields and layout of the Windows LOGFONTW
// record; lfHeight < 0 asks for a character height, 0 for the face's default.
struct OLogFont {
  int32_t lfHeight;
  int32_t lfWidth;
  int32_t lfEscapement;
  int32_t lfOrientation;
  int32_t lfWeight;
  uint8_t lfItalic;
  uint8_t lfUnderline;
  uint8_t lfStrikeOut;
  uint8_t lfCharSet;
  uint8_t lfOutPrecision;
  uint8_t lfClipPrecision;
  uint8_t lfQuality;
  uint8_t lfPitchAndFamily;
  OChar lfFaceName[32];
};

#if defined(_WIN32)

// HDC, HWND and HBITMAP, declared the way <windows.h> declares them, so that
// a file which includes both sees one type and the rest never sees Windows.
struct HDC__;
struct HWND__;
struct HBITMAP__;
typedef HDC__* OHdc;
typedef HWND__* OHwnd;
typedef HBITMAP__* OBitmapHandle;

#else

// The drawing surface that a host on a platform without GDI hands to Draw in
// place of a device context. Each operation behaves as its GDI namesake.
class ODeviceContext {
 public:
  virtual ~ODeviceContext() = default;
  // A one-pixel frame on the rectangle's outermost pixels (right and bottom
  // exclusive), none outside it: the top and left edges in one colour, the
  // bottom and right edges in the other. Nothing inside is filled.
  virtual void Draw3dRect(const ORect& rect, OColor topLeft,
                          OColor bottomRight) = 0;
  // Selects a font (null: the surface's default font) and returns the one
  // selected before. The font stays owned by the caller and must outlive its
  // selection.
  virtual const OLogFont* SelectFont(const OLogFont* font) = 0;
  virtual OColor SetTextColor(OColor color) = 0;
  virtual int32_t SetBkMode(int32_t mode) = 0;
  virtual void DrawText(const OString& text, const ORect& rect,
                        uint32_t format) = 0;
};

// The toolbar picture outside Windows: 24-bit pixels, rows top to bottom,
// each pixel blue, green, red. Allocated with malloc as one block.
struct OBitmap {
  int32_t width;
  int32_t height;
  int32_t bitsPerPixel;
  uint8_t pixels[16 * 16 * 3];
};

typedef ODeviceContext* OHdc;
typedef void* OHwnd;
typedef OBitmap* OBitmapHandle;

#endif

#endif  // OSTREL_TYPES_H_
