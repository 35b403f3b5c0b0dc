#include "model/cart_settings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <type_traits>
#include <vector>

#include "test_support.h"

namespace mervane::testing {
namespace {

// Equality of everything a block stores (bounds and publish folders are not).
void ExpectSameStoredFields(CartSettings& a, CartSettings& b) {
  EXPECT_EQ(StoreRecord(a), StoreRecord(b));
  for (const CartText& t : kCartTexts) EXPECT_EQ(a.*t.field, b.*t.field) << t.name;
  for (const CartStyle& s : kCartStyles) EXPECT_EQ(a.*s.field, b.*s.field) << s.name;
}

CartSettings EditedCart() {
  CartSettings c;
  c.id = 7;
  c.reservedValue = -3;
  c.padding = 99;
  c.paymentProcessor = kPayPal;
  c.checkoutUrl = OSTR("https://pay.example/x");
  c.hiddenFields = {OSTR("cmd|_cart"), OSTR("no bar")};
  c.checkoutScript = OSTR("<?php echo 1; ?>\r\n");
  c.enableSearch = 0;
  c.listBackgroundColor = 0xFF123456;
  c.cssFileName = OSTR("shop.css");
  c.labelCheckout = U("Zur Kasse \xE2\x82\xAC");
  c.messageCartEmpty = OString(300, OSTR('e'));
  c.checkoutButtonStyle.fontName = OSTR("Verdana");
  c.products.Resize(2);
  c.products[0].name = OSTR("Cake");
  c.products[0].reserved2 = OSTR("kept");
  c.products[1].reservedList2 = {OSTR("x"), OSTR("y")};
  return c;
}

TEST(CartSettingsTest, DefaultMessageBarStyleBytes) {
  CartSettings c;
  EXPECT_EQ(StoreRecord(c.messageBarStyle),
            (Bytes{0x5A, 0x56, 0x55, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xDD, 0x00,
                   0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xD7, 0x00, 0x00, 0xFF, 0xFE, 0xFF, 0x05,
                   0x41, 0x00, 0x72, 0x00, 0x69, 0x00, 0x61, 0x00, 0x6C, 0x00, 0x0A, 0x00,
                   0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                   0x00, 0x00, 0x05, 0x00, 0x00, 0x00}));
}

TEST(CartSettingsTest, BlockLayout) {
  CartSettings c;
  Bytes block = StoreRecord(c);
  // Version 101, id, reserved value, padding, then an empty product count.
  EXPECT_EQ(Bytes(block.begin(), block.begin() + 18),
            (Bytes{101, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0}));
  // The checkout button's style is the last record, after the message bar's.
  c.checkoutButtonStyle.borderRadius = 42;
  Bytes changed = StoreRecord(c);
  ASSERT_EQ(changed.size(), block.size());
  EXPECT_EQ(changed[changed.size() - 4], 42);
  EXPECT_TRUE(std::equal(block.begin(), block.end() - 4, changed.begin()));
}

TEST(CartSettingsTest, RoundTripKeepsEveryStoredField) {
  CartSettings edited = EditedCart(), back;
  back.bounds = {1, 2, 3, 4};
  back.publishFolders = {OSTR("jpg|images")};
  back.products.Resize(5);
  ASSERT_EQ(LoadRecord(StoreRecord(edited), back), COstrelArchive::kNoError);
  ExpectSameStoredFields(edited, back);
  EXPECT_EQ(back.products.Size(), 2u);
  EXPECT_EQ(back.bounds.right, 3);
  EXPECT_EQ(back.publishFolders.size(), 1u);
}

TEST(CartSettingsTest, Version100BlocksHaveNoTexts) {
  CartSettings source = EditedCart();
  Bytes full = StoreRecord(source);
  // Cut the 24 texts out and mark the block as version 100.
  Bytes textsOnly;
  {
    COstrelMemoryArchive s;
    Archive ar(s);
    for (const CartText& t : kCartTexts) ar.WriteString(source.*t.field);
    textsOnly = s.Bytes();
  }
  auto at = std::search(full.begin(), full.end(), textsOnly.begin(), textsOnly.end());
  ASSERT_NE(at, full.end());
  Bytes old(full.begin(), at);
  old.insert(old.end(), at + textsOnly.size(), full.end());
  old[0] = 100;

  CartSettings back;
  ASSERT_EQ(LoadRecord(old, back), COstrelArchive::kNoError);
  EXPECT_EQ(back.labelCheckout, OSTR("Checkout"));
  EXPECT_EQ(back.checkoutButtonStyle.fontName, OSTR("Verdana"));
  EXPECT_EQ(back.cssFileName, OSTR("shop.css"));
}

// A load reads exactly its block: the host's bytes after it stay unread,
// also for the shortest block (8-bit empty strings, version 100) whose
// products are smaller than any stored one.
TEST(CartSettingsTest, LoadStopsAtTheEndOfItsBlock) {
  const Bytes shortestProduct{100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  Bytes shortest{100, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 20, 0};
  for (int i = 0; i < 20; ++i)
    shortest.insert(shortest.end(), shortestProduct.begin(), shortestProduct.end());
  shortest.insert(shortest.end(), 4 + 1 + 2 + 1 + 20 + 2, 0);
  for (int i = 0; i < 5; ++i) shortest.insert(shortest.end(), 41, 0);
  CartSettings edited = EditedCart();
  edited.products.Resize(3000);
  for (const Bytes& block : {shortest, StoreRecord(edited)}) {
    Bytes followed = block;
    followed.insert(followed.end(), {'h', 'o', 's', 't'});
    COstrelMemoryArchive stream(followed);
    Archive ar(stream);
    CartSettings target;
    target.Serialize(ar);
    EXPECT_EQ(stream.Position(), block.size());
    EXPECT_EQ(target.products.Size(), block == shortest ? 20u : 3000u);
  }
}

TEST(CartSettingsTest, EveryPrefixOfABlockFailsCleanly) {
  CartSettings source = EditedCart();
  Bytes block = StoreRecord(source);
  for (size_t n = 0; n < block.size(); ++n) {
    CartSettings target;
    Bytes prefix(block.begin(), block.begin() + n);
    ASSERT_EQ(LoadRecord(prefix, target), COstrelArchive::kEndOfFile) << n;
  }
}

TEST(CartSettingsTest, HugeProductCountFailsBeforeGrowingTheList) {
  Bytes block{101, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 2, 0, 0, 0,
              0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F};
  CartSettings target;
  target.products.Resize(3);
  EXPECT_EQ(LoadRecord(block, target), COstrelArchive::kEndOfFile);
  EXPECT_EQ(target.products.Size(), 3u);
}

// Every member of CartSettings has a row in one of its three tables: laid
// end to end, the rows' members fill the record, leaving no gap a member
// without a row could sit in beyond what alignment pads.
TEST(CartSettingsTest, EveryMemberHasARow) {
  const CartSettings s;
  struct Span { size_t offset, size, align; };
  std::vector<Span> spans;
  auto add = [&](const auto& member) {
    spans.push_back({static_cast<size_t>(reinterpret_cast<const char*>(&member) -
                                         reinterpret_cast<const char*>(&s)),
                     sizeof member, alignof(std::remove_cvref_t<decltype(member)>)});
  };
  for (const CartField& row : kCartFields) {
    const SettingsMember& m = row.field;
    if (m.integer != nullptr) add(s.*m.integer);
    if (m.color != nullptr) add(s.*m.color);
    if (m.text != nullptr) add(s.*m.text);
    if (m.list != nullptr) add(s.*m.list);
    if (m.products != nullptr) add(s.*m.products);
    if (m.rect != nullptr) add(s.*m.rect);
  }
  for (const CartText& t : kCartTexts) add(s.*t.field);
  for (const CartStyle& t : kCartStyles) add(s.*t.field);
  std::sort(spans.begin(), spans.end(), [](Span a, Span b) { return a.offset < b.offset; });
  auto alignUp = [](size_t at, size_t align) { return (at + align - 1) / align * align; };
  size_t end = 0;
  for (const Span& span : spans) {
    EXPECT_EQ(span.offset, alignUp(end, span.align)) << "a member without a row before " << span.offset;
    end = span.offset + span.size;
  }
  EXPECT_EQ(sizeof(CartSettings), alignUp(end, alignof(CartSettings)));
}

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
}

}  // namespace
}  // namespace mervane::testing
