// The project archive that the host hands to COstrelExtension::Serialize.
//
// An archive is a byte stream positioned where one widget's block begins; it
// either stores (writes) or loads (reads). Blocks carry no framing: whatever
// the host writes after a block follows it directly, so an extension must
// read back exactly the bytes it wrote.
//
// The extension reports a failed load through SetError, never by throwing.
#ifndef OSTREL_ARCHIVE_H_
#define OSTREL_ARCHIVE_H_

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

class COstrelArchive {
 public:
  enum ErrorCode : int32_t {
    kNoError = 0,
    kEndOfFile = 1,   // a read ran past the end of the data
    kBadFormat = 2,   // the data cannot be a block (e.g. a doubled string mark)
    kWriteFailed = 3, // a store could not write all its bytes
    kOutOfMemory = 4, // memory ran out while storing or loading
  };

  explicit COstrelArchive(bool storing) : storing_(storing) {}
  virtual ~COstrelArchive() = default;

  bool IsStoring() const { return storing_; }
  bool IsLoading() const { return !storing_; }

  // Copies up to size bytes and returns how many were available.
  virtual uint32_t Read(void* data, uint32_t size) = 0;
  virtual void Write(const void* data, uint32_t size) = 0;
  // Bytes a load can still read; lets readers refuse lengths the data cannot
  // hold before allocating for them.
  virtual uint64_t BytesLeft() const = 0;

  // The first error sticks; later ones do not replace it.
  void SetError(ErrorCode code) {
    if (error_ == kNoError) error_ = code;
  }
  ErrorCode Error() const { return error_; }

 private:
  bool storing_;
  ErrorCode error_ = kNoError;
};

// An archive over a byte vector: storing appends to it, loading reads it
// from the start.
class COstrelMemoryArchive : public COstrelArchive {
 public:
  // A storing archive that collects bytes into its own buffer.
  COstrelMemoryArchive() : COstrelArchive(true) {}
  // A loading archive over a copy of the given bytes.
  explicit COstrelMemoryArchive(std::vector<uint8_t> bytes)
      : COstrelArchive(false), bytes_(std::move(bytes)) {}

  uint32_t Read(void* data, uint32_t size) override {
    uint64_t left = BytesLeft();
    uint32_t n = size < left ? size : static_cast<uint32_t>(left);
    if (n != 0) std::memcpy(data, bytes_.data() + position_, n);
    position_ += n;
    return n;
  }
  void Write(const void* data, uint32_t size) override {
    const uint8_t* p = static_cast<const uint8_t*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  uint64_t BytesLeft() const override { return bytes_.size() - position_; }

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  size_t Position() const { return position_; }

 private:
  std::vector<uint8_t> bytes_;
  size_t position_ = 0;
};

// An archive over an open stdio file. The caller owns the FILE.
class COstrelFileArchive : public COstrelArchive {
 public:
  COstrelFileArchive(std::FILE* file, bool storing)
      : COstrelArchive(storing), file_(file) {}

  uint32_t Read(void* data, uint32_t size) override {
    return static_cast<uint32_t>(std::fread(data, 1, size, file_));
  }
  void Write(const void* data, uint32_t size) override {
    if (std::fwrite(data, 1, size, file_) != size) SetError(kWriteFailed);
  }
  uint64_t BytesLeft() const override {
    long here = std::ftell(file_);
    if (here < 0 || std::fseek(file_, 0, SEEK_END) != 0) return 0;
    long end = std::ftell(file_);
    std::fseek(file_, here, SEEK_SET);
    return end > here ? static_cast<uint64_t>(end - here) : 0;
  }

 private:
  std::FILE* file_;
};

#endif  // OSTREL_ARCHIVE_H_
