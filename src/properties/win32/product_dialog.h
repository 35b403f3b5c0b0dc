// The modal product dialog, "Add Product" or "Edit Product": one product's
// texts, and a file dialog that picks its picture.
#ifndef MERVANE_PROPERTIES_WIN32_PRODUCT_DIALOG_H_
#define MERVANE_PROPERTIES_WIN32_PRODUCT_DIALOG_H_

#include <optional>

#include "properties/product_rows.h"
#include "properties/win32/dialog.h"

namespace mervane {

class CProductDialog : public ModalDialog, private FormControls {
 public:
  explicit CProductDialog(ProductForm& form) : form_(form) {}

  // Runs owned by the active window; true when closed with OK, which has
  // then written the typed texts into the form.
  bool Show();

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnOk() override;

 private:
  OString Text(int id) const override { return ItemText(id); }
  void SetText(int id, const OString& text) override { SetItemText(id, text); }
  void LiftTextLimits() const;
  std::optional<OString> PickImage() const;

  ProductForm& form_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_PRODUCT_DIALOG_H_
