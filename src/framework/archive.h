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
//
// Reads and writes pass through a buffer, so a record costs a few stream
// calls rather than several per field. A load never fetches past what it
// needs or what the record has said it holds (Expect): whatever follows the
// record in the stream stays unread.
#ifndef MERVANE_FRAMEWORK_ARCHIVE_H_
#define MERVANE_FRAMEWORK_ARCHIVE_H_

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <exception>
#include <memory>

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

  // One whole record, stored or loaded. Storing, its bytes reach the stream
  // in large pieces when the scope ends; loading, the record holds at least
  // `shortest` bytes, which may then be fetched at once.
  class Record {
   public:
    Record(Archive& ar, uint64_t shortest);
    ~Record();
    Record(const Record&) = delete;
    Record& operator=(const Record&) = delete;

   private:
    Archive& ar_;
  };

  bool IsStoring() const { return stream_.IsStoring(); }
  uint64_t BytesLeft() const;
  // Throws end-of-file unless at least `bytes` remain to be read.
  void Require(uint64_t bytes) const;
  // The data being loaded holds at least `bytes` more from here; a load may
  // fetch them ahead. Must never exceed what a valid record holds.
  void Expect(uint64_t bytes);

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
  void WriteBytes(const void* data, uint32_t size) {
    if (openRecords_ != 0 && size <= capacity_ - end_) {
      std::memcpy(buffer_.get() + end_, data, size);
      end_ += size;
    } else {
      WriteThrough(data, size);
    }
  }
  // Where `size` bytes can be written into the open record's buffer, or
  // null; the writer then adds what it used to end_.
  uint8_t* Room(uint32_t size) {
    return openRecords_ != 0 && size <= capacity_ - end_ ? buffer_.get() + end_ : nullptr;
  }
  void WriteThrough(const void* data, uint32_t size);
  void Flush();
  void ReadBytes(void* data, uint32_t size);
  // Makes at least `size` bytes available in the buffer, or throws.
  const uint8_t* Fetch(uint32_t size) {
    return Buffered() >= size ? buffer_.get() + next_ : Refill(size);
  }
  const uint8_t* Refill(uint32_t size);
  size_t Buffered() const { return end_ - next_; }
  uint8_t ReadByte();
  uint16_t ReadUint16();
  uint32_t ReadUint32();
  uint32_t ReadStringLength(bool& wide);
  void ReadString(OString& text);

  COstrelArchive& stream_;
  // Loading: bytes [next_, end_) are fetched and not yet read. Storing:
  // bytes [0, end_) wait for the stream while a record is open.
  std::unique_ptr<uint8_t[]> buffer_;
  size_t capacity_ = 0;
  size_t next_ = 0;
  size_t end_ = 0;
  uint64_t fetched_ = 0;    // bytes taken from the stream so far
  uint64_t expected_ = 0;   // offset the loaded data is known to reach
  int openRecords_ = 0;
};

}  // namespace mervane

#endif  // MERVANE_FRAMEWORK_ARCHIVE_H_
