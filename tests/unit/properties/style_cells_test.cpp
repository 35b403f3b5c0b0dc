#include "properties/style_cells.h"

#include <gtest/gtest.h>

#include "model/cart_settings.h"
#include "properties/sheet_transfer.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

StylePageCopies CopiesOf(const CartSettings& cart) { return CopyIn(cart).style; }

const std::vector<FontFace> kFaces = {
    {U("Verdana"), 4, 0}, {U("Arial"), 4, 0}, {U("Arial"), 4, 204}, {U("Wingdings"), 4, 2},
    {U("@Gothic"), 4, 128}};

CExtPropertyValue& Item(CExtPropertyStore& store, const char* category, const char* name) {
  for (auto& c : store.Categories()) {
    if (c->Name() != U(category)) continue;
    for (auto& item : c->Children()) {
      if (item->Name() == U(name)) return static_cast<CExtPropertyValue&>(*item);
    }
  }
  throw std::logic_error("no such item");
}

template <typename Cell>
Cell& ActiveCell(CExtPropertyValue& item) {
  return dynamic_cast<Cell&>(*item.ValueActive());
}

TEST(RangeCell, ButtonsStopAtTheBoundsAndArchiveAfterTheSpinData) {
  CExtGridCellUpDownRange cell;
  cell.value.value = 99;
  EXPECT_FALSE(cell.StepUp());
  EXPECT_TRUE(cell.StepDown());
  cell.value.value = 0;
  EXPECT_FALSE(cell.StepDown());
  cell.value.value = 150;  // outside the range: kept, only not moved further
  EXPECT_FALSE(cell.StepUp());
  EXPECT_TRUE(cell.StepDown());

  cell.SetRange(-2, 0x01020304);
  const Bytes expected = {3, 0, 0, 0, 149, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 4, 3, 2, 1};
  EXPECT_EQ(testing::StoreRecord(cell), expected);
  CExtGridCellUpDownRange loaded;
  ASSERT_EQ(testing::LoadRecord(expected, loaded), COstrelArchive::kNoError);
  EXPECT_EQ(testing::StoreRecord(loaded), expected);
}

TEST(RangeCell, CopiesTheRangeOnlyFromAnotherRangeCell) {
  CExtGridCellUpDown plain;
  plain.value.value = 7;
  CExtGridCellUpDownRange target;
  target.SetRange(5, 10);
  target.Assign(plain);
  EXPECT_EQ(target.value.value, 7);
  EXPECT_EQ(target.minimum, 5);
  EXPECT_EQ(target.maximum, 10);
}

TEST(StyleStore, CellsOpenOnTheCopiesValuesAndFontLists) {
  CartSettings cart;
  cart.productsStyle.fontSize = 13;
  cart.productsStyle.fontName = U("Not Installed");
  cart.buttonsStyle.fontSize = 14;
  auto store = BuildStyleStore(CopiesOf(cart), kFaces);
  EXPECT_EQ(store->Name(), U("Page"));

  auto& names = ActiveCell<CExtGridCellFontComboBox>(Item(*store, "Main", "FontName"));
  EXPECT_EQ(names.items, (OStringList{U("Arial"), U("Verdana")}));
  EXPECT_EQ(names.Text(), U("Arial"));
  EXPECT_EQ(names.ListBoxStyle() & CExtGridCellFontComboBox::kListBoxSort, 2u);
  auto& unknown = ActiveCell<CExtGridCellComboBox>(Item(*store, "Products", "FontName"));
  EXPECT_FALSE(unknown.HasSelection());
  EXPECT_EQ(unknown.Text(), U("Not Installed"));

  EXPECT_FALSE(ActiveCell<CExtGridCellComboBox>(Item(*store, "Products", "FontSize")).HasSelection());
  EXPECT_EQ(ActiveCell<CExtGridCellComboBox>(Item(*store, "Buttons", "FontSize")).Text(), U("14"));
  EXPECT_EQ(ActiveCell<CExtGridCellColor>(Item(*store, "Main", "TabTextColor")).customButtonCaption,
            U("More colors..."));
  for (auto& category : store->Categories()) {
    for (auto& item : category->Children()) {
      EXPECT_FALSE(static_cast<CExtPropertyValue&>(*item).IsModified());
    }
  }
}

// A pick reaches the copy through the change report; a reset brings back a
// size that no list entry holds.
TEST(StyleStore, EditsAndResetsWriteBackIntoTheCopies) {
  StylePageCopies copies = CopiesOf(CartSettings());
  auto write = [&](CExtPropertyItem& item) { return WriteStyleItem(copies, item); };
  copies.productsStyle.fontSize = 13;
  auto store = BuildStyleStore(copies, kFaces);
  CExtPropertyValue& size = Item(*store, "Products", "FontSize");
  ActiveCell<CExtGridCellComboBox>(size).SelectText(U("72"));
  EXPECT_TRUE(size.IsModified());
  EXPECT_EQ(ReportChange(&size, write), &size);
  EXPECT_EQ(copies.productsStyle.fontSize, 72);
  size.Reset();
  EXPECT_FALSE(size.IsModified());
  ReportChange(&size, write);
  EXPECT_EQ(copies.productsStyle.fontSize, 13);
}

}  // namespace
}  // namespace mervane::testing
