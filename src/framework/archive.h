// Byte rules of the host's project archive, on top of its raw stream.
//
// Integers are little-endian. A count below 0xFFFF takes 2 bytes, otherwise
// 0xFFFF and 4 more. A string is written as the wide mark (FF, FE FF), a
// length (1 byte below 255; FF and 2 bytes below 0xFFFE; FF, FF FF and 4
// bytes otherwise) and that many UTF-16 units. Reading also takes strings
// without the mark, as 8-bit text in the system code page.
//
// A failed read throws ArchiveError. Serialize at the module boundary turns
// it into the archive's error code; it never reaches the host as an
// exception.
#ifndef MERVANE_FRAMEWORK_ARCHIVE_H_
#define MERVANE_FRAMEWORK_ARCHIVE_H_

#include <cstdint>
#include <exception>

#include "ostrel/archive.h"
#include "ostrel/types.h"

namespace mervane {

class ArchiveError : public std::exception {
 public:
  explicit ArchiveError(COstrelArchive::ErrorCode code) : code_(code) {}
  COstrelArchive::ErrorCode code() const { return code_; }
  const char* what() const noexcept override { return "archive error"; }

 private:
  COstrelArchive::ErrorCode code_;
};

class Archive {
 public:
  explicit Archive(COstrelArchive& stream) : stream_(stream) {}

  bool IsStoring() const { return stream_.IsStoring(); }
  uint64_t BytesLeft() const { return stream_.BytesLeft(); }
  // Throws end-of-file unless at least `bytes` remain to be read.
  void Require(uint64_t bytes) const;

  void WriteInt32(int32_t value);
  void WriteCount(uint32_t count);
  void WriteString(const OString& text);
  void WriteStringList(const OStringList& list);

  int32_t ReadInt32();
  uint32_t ReadCount();
  OString ReadString();
  OStringList ReadStringList();

  // Store or load, by the archive's direction.
  void Serialize(int32_t& value);
  void Serialize(uint32_t& value);
  void Serialize(OString& text);
  void Serialize(OStringList& list);

 private:
  void WriteBytes(const void* data, uint32_t size);
  void ReadBytes(void* data, uint32_t size);
  uint8_t ReadByte();
  uint16_t ReadUint16();
  uint32_t ReadUint32();
  uint32_t ReadStringLength(bool& wide);

  COstrelArchive& stream_;
};

}  // namespace mervane

#endif  // MERVANE_FRAMEWORK_ARCHIVE_H_
