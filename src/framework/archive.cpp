#include "framework/archive.h"

#include <bit>
#include <string>

#include "platform/platform.h"

namespace mervane {

namespace {

constexpr uint8_t kByteEscape = 0xFF;
constexpr uint16_t kWideMark = 0xFFFE;
constexpr uint16_t kWordEscape = 0xFFFF;

// Where the in-memory text already has the stored byte layout, strings are
// copied whole instead of unit by unit.
constexpr bool kUnitsAreLittleEndian16 =
    std::endian::native == std::endian::little && sizeof(OChar) == 2;

void PutLe(uint8_t* out, uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out[i] = static_cast<uint8_t>(value >> (8 * i));
}

}  // namespace

void Archive::Require(uint64_t bytes) const {
  if (bytes > stream_.BytesLeft()) throw ArchiveError(COstrelArchive::kEndOfFile);
}

void Archive::WriteBytes(const void* data, uint32_t size) {
  stream_.Write(data, size);
}

void Archive::ReadBytes(void* data, uint32_t size) {
  if (stream_.Read(data, size) != size)
    throw ArchiveError(COstrelArchive::kEndOfFile);
}

uint8_t Archive::ReadByte() {
  uint8_t b;
  ReadBytes(&b, 1);
  return b;
}

uint16_t Archive::ReadUint16() {
  uint8_t b[2];
  ReadBytes(b, 2);
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t Archive::ReadUint32() {
  uint8_t b[4];
  ReadBytes(b, 4);
  return static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
         (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
}

void Archive::WriteInt32(int32_t value) {
  uint8_t b[4];
  PutLe(b, static_cast<uint32_t>(value), 4);
  WriteBytes(b, 4);
}

int32_t Archive::ReadInt32() { return static_cast<int32_t>(ReadUint32()); }

void Archive::WriteCount(uint32_t count) {
  uint8_t b[6];
  if (count < kWordEscape) {
    PutLe(b, count, 2);
    WriteBytes(b, 2);
  } else {
    PutLe(b, kWordEscape, 2);
    PutLe(b + 2, count, 4);
    WriteBytes(b, 6);
  }
}

uint32_t Archive::ReadCount() {
  uint16_t small = ReadUint16();
  return small == kWordEscape ? ReadUint32() : small;
}

void Archive::WriteString(const OString& text) {
  uint32_t n = static_cast<uint32_t>(text.size());
  uint8_t head[10];
  int used = 0;
  head[used++] = kByteEscape;
  PutLe(head + used, kWideMark, 2), used += 2;
  if (n < kByteEscape) {
    head[used++] = static_cast<uint8_t>(n);
  } else if (n < kWideMark) {
    head[used++] = kByteEscape;
    PutLe(head + used, n, 2), used += 2;
  } else {
    head[used++] = kByteEscape;
    PutLe(head + used, kWordEscape, 2), used += 2;
    PutLe(head + used, n, 4), used += 4;
  }
  WriteBytes(head, static_cast<uint32_t>(used));
  if constexpr (kUnitsAreLittleEndian16) {
    WriteBytes(text.data(), 2 * n);
    return;
  }
  std::string units(2 * n, '\0');
  for (uint32_t i = 0; i < n; ++i)
    PutLe(reinterpret_cast<uint8_t*>(&units[2 * i]),
          static_cast<char16_t>(text[i]), 2);
  WriteBytes(units.data(), 2 * n);
}

// Reads the length prefix; a wide mark sets `wide` and may appear only once.
uint32_t Archive::ReadStringLength(bool& wide) {
  wide = false;
  for (;;) {
    uint8_t b = ReadByte();
    if (b < kByteEscape) return b;
    uint16_t w = ReadUint16();
    if (w == kWordEscape) return ReadUint32();
    if (w != kWideMark) return w;
    if (wide) throw ArchiveError(COstrelArchive::kBadFormat);
    wide = true;
  }
}

OString Archive::ReadString() {
  bool wide;
  uint32_t n = ReadStringLength(wide);
  if (!wide) {
    Require(n);
    std::string bytes(n, '\0');
    ReadBytes(bytes.data(), n);
    return platform::DecodeAnsi(bytes);
  }
  Require(2ull * n);
  if constexpr (kUnitsAreLittleEndian16) {
    OString text(n, OChar());
    ReadBytes(text.data(), 2 * n);
    return text;
  }
  std::string bytes(2ull * n, '\0');
  ReadBytes(bytes.data(), 2 * n);
  OString text(n, OChar());
  for (uint32_t i = 0; i < n; ++i) {
    uint8_t lo = static_cast<uint8_t>(bytes[2 * i]);
    uint8_t hi = static_cast<uint8_t>(bytes[2 * i + 1]);
    text[i] = static_cast<OChar>(lo | (hi << 8));
  }
  return text;
}

void Archive::WriteStringList(const OStringList& list) {
  WriteCount(static_cast<uint32_t>(list.size()));
  for (const OString& s : list) WriteString(s);
}

OStringList Archive::ReadStringList() {
  uint32_t n = ReadCount();
  Require(n);  // every string takes at least one byte
  OStringList list;
  list.reserve(n);
  for (uint32_t i = 0; i < n; ++i) list.push_back(ReadString());
  return list;
}

void Archive::Serialize(int32_t& value) {
  if (IsStoring()) WriteInt32(value); else value = ReadInt32();
}

void Archive::Serialize(uint32_t& value) {
  if (IsStoring()) WriteInt32(static_cast<int32_t>(value));
  else value = static_cast<uint32_t>(ReadInt32());
}

void Archive::Serialize(OString& text) {
  if (IsStoring()) WriteString(text); else text = ReadString();
}

void Archive::Serialize(OStringList& list) {
  if (IsStoring()) WriteStringList(list); else list = ReadStringList();
}

}  // namespace mervane
