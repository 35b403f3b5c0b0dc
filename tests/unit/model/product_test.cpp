#include "model/product.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace mervane {
namespace {

using testing::Bytes;
using testing::LoadRecord;
using testing::StoreRecord;

TEST(ProductTest, EmptyProductIs44Bytes) {
  CProduct p;
  Bytes expected{0x64, 0, 0, 0};
  for (int i = 0; i < 9; ++i) expected.insert(expected.end(), {0xFF, 0xFE, 0xFF, 0x00});
  expected.insert(expected.end(), {0, 0, 0, 0});
  EXPECT_EQ(StoreRecord(p), expected);
}

TEST(ProductTest, StorageOrderDiffersFromFieldOrder) {
  CProduct p;
  p.name = OSTR("N");
  p.description = OSTR("D");
  p.reserved2 = OSTR("2");
  p.productId = OSTR("I");
  p.image = OSTR("M");
  p.price = OSTR("P");
  p.reserved1 = OSTR("1");
  p.reserved3 = OSTR("3");
  p.category = OSTR("C");
  Bytes b = StoreRecord(p);
  std::string letters;
  for (size_t at = 4; letters.size() < 9; at += 6) letters += static_cast<char>(b[at + 4]);
  EXPECT_EQ(letters, "ND2IMP13C");
}

TEST(ProductTest, ListLoadOverwritesInPlaceAndIgnoresTheVersion) {
  ProductList source;
  source.Resize(2);
  source[0].name = OSTR("A");
  source[1].reservedList1 = {OSTR("r")};
  Bytes b = StoreRecord(source);
  b[2] = 0;  // first product's version 100 -> 0: read the same way

  ProductList target;
  target.Resize(5);
  target[4].name = OSTR("gone");
  ASSERT_EQ(LoadRecord(b, target), COstrelArchive::kNoError);
  EXPECT_EQ(target, source);

  ProductList empty;
  EXPECT_EQ(StoreRecord(empty), (Bytes{0, 0}));
}

}  // namespace
}  // namespace mervane
