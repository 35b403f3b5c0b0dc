// Helpers shared by the unit tests.
#ifndef MERVANE_TESTS_UNIT_TEST_SUPPORT_H_
#define MERVANE_TESTS_UNIT_TEST_SUPPORT_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "framework/archive.h"
#include "framework/text.h"
#include "ostrel/archive.h"

namespace mervane::testing {

using Bytes = std::vector<uint8_t>;

// UTF-8 test text as the module's UTF-16 string.
inline OString U(std::string_view utf8) { return FromUtf8(utf8); }

// Stores one serialisable record and returns its bytes.
template <typename Record>
Bytes StoreRecord(Record& record) {
  COstrelMemoryArchive stream;
  Archive ar(stream);
  record.Serialize(ar);
  return stream.Bytes();
}

// Loads one record from bytes; returns the archive's error code.
template <typename Record>
COstrelArchive::ErrorCode LoadRecord(const Bytes& bytes, Record& record) {
  COstrelMemoryArchive stream(bytes);
  Archive ar(stream);
  try {
    record.Serialize(ar);
  } catch (const ArchiveError& e) {
    return e.code();
  }
  return COstrelArchive::kNoError;
}

}  // namespace mervane::testing

#endif  // MERVANE_TESTS_UNIT_TEST_SUPPORT_H_
