#include "framework/archive.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace mervane {
namespace {

using testing::Bytes;
using testing::U;

// The bytes that `write` stores through an archive.
template <typename Write>
Bytes Stored(Write write) {
  COstrelMemoryArchive stream;
  Archive ar(stream);
  write(ar);
  return stream.Bytes();
}

Bytes StoredString(const OString& text) {
  return Stored([&](Archive& ar) { ar.WriteString(text); });
}

// Reads one string from raw bytes; returns the error code it ended with.
COstrelArchive::ErrorCode ReadString(const Bytes& bytes, OString& out) {
  COstrelMemoryArchive stream(bytes);
  try {
    out = Archive(stream).ReadString();
  } catch (const ArchiveError& e) {
    return e.code();
  }
  return COstrelArchive::kNoError;
}

TEST(ArchiveTest, StringsCarryTheWideMarkAndTheShortestLengthForm) {
  EXPECT_EQ(StoredString(OString()), (Bytes{0xFF, 0xFE, 0xFF, 0x00}));
  EXPECT_EQ(StoredString(OSTR("Arial")),
            (Bytes{0xFF, 0xFE, 0xFF, 0x05, 'A', 0, 'r', 0, 'i', 0, 'a', 0, 'l', 0}));

  Bytes b254 = StoredString(OString(254, OSTR('x')));
  EXPECT_EQ(b254.size(), 4u + 508);
  EXPECT_EQ(b254[3], 254);

  Bytes b255 = StoredString(OString(255, OSTR('x')));
  EXPECT_EQ(Bytes(b255.begin(), b255.begin() + 6),
            (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}));

  Bytes b65534 = StoredString(OString(0xFFFE, OSTR('x')));
  EXPECT_EQ(Bytes(b65534.begin(), b65534.begin() + 10),
            (Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}));
}

TEST(ArchiveTest, EveryLengthFormReadsBack) {
  for (size_t n : {0u, 1u, 254u, 255u, 0xFFFDu, 0xFFFEu, 70000u}) {
    OString text(n, OSTR('q'));
    if (n > 0) text[n - 1] = static_cast<OChar>(0x20AC);
    OString back;
    ASSERT_EQ(ReadString(StoredString(text), back), COstrelArchive::kNoError) << n;
    EXPECT_EQ(back, text) << n;
  }
}

TEST(ArchiveTest, CountsEscapeAtFFFF) {
  for (const auto& [count, bytes] : {std::pair<uint32_t, Bytes>{0, {0, 0}},
                                     {0xFFFE, {0xFE, 0xFF}},
                                     {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0, 0}}})
    EXPECT_EQ(Stored([&](Archive& ar) { ar.WriteCount(count); }), bytes) << count;
  COstrelMemoryArchive stream(Bytes{0xFF, 0xFF, 0x10, 0x27, 0, 0});
  EXPECT_EQ(Archive(stream).ReadCount(), 10000u);
}

TEST(ArchiveTest, EightBitStringsAreReadThroughTheCodePage) {
  OString text;
  ASSERT_EQ(ReadString(Bytes{0x04, 'C', 'a', 'f', 0xE9}, text), COstrelArchive::kNoError);
  EXPECT_EQ(text, U("Caf\xC3\xA9"));
  // 0x80 is the euro sign in the Western code page.
  ASSERT_EQ(ReadString(Bytes{0x01, 0x80}, text), COstrelArchive::kNoError);
  EXPECT_EQ(text, U("\xE2\x82\xAC"));
  // Long form without the wide mark: FF, then a 16-bit length.
  Bytes longForm{0xFF, 0x03, 0x00, 'a', 'b', 'c'};
  ASSERT_EQ(ReadString(longForm, text), COstrelArchive::kNoError);
  EXPECT_EQ(text, OSTR("abc"));
}

TEST(ArchiveTest, MalformedOrShortStringsFailWithoutReadingPastTheEnd) {
  OString text = OSTR("unchanged");
  EXPECT_EQ(ReadString(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFE, 0xFF, 0x00}, text),
            COstrelArchive::kBadFormat);
  EXPECT_EQ(ReadString(Bytes{0xFF, 0xFE, 0xFF, 0x05, 'A', 0}, text),
            COstrelArchive::kEndOfFile);
  EXPECT_EQ(ReadString(Bytes{0xFF, 0xFE}, text), COstrelArchive::kEndOfFile);
  // A 4 GiB length in a few bytes is refused before anything is allocated.
  EXPECT_EQ(ReadString(Bytes{0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF,
                             0xFF, 0xFF, 0xFF, 0xFF, 'x', 0},
                       text),
            COstrelArchive::kEndOfFile);
  EXPECT_EQ(text, OSTR("unchanged"));
}

TEST(ArchiveTest, StringListsAreACountAndTheirStrings) {
  EXPECT_EQ(Stored([](Archive& ar) { ar.WriteStringList({}); }), (Bytes{0, 0}));
  COstrelMemoryArchive in(
      Stored([](Archive& ar) { ar.WriteStringList({OSTR("a|b"), OSTR("")}); }));
  EXPECT_EQ(Archive(in).ReadStringList(), (OStringList{OSTR("a|b"), OSTR("")}));

  // A count larger than the remaining bytes could hold fails at once.
  COstrelMemoryArchive huge(Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x00});
  EXPECT_THROW(Archive(huge).ReadStringList(), ArchiveError);
}

}  // namespace
}  // namespace mervane
