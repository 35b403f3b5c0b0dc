#include "properties/product_rows.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "resources/resource_ids.h"
#include "test_support.h"

namespace mervane {
namespace {

using testing::U;
using ::testing::ElementsAreArray;

// A list whose rows are plain values, with the list view's selection rules.
class FakeRows : public ProductRows {
 public:
  struct Row {
    CProduct product;
    bool selected = false;
    bool focused = false;
  };

  explicit FakeRows(const std::string& names, std::vector<size_t> selected = {}) {
    for (char c : names) rows.push_back({Named(std::string(1, c))});
    for (size_t i : selected) rows[i].selected = true;
  }
  static CProduct Named(const std::string& name) {
    CProduct p;
    p.name = U(name);
    p.productId = U("id-" + name);
    return p;
  }

  size_t Count() const override { return rows.size(); }
  std::optional<size_t> FirstSelected() const override {
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].selected) return i;
    }
    return std::nullopt;
  }
  size_t SelectedCount() const override { return Selected().size(); }
  const CProduct& Product(size_t row) const override { return rows[row].product; }
  void Insert(size_t row, const CProduct& p) override {
    rows.insert(rows.begin() + static_cast<ptrdiff_t>(row), {p});
  }
  void Erase(size_t row) override { rows.erase(rows.begin() + static_cast<ptrdiff_t>(row)); }
  void EraseAll() override { rows.clear(); }
  void Replace(size_t row, const CProduct& p) override { rows[row].product = p; }
  void SelectAndFocus(size_t row) override {
    for (Row& r : rows) r.focused = false;
    rows[row].selected = rows[row].focused = true;
  }

  std::string Names() const {
    std::string names;
    for (const Row& r : rows) names += ToUtf8(r.product.name) + ",";
    return names;
  }
  std::vector<size_t> Selected(bool Row::*flag = &Row::selected) const {
    std::vector<size_t> marked;
    for (size_t i = 0; i < rows.size(); ++i) {
      if (rows[i].*flag) marked.push_back(i);
    }
    return marked;
  }

  std::vector<Row> rows;
};


TEST(ProductRowsTest, MovesTakeTheFirstSelectedRowOnePlace) {
  struct Case {
    std::vector<size_t> selected;
    int step;
    std::string names;
    std::vector<size_t> selectedAfter;
    std::vector<size_t> focused;
  };
  const Case cases[] = {
      {{2, 4}, -1, "A,C,B,D,E,", {1, 4}, {1}},
      {{1, 3}, +1, "A,C,B,D,E,", {2, 3}, {2}},
      {{0}, -1, "A,B,C,D,E,", {0}, {}},
      {{4}, +1, "A,B,C,D,E,", {4}, {}},
      {{}, -1, "A,B,C,D,E,", {}, {}},
      {{}, +1, "A,B,C,D,E,", {}, {}},
  };
  for (const Case& c : cases) {
    FakeRows rows("ABCDE", c.selected);
    MoveFirstSelected(rows, c.step);
    EXPECT_EQ(rows.Names(), c.names);
    EXPECT_THAT(rows.Selected(), ElementsAreArray(c.selectedAfter));
    EXPECT_THAT(rows.Selected(&FakeRows::Row::focused), ElementsAreArray(c.focused));
  }
}

TEST(ProductRowsTest, WithoutSelectionEditCloneAndRemoveDoNothing) {
  FakeRows rows("ABC");
  bool shown = false;
  auto editor = [&shown](ProductForm&) { return shown = true; };
  EditFirstSelected(rows, editor);
  CloneFirstSelected(rows, editor);
  RemoveSelected(rows);
  EXPECT_FALSE(shown);
  EXPECT_EQ(rows.Names(), "A,B,C,");
}

// The list view test drives Remove row by row; all rows go at once.
TEST(ProductRowsTest, RemoveWithEveryRowSelectedEmptiesTheList) {
  FakeRows all("ABC", {0, 1, 2});
  RemoveSelected(all);
  ProductList applied;
  applied.Append(FakeRows::Named("old"));
  ApplyRows(all, applied);
  EXPECT_EQ(applied.Size(), 0u);
}

TEST(ProductRowsTest, ColumnsFitTheWiderMeasureButNeverUnderTenPixels) {
  EXPECT_EQ(ColumnWidth(5, 3), 10);
  EXPECT_EQ(ColumnWidth(40, 60), 60);
  EXPECT_EQ(ColumnWidth(80, 60), 80);
}

struct FakeControls : FormControls {
  std::map<int, OString> texts;
  OString Text(int id) const override { return texts.at(id); }
  void SetText(int id, const OString& text) override { texts[id] = text; }
};

TEST(ProductRowsTest, BrowseKeepsEveryTypedTextAndShowsAPickedPath) {
  ProductForm form;
  form.name = U("Mug");
  form.image = U("old.png");
  FakeControls controls;
  ShowForm(form, controls);
  controls.texts[IDC_PRODUCT_NAME] = U("typed name");
  controls.texts[IDC_PRODUCT_PRICE] = U("");
  const auto typed = controls.texts;

  BrowseImage(controls, form, [] { return std::nullopt; });
  EXPECT_EQ(controls.texts, typed);
  EXPECT_EQ(form.name, U("typed name"));

  BrowseImage(controls, form, [] { return U("C:\\pics\\mug one.png"); });
  EXPECT_EQ(controls.texts[IDC_PRODUCT_IMAGE], U("C:\\pics\\mug one.png"));
  EXPECT_EQ(controls.texts[IDC_PRODUCT_NAME], U("typed name"));
  ReadForm(controls, form);
  EXPECT_EQ(form.image, U("C:\\pics\\mug one.png"));
  EXPECT_EQ(form.price, U(""));
}

}  // namespace
}  // namespace mervane
