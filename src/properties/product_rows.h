// The rules of the Products page and of its product dialog, apart from any
// window: what Add, Edit, Clone, Remove and the moves do to the list's rows
// and their selection, how wide a column is, and how the dialog's
// fields travel to and from its controls.
#ifndef MERVANE_PROPERTIES_PRODUCT_ROWS_H_
#define MERVANE_PROPERTIES_PRODUCT_ROWS_H_

#include <cstddef>
#include <functional>
#include <optional>

#include "model/product.h"
#include "ostrel/types.h"

namespace mervane {

// The rows of the product list. Each row holds its own product; the
// selection belongs to the rows.
class ProductRows {
 public:
  virtual ~ProductRows() = default;

  virtual size_t Count() const = 0;
  // The lowest-numbered selected row, if any row is selected.
  virtual std::optional<size_t> FirstSelected() const = 0;
  virtual size_t SelectedCount() const = 0;
  virtual const CProduct& Product(size_t row) const = 0;
  // A new unselected row at that index holding a copy of the product.
  virtual void Insert(size_t row, const CProduct& product) = 0;
  // Deletes the row together with its product.
  virtual void Erase(size_t row) = 0;
  virtual void EraseAll() = 0;
  // Writes the row's product and shows its new column texts.
  virtual void Replace(size_t row, const CProduct& product) = 0;
  // Selects the row and gives it the focus; other rows keep their selection.
  virtual void SelectAndFocus(size_t row) = 0;
};

// What the product dialog shows and edits.
struct ProductForm {
  OString caption;  // empty: the template's own title
  OStringList carried;  // travels through the dialog unseen
  OString name;
  OString productId;
  OString description;
  OString image;
  OString price;
  OString category;

  bool operator==(const ProductForm&) const = default;
};

// Shows the form modally; true when it was closed with OK.
using ProductEditor = std::function<bool(ProductForm&)>;

// The catalogue in row order, replacing what the list held.
void ApplyRows(const ProductRows& rows, ProductList& products);

// Add and Clone append at the end, whatever is selected; Edit and Clone
// work on the first selected row and do nothing without one.
void AddProduct(ProductRows& rows, const ProductEditor& editor);
void EditFirstSelected(ProductRows& rows, const ProductEditor& editor);
void CloneFirstSelected(ProductRows& rows, const ProductEditor& editor);
void RemoveSelected(ProductRows& rows);
// Moves the first selected row one place (step -1 up, +1 down) and selects
// and focuses it there; nothing happens at either end.
void MoveFirstSelected(ProductRows& rows, int step);

// A list column's width from the width that fits its contents and the width
// that fits its heading: the wider, and never under 10 pixels.
int ColumnWidth(int fitsContents, int fitsHeading);

// The product dialog's controls, by control id.
class FormControls {
 public:
  virtual ~FormControls() = default;
  virtual OString Text(int id) const = 0;
  virtual void SetText(int id, const OString& text) = 0;
};

void ShowForm(const ProductForm& form, FormControls& controls);
void ReadForm(const FormControls& controls, ProductForm& form);

// Asks for a picture; the full path of the chosen file, or nothing.
using ImagePicker = std::function<std::optional<OString>()>;

// Browse: what is typed goes into the form first, so that a cancelled pick
// loses nothing; a picked path then replaces the image and is shown.
void BrowseImage(FormControls& controls, ProductForm& form,
                 const ImagePicker& pick);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_PRODUCT_ROWS_H_
