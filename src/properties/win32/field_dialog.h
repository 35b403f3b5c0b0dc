// "Add Field": one hidden field's name and value, for adding and editing
// alike. Nothing is checked: empty names and values are taken as typed.
#ifndef MERVANE_PROPERTIES_WIN32_FIELD_DIALOG_H_
#define MERVANE_PROPERTIES_WIN32_FIELD_DIALOG_H_

#include "properties/hidden_fields.h"
#include "properties/win32/dialog.h"

namespace mervane {

class CFieldDialog : public ModalDialog {
 public:
  explicit CFieldDialog(FieldRow& row) : row_(row) {}

  // Shows the row; OK writes the typed name and value into it.
  bool Edit(HWND parent) { return Run(parent, L"ADD_FIELD") == IDOK; }

 protected:
  bool OnInitDialog() override;
  bool OnOk() override;

 private:
  FieldRow& row_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_FIELD_DIALOG_H_
