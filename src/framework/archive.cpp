#include "framework/archive.h"

#include <algorithm>
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

// Storing, a record's bytes are held back in pieces of this size; loading,
// a fetch ahead of need stops here, so the buffer stays small and warm.
constexpr size_t kPieceSize = 64 * 1024;

Archive::Record::Record(Archive& ar, uint64_t shortest) : ar_(ar) {
  ++ar_.openRecords_;
  if (!ar_.IsStoring()) ar_.Expect(shortest);
}

Archive::Record::~Record() {
  if (--ar_.openRecords_ == 0) ar_.Flush();
}

uint64_t Archive::BytesLeft() const { return Buffered() + stream_.BytesLeft(); }

void Archive::Require(uint64_t bytes) const {
  if (bytes > Buffered() && bytes > BytesLeft())
    throw ArchiveError(COstrelArchive::kEndOfFile);
}

void Archive::Expect(uint64_t bytes) {
  const uint64_t reach = fetched_ - Buffered() + bytes;
  if (reach > expected_) expected_ = reach;
}

// Hands the held-back bytes on, then keeps `data` back too if it fits.
void Archive::WriteThrough(const void* data, uint32_t size) {
  Flush();
  if (openRecords_ == 0 || size >= kPieceSize) {
    stream_.Write(data, size);
    return;
  }
  if (!buffer_) {
    buffer_ = std::make_unique<uint8_t[]>(kPieceSize);
    capacity_ = kPieceSize;
  }
  std::memcpy(buffer_.get(), data, size);
  end_ = size;
}

void Archive::Flush() {
  if (!IsStoring() || end_ == 0) return;
  stream_.Write(buffer_.get(), static_cast<uint32_t>(end_));
  end_ = 0;
}

// Moves what is left to the front and reads the missing bytes, plus as many
// of the expected ones as fit in a piece. Callers have checked with Require
// that large sizes are there, so the buffer never outgrows the data.
const uint8_t* Archive::Refill(uint32_t size) {
  const size_t have = Buffered();
  const uint64_t ahead = expected_ > fetched_ ? expected_ - fetched_ : 0;
  const size_t want = std::max<size_t>(
      size - have, static_cast<size_t>(std::min<uint64_t>(ahead, kPieceSize)));
  if (have + want > capacity_) {
    auto grown = std::make_unique<uint8_t[]>(std::max(have + want, kPieceSize));
    capacity_ = std::max(have + want, kPieceSize);
    if (have != 0) std::memcpy(grown.get(), buffer_.get() + next_, have);
    buffer_ = std::move(grown);
  } else if (have != 0) {
    std::memmove(buffer_.get(), buffer_.get() + next_, have);
  }
  next_ = 0;
  const uint32_t got = stream_.Read(buffer_.get() + have, static_cast<uint32_t>(want));
  end_ = have + got;
  fetched_ += got;
  if (end_ < size) throw ArchiveError(COstrelArchive::kEndOfFile);
  return buffer_.get();
}

void Archive::ReadBytes(void* data, uint32_t size) {
  // Large strings go straight from the stream to their place.
  if (size > kPieceSize && Buffered() < size) {
    const size_t have = Buffered();
    if (have != 0) std::memcpy(data, buffer_.get() + next_, have);
    next_ = end_;
    const uint32_t rest = size - static_cast<uint32_t>(have);
    const uint32_t got = stream_.Read(static_cast<uint8_t*>(data) + have, rest);
    fetched_ += got;
    if (got != rest) throw ArchiveError(COstrelArchive::kEndOfFile);
    return;
  }
  std::memcpy(data, Fetch(size), size);
  next_ += size;
}

uint8_t Archive::ReadByte() {
  uint8_t b = *Fetch(1);
  ++next_;
  return b;
}

uint16_t Archive::ReadUint16() {
  const uint8_t* b = Fetch(2);
  next_ += 2;
  return static_cast<uint16_t>(b[0] | (b[1] << 8));
}

uint32_t Archive::ReadUint32() {
  const uint8_t* b = Fetch(4);
  next_ += 4;
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
  // The prefix goes straight into the record's buffer when it fits there:
  // staged on the stack, its byte stores would stall the wider loads that
  // copy it on.
  uint8_t staged[10];
  uint8_t* const room = Room(sizeof staged);
  uint8_t* const head = room != nullptr ? room : staged;
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
  if (room != nullptr)
    end_ += static_cast<size_t>(used);
  else
    WriteBytes(staged, static_cast<uint32_t>(used));
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
  OString text;
  ReadString(text);
  return text;
}

// Reads into `text`, reusing its storage; on failure `text` is unchanged.
void Archive::ReadString(OString& text) {
  bool wide;
  uint32_t n = ReadStringLength(wide);
  if (!wide) {
    Require(n);
    std::string bytes(n, '\0');
    ReadBytes(bytes.data(), n);
    text = platform::DecodeAnsi(bytes);
    return;
  }
  Require(2ull * n);
  if constexpr (kUnitsAreLittleEndian16) {
    text.resize(n);
    ReadBytes(text.data(), 2 * n);
    return;
  }
  const uint8_t* bytes = Fetch(2 * n);
  next_ += 2 * n;
  text.resize(n);
  for (uint32_t i = 0; i < n; ++i)
    text[i] = static_cast<OChar>(bytes[2 * i] | (bytes[2 * i + 1] << 8));
}

void Archive::WriteStringList(const OStringList& list) {
  WriteCount(static_cast<uint32_t>(list.size()));
  for (const OString& s : list) WriteString(s);
}

OStringList Archive::ReadStringList() {
  uint32_t n = ReadCount();
  // Every string takes at least one byte.
  Require(n);
  Expect(n);
  OStringList list(n);
  for (OString& s : list) ReadString(s);
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
  if (IsStoring()) WriteString(text); else ReadString(text);
}

void Archive::Serialize(OStringList& list) {
  if (IsStoring()) WriteStringList(list); else list = ReadStringList();
}

}  // namespace mervane
