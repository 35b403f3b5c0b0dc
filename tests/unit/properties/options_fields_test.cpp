#include "properties/hidden_fields.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace mervane {
namespace {

using testing::U;

TEST(OptionsFieldsTest, RowsSplitAtTheFirstBarAndDropEntriesWithout) {
  const OStringList stored = {
      OSTR("cmd|_cart"),   OSTR("no bar"),          OSTR("a|b|c"),
      OSTR("|v"),          OSTR("n|"),              OSTR(""),
      OSTR("lines|1\r\n2"), U("\xF0\x9F\x8D\xB0|\t"),
  };
  const FieldRows rows = ParseFieldRows(stored);
  EXPECT_EQ(rows, (FieldRows{{OSTR("cmd"), OSTR("_cart")},
                             {OSTR("a"), OSTR("b|c")},
                             {OSTR(""), OSTR("v")},
                             {OSTR("n"), OSTR("")},
                             {OSTR("lines"), OSTR("1\r\n2")},
                             {U("\xF0\x9F\x8D\xB0"), OSTR("\t")}}));
  // OK drops only the entries without a bar; the rest read back as stored.
  OStringList kept = stored;
  std::erase_if(kept, [](const OString& e) { return e.find(OSTR('|')) == OString::npos; });
  EXPECT_EQ(RebuildFields(rows), kept);
  EXPECT_EQ(RebuildFields({{OSTR(""), OSTR("")}}), OStringList{OSTR("|")});
}

}  // namespace
}  // namespace mervane
