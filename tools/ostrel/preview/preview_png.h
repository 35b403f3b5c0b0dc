// Pictures of the design-view preview and their PNG form.
#ifndef OSTREL_TOOL_PREVIEW_PNG_H_
#define OSTREL_TOOL_PREVIEW_PNG_H_

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel {

// Rows top to bottom, each pixel 0x00RRGGBB.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> pixels;

  uint32_t At(int x, int y) const {
    return pixels[static_cast<size_t>(y) * width + x];
  }
};

// The bytes of a PNG file holding the picture: 8-bit RGB, not interlaced,
// the deflate stream in stored (uncompressed) blocks.
std::string EncodePng(const Image& image);

// The CRC-32 and Adler-32 checksums that PNG and its zlib stream use.
uint32_t Crc32(const std::string& bytes);
uint32_t Adler32(const std::string& bytes);

}  // namespace ostrel

#endif  // OSTREL_TOOL_PREVIEW_PNG_H_
