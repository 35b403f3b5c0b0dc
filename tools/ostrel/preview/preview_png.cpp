#include "preview/preview_png.h"

#include <algorithm>
#include <array>

namespace ostrel {

namespace {

constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
constexpr uint8_t kBitDepth = 8;
constexpr uint8_t kTrueColour = 2;
constexpr size_t kStoredBlockLimit = 65535;

std::array<uint32_t, 256> MakeCrcTable() {
  std::array<uint32_t, 256> table{};
  for (uint32_t n = 0; n < 256; ++n) {
    uint32_t c = n;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

void PutByte(std::string& out, uint32_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
}

void PutBigEndian32(std::string& out, uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) PutByte(out, value >> shift);
}

void PutLittleEndian16(std::string& out, uint32_t value) {
  PutByte(out, value);
  PutByte(out, value >> 8);
}

void PutChunk(std::string& out, const char* type, const std::string& data) {
  const std::string body = type + data;
  PutBigEndian32(out, static_cast<uint32_t>(data.size()));
  out += body;
  PutBigEndian32(out, Crc32(body));
}

std::string HeaderData(const Image& image) {
  std::string data;
  PutBigEndian32(data, static_cast<uint32_t>(image.width));
  PutBigEndian32(data, static_cast<uint32_t>(image.height));
  for (uint8_t b : {kBitDepth, kTrueColour, uint8_t{0}, uint8_t{0}, uint8_t{0}})
    PutByte(data, b);
  return data;
}

// Each row: filter type 0 (none), then red, green, blue per pixel.
std::string Scanlines(const Image& image) {
  std::string raw;
  raw.reserve(image.pixels.size() * 3 + image.height);
  for (int y = 0; y < image.height; ++y) {
    PutByte(raw, 0);
    for (int x = 0; x < image.width; ++x) {
      const uint32_t pixel = image.At(x, y);
      PutByte(raw, pixel >> 16);
      PutByte(raw, pixel >> 8);
      PutByte(raw, pixel);
    }
  }
  return raw;
}

// A zlib stream of stored blocks: no compression, 32 KiB window header.
std::string StoredZlib(const std::string& raw) {
  std::string out = "\x78\x01";
  size_t at = 0;
  do {
    const size_t length = std::min(kStoredBlockLimit, raw.size() - at);
    const bool last = at + length == raw.size();
    PutByte(out, last ? 1 : 0);
    PutLittleEndian16(out, static_cast<uint32_t>(length));
    PutLittleEndian16(out, static_cast<uint32_t>(~length));
    out.append(raw, at, length);
    at += length;
  } while (at < raw.size());
  PutBigEndian32(out, Adler32(raw));
  return out;
}

}  // namespace

uint32_t Crc32(const std::string& bytes) {
  static const std::array<uint32_t, 256> table = MakeCrcTable();
  uint32_t crc = 0xFFFFFFFFu;
  for (unsigned char b : bytes) crc = table[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

uint32_t Adler32(const std::string& bytes) {
  constexpr uint32_t kModulus = 65521;
  uint32_t a = 1, b = 0;
  for (unsigned char c : bytes) {
    a = (a + c) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

std::string EncodePng(const Image& image) {
  std::string png(kSignature, sizeof kSignature - 1);
  PutChunk(png, "IHDR", HeaderData(image));
  PutChunk(png, "IDAT", StoredZlib(Scanlines(image)));
  PutChunk(png, "IEND", std::string());
  return png;
}

}  // namespace ostrel
