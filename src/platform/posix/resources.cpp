#include <cstdlib>
#include <cstring>
#include <strings.h>

#include "platform/platform.h"
#include "resources/embedded.h"

namespace mervane::platform {

namespace {

bool SameIgnoringCase(std::string_view a, const char* b) {
  return a.size() == std::strlen(b) &&
         strncasecmp(a.data(), b, a.size()) == 0;
}

uint32_t LittleEndian(const std::string& bytes, size_t at, int width) {
  uint32_t value = 0;
  for (int i = width - 1; i >= 0; --i)
    value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

}  // namespace

bool LoadModuleResource(std::string_view name, std::string_view type,
                        std::string& bytes) {
  for (size_t i = 0; i < kEmbeddedResourceCount; ++i) {
    const EmbeddedResource& r = kEmbeddedResources[i];
    if (SameIgnoringCase(name, r.name) && SameIgnoringCase(type, r.type)) {
      bytes.assign(reinterpret_cast<const char*>(r.data), r.size);
      return true;
    }
  }
  return false;
}

// Converts the embedded bottom-up BMP file into a top-down OBitmap.
OBitmapHandle LoadToolbarBitmap() {
  std::string bmp;
  if (!LoadModuleResource("TOOLBAR.BMP", "BMP", bmp) || bmp.size() < 54)
    return nullptr;
  const uint32_t offset = LittleEndian(bmp, 10, 4);
  const int32_t width = static_cast<int32_t>(LittleEndian(bmp, 18, 4));
  const int32_t height = static_cast<int32_t>(LittleEndian(bmp, 22, 4));
  const uint32_t bits = LittleEndian(bmp, 28, 2);
  const size_t row = 16 * 3;
  if (width != 16 || height != 16 || bits != 24 || bmp.size() < offset + 16 * row)
    return nullptr;
  auto* bitmap = static_cast<OBitmap*>(std::malloc(sizeof(OBitmap)));
  if (bitmap == nullptr) return nullptr;
  bitmap->width = 16;
  bitmap->height = 16;
  bitmap->bitsPerPixel = 24;
  for (size_t y = 0; y < 16; ++y)
    std::memcpy(bitmap->pixels + y * row, bmp.data() + offset + (15 - y) * row, row);
  return bitmap;
}

}  // namespace mervane::platform
