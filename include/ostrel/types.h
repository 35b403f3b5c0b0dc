// Plain types shared by the host and the extension across the library boundary.
#ifndef OSTREL_TYPES_H_
#define OSTREL_TYPES_H_

#include <cstdint>
#include <string>
#include <vector>

#if defined(_WIN32)
#include <windows.h>
#endif

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

#if defined(_WIN32)

typedef RECT ORect;
typedef HDC OHdc;
typedef HWND OHwnd;
typedef HBITMAP OBitmapHandle;

#else

struct ORect {
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// A font description in the shape of the Windows LOGFONTW record.
struct OLogFont {
  int32_t height;
  int32_t width;
  int32_t escapement;
  int32_t orientation;
  int32_t weight;
  uint8_t italic;
  uint8_t underline;
  uint8_t strikeOut;
  uint8_t charSet;
  uint8_t outPrecision;
  uint8_t clipPrecision;
  uint8_t quality;
  uint8_t pitchAndFamily;
  char16_t faceName[32];
};

enum : int32_t { O_TRANSPARENT = 1, O_OPAQUE = 2 };

// Layout flags of DrawText, with the Windows values.
enum : uint32_t {
  O_DT_CENTER = 0x0001,
  O_DT_VCENTER = 0x0004,
  O_DT_WORDBREAK = 0x0010,
  O_DT_SINGLELINE = 0x0020,
  O_DT_END_ELLIPSIS = 0x8000,
};

// The drawing surface that a host on a platform without GDI hands to Draw in
// place of a device context. Each operation behaves as its GDI namesake.
class ODeviceContext {
 public:
  virtual ~ODeviceContext() = default;
  virtual void Draw3dRect(const ORect& rect, OColor topLeft,
                          OColor bottomRight) = 0;
  // Selects a font (null keeps the surface's default face) and returns the
  // one selected before. The font stays owned by the caller.
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
