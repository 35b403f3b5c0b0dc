#include "grid/outline_ids.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace mervane::testing {
namespace {

// Categories take the first numbers, so a reader that counts a grid's
// children 1..C lands on them; values follow depth first.
TEST(OutlineIds, CategoriesFirstThenValuesDepthFirst) {
  CExtPropertyStore store(U("Page"));
  CExtPropertyCategory* a = store.AddCategory(U("A"), {});
  CExtPropertyCategory* b = store.AddCategory(U("B"), {});
  CExtPropertyItem* a1 = a->Insert(std::make_unique<CExtPropertyValue>(U("a1")));
  CExtPropertyItem* a1x = a1->Insert(std::make_unique<CExtPropertyValue>(U("a1x")));
  CExtPropertyItem* b1 = b->Insert(std::make_unique<CExtPropertyValue>(U("b1")));
  CExtOutlineIds ids(&store);
  const CExtPropertyItem* kOrder[] = {a, b, a1, a1x, b1};
  for (long id = 1; id <= 5; ++id) {
    EXPECT_EQ(ids.ItemOf(id), kOrder[id - 1]) << id;
    EXPECT_EQ(ids.IdOf(kOrder[id - 1]), id);
  }
  CExtPropertyValue stranger(U("x"));
  EXPECT_EQ(ids.IdOf(&stranger), 0);
  EXPECT_EQ(ids.IdOf(nullptr), 0);
  for (long id : {0L, 6L, -1L}) EXPECT_EQ(ids.ItemOf(id), nullptr) << id;
  EXPECT_EQ(CExtOutlineIds().ItemOf(1), nullptr);
}

}  // namespace
}  // namespace mervane::testing
