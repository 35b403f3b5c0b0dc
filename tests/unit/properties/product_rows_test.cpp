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
using ::testing::ElementsAre;
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

// Records each form it is shown; on OK it renames the product.
struct FakeEditor {
  bool ok = true;
  std::vector<ProductForm> shown;

  ProductEditor Editor() {
    return [this](ProductForm& form) {
      shown.push_back(form);
      form.name = U("typed");
      return ok;
    };
  }
};

TEST(ProductRowsTest, CloneShowsCopyOfTheFirstSelectedAndAppendsIt) {
  FakeRows rows("AMC", {1, 2});
  rows.rows[1].product.name = U("Mug");
  rows.rows[1].product.reserved2 = U("kept");
  rows.rows[1].product.reservedList1 = {U("x")};
  const CProduct source = rows.rows[1].product;
  std::vector<ProductForm> shown;
  auto keep = [&](ProductForm& form) { shown.push_back(form); return true; };

  CloneFirstSelected(rows, keep);
  rows.rows[1].selected = rows.rows[2].selected = false;
  rows.rows[3].selected = true;
  CloneFirstSelected(rows, keep);

  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[0].caption, U("Add Product"));
  EXPECT_EQ(shown[0].productId, U("id-M"));
  EXPECT_TRUE(shown[0].carried.empty());
  EXPECT_EQ(rows.Names(), "A,Mug,C,Copy of Mug,Copy of Copy of Mug,");
  EXPECT_EQ(rows.Selected(), std::vector<size_t>{3});  // appended unselected
  EXPECT_EQ(rows.rows[1].product, source);
  CProduct expected;
  expected.name = U("Copy of Mug");
  expected.productId = U("id-M");
  EXPECT_EQ(rows.rows[3].product, expected);
}

TEST(ProductRowsTest, AddAppendsTheDefaultsAsTypedWhateverIsSelected) {
  FakeRows rows("AB", {0});
  FakeEditor editor;
  AddProduct(rows, editor.Editor());
  editor.ok = false;
  AddProduct(rows, editor.Editor());

  ASSERT_EQ(editor.shown.size(), 2u);
  const ProductForm& form = editor.shown[0];
  EXPECT_EQ(form.caption, OString());
  EXPECT_THAT((std::vector{form.name, form.productId, form.description, form.image,
                           form.price, form.category}),
              ElementsAre(U("Name of the product"), U("SKU000000"),
                          U("Description of the product"), U(""), U("9.95"), U("")));
  EXPECT_EQ(rows.Names(), "A,B,typed,");
  EXPECT_EQ(rows.Selected(), std::vector<size_t>{0});
}

TEST(ProductRowsTest, EditChangesOnlyTheFirstSelectedAndCancelNothing) {
  FakeRows rows("ABCD", {1, 2, 3});
  rows.rows[1].product.reserved3 = U("r3");
  rows.rows[1].product.reservedList1 = {U("carried")};
  FakeEditor editor;
  editor.ok = false;
  EditFirstSelected(rows, editor.Editor());
  EXPECT_EQ(rows.Names(), "A,B,C,D,");

  editor.ok = true;
  EditFirstSelected(rows, editor.Editor());
  EXPECT_EQ(editor.shown[1].caption, U("Edit Product"));
  EXPECT_EQ(editor.shown[1].carried, OStringList{U("carried")});
  EXPECT_EQ(rows.Names(), "A,typed,C,D,");
  EXPECT_EQ(rows.rows[1].product.reserved3, U("r3"));
  EXPECT_EQ(rows.rows[1].product.reservedList1, OStringList{U("carried")});
}

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
  FakeEditor editor;
  EditFirstSelected(rows, editor.Editor());
  CloneFirstSelected(rows, editor.Editor());
  RemoveSelected(rows);
  EXPECT_TRUE(editor.shown.empty());
  EXPECT_EQ(rows.Names(), "A,B,C,");
}

TEST(ProductRowsTest, RemoveDeletesEverySelectedRowAndApplyKeepsRowOrder) {
  FakeRows some("ABCD", {1, 3});
  RemoveSelected(some);
  EXPECT_EQ(some.Names(), "A,C,");

  ProductList products;
  products.Append(FakeRows::Named("x"));
  products[0].reservedList2 = {U("kept")};
  products.Append(FakeRows::Named("y"));
  FakeRows all("");
  FillRows(all, products);
  ProductList applied;
  applied.Append(FakeRows::Named("old"));
  ApplyRows(all, applied);
  EXPECT_EQ(applied, products);

  all.rows[0].selected = all.rows[1].selected = true;
  RemoveSelected(all);
  ApplyRows(all, applied);
  EXPECT_EQ(applied.Size(), 0u);
}

TEST(ProductRowsTest, ColumnsFitTheWiderMeasureButNeverUnderTenPixels) {
  EXPECT_EQ(ColumnWidth(5, 3), 10);
  EXPECT_EQ(ColumnWidth(40, 60), 60);
  EXPECT_EQ(ColumnWidth(80, 60), 80);

  ProductList products;
  for (const char* text : {"a", "bbb", "cc", "bbb"}) products.Append(FakeRows::Named(text));
  products[2].description = U("widest");
  auto length = [](const OString& text) { return static_cast<int>(text.size()); };
  ProductList widest = WidestProducts(
      products, {&CProduct::name, &CProduct::description, &CProduct::productId}, length);
  ASSERT_EQ(widest.Size(), 2u);  // the SKU's widest is the name's, kept once
  EXPECT_EQ(widest[0], products[1]);
  EXPECT_EQ(widest[1], products[2]);
  EXPECT_EQ(WidestProducts({}, {&CProduct::name}, length).Size(), 0u);
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
