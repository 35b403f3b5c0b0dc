#include "properties/product_rows.h"

#include <algorithm>
#include <array>

#include "resources/resource_ids.h"

namespace mervane {

namespace {

constexpr int kNarrowestColumn = 10;

// The dialog's six text fields, the controls that show them and the product
// fields they edit.
struct FormField {
  int controlId;
  OString ProductForm::*form;
  OString CProduct::*product;
};

constexpr std::array<FormField, 6> kFormFields = {{
    {IDC_PRODUCT_NAME, &ProductForm::name, &CProduct::name},
    {IDC_PRODUCT_SKU, &ProductForm::productId, &CProduct::productId},
    {IDC_PRODUCT_DESCRIPTION, &ProductForm::description, &CProduct::description},
    {IDC_PRODUCT_IMAGE, &ProductForm::image, &CProduct::image},
    {IDC_PRODUCT_PRICE, &ProductForm::price, &CProduct::price},
    {IDC_PRODUCT_CATEGORY, &ProductForm::category, &CProduct::category},
}};

ProductForm FormOf(const CProduct& product, const OString& caption) {
  ProductForm form;
  form.caption = caption;
  form.carried = product.reservedList1;
  for (const FormField& f : kFormFields) form.*f.form = product.*f.product;
  return form;
}

// Writes the dialog's fields into a product, leaving the others as they are.
void WriteForm(const ProductForm& form, CProduct& product) {
  product.reservedList1 = form.carried;
  for (const FormField& f : kFormFields) product.*f.product = form.*f.form;
}

// Shows the form and, on OK, appends a product made of its fields alone.
void AppendFromEditor(ProductRows& rows, ProductForm form,
                      const ProductEditor& editor) {
  if (!editor(form)) return;
  CProduct product;
  WriteForm(form, product);
  rows.Insert(rows.Count(), product);
}

}  // namespace

void ApplyRows(const ProductRows& rows, ProductList& products) {
  products.Resize(0);
  for (size_t row = 0; row < rows.Count(); ++row) {
    products.Append(rows.Product(row));
  }
}

void AddProduct(ProductRows& rows, const ProductEditor& editor) {
  ProductForm form;
  form.name = OSTR("Name of the product");
  form.productId = OSTR("SKU000000");
  form.description = OSTR("Description of the product");
  form.price = OSTR("9.95");
  AppendFromEditor(rows, form, editor);
}

void EditFirstSelected(ProductRows& rows, const ProductEditor& editor) {
  std::optional<size_t> row = rows.FirstSelected();
  if (!row) return;
  CProduct product = rows.Product(*row);
  ProductForm form = FormOf(product, OSTR("Edit Product"));
  if (!editor(form)) return;
  WriteForm(form, product);
  rows.Replace(*row, product);
}

void CloneFirstSelected(ProductRows& rows, const ProductEditor& editor) {
  std::optional<size_t> row = rows.FirstSelected();
  if (!row) return;
  ProductForm form = FormOf(rows.Product(*row), OSTR("Add Product"));
  form.carried.clear();
  form.name.insert(0, OSTR("Copy of "));
  AppendFromEditor(rows, form, editor);
}

// Deleting rows one at a time costs the list a scroll-bar update each, so
// when every row goes they go together.
void RemoveSelected(ProductRows& rows) {
  if (rows.Count() > 0 && rows.SelectedCount() == rows.Count()) {
    rows.EraseAll();
    return;
  }
  while (std::optional<size_t> row = rows.FirstSelected()) rows.Erase(*row);
}

void MoveFirstSelected(ProductRows& rows, int step) {
  std::optional<size_t> row = rows.FirstSelected();
  if (!row) return;
  size_t target = *row + static_cast<size_t>(step);
  if (target >= rows.Count()) return;  // past either end (-1 wraps round)
  CProduct moved = rows.Product(*row);
  rows.Erase(*row);
  rows.Insert(target, moved);
  rows.SelectAndFocus(target);
}

int ColumnWidth(int fitsContents, int fitsHeading) {
  return std::max({fitsContents, fitsHeading, kNarrowestColumn});
}

void ShowForm(const ProductForm& form, FormControls& controls) {
  for (const FormField& f : kFormFields) controls.SetText(f.controlId, form.*f.form);
}

void ReadForm(const FormControls& controls, ProductForm& form) {
  for (const FormField& f : kFormFields) form.*f.form = controls.Text(f.controlId);
}

void BrowseImage(FormControls& controls, ProductForm& form,
                 const ImagePicker& pick) {
  ReadForm(controls, form);
  std::optional<OString> picked = pick();
  if (!picked) return;
  form.image = *picked;
  ShowForm(form, controls);
}

}  // namespace mervane
