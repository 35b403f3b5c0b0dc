#include "grid/grid_cells.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace mervane::testing {
namespace {

// Records what a cell asks of its window.
class Recorder : public CExtGridCellCanvas, public CExtGridCellEditors {
 public:
  void Write(const OString& text) override { Add("write " + ToUtf8(text)); }
  void CheckBox(bool checked) override { Add(checked ? "checked" : "unchecked"); }
  void Swatch(OColor) override { Add("swatch"); }
  void DropButton() override { Add("button"); }
  void SpinButtons(bool, bool) override { Add("spin"); }
  void EditText(const OString& text) override { Add("edit " + ToUtf8(text)); }
  void EditNumber(const OString& text) override { Add("number " + ToUtf8(text)); }
  void DropList(CExtGridCellComboBox&) override { Add("list"); }
  void DropPalette(CExtGridCellColor&) override { Add("palette"); }
  void ValueChanged() override { Add("changed"); }
  void Add(const std::string& request) { log += request + " "; }
  std::string log;
};

// Draws the cell, edits it, drops it down, presses its upper button, then
// Space, + and -. "|" ends each call, "+|" one that the cell took.
std::string Exercise(CExtGridCell& cell) {
  Recorder r;
  cell.Draw(r);
  r.Add("|");
  cell.Edit(r);
  r.Add("|");
  cell.DropDown(r);
  r.Add(cell.PressButton(true, r) ? "| +|" : "| |");
  for (CExtGridKey key : {CExtGridKey::kSpace, CExtGridKey::kPlus, CExtGridKey::kMinus}) {
    r.Add(cell.PressKey(key, r) ? "+|" : "|");
  }
  return r.log;
}

TEST(GridCells, EachKindDrawsEditsAndTakesKeysItself) {
  CExtGridCellString text;
  text.text = U("a\tb");
  CExtGridCellCheckBox box;
  CExtGridCellComboBox list;
  list.items = {U("6"), U("7")};
  list.selected = 1;
  CExtGridCellUpDown spin;
  spin.value.value = INT32_MAX;  // cannot move up
  CExtGridCellColor color;
  color.showValueText = true;
  EXPECT_EQ(Exercise(text), "write a\tb | edit a\tb | | | | | | ");
  EXPECT_EQ(Exercise(box), "unchecked | changed | | | changed +| | | ");
  EXPECT_EQ(Exercise(list), "write 7 button | list | list list | +| | | | ");
  EXPECT_EQ(Exercise(spin), "write 2147483647 spin | number 2147483647 | | +| | +| changed +| ");
  EXPECT_EQ(Exercise(color), "swatch write #000000 button | palette | palette palette | +| | | | ");
}

// Typed text reaches a number only as a whole 32-bit integer that differs.
TEST(GridCells, TypedTextChangesANumberOnlyWhenItIsOne) {
  const std::pair<const char*, bool> kCases[] = {
      {"12", true}, {"-2147483648", true}, {"5", false},         {"1x", false},
      {"-", false}, {"2147483648", false}, {"", false}};
  for (auto [typed, taken] : kCases) {
    CExtGridCellUpDown spin;
    spin.value.value = 5;
    EXPECT_EQ(spin.TakeText(U(typed)), taken) << typed;
    EXPECT_EQ(spin.Text(), taken ? U(typed) : U("5")) << typed;
  }
}

}  // namespace
}  // namespace mervane::testing
