#include "properties/win32/field_dialog.h"

#include "resources/resource_ids.h"

namespace mervane {

bool CFieldDialog::OnInitDialog() {
  SetItemText(IDC_FIELD_NAME, row_.name);
  SetItemText(IDC_FIELD_VALUE, row_.value);
  return true;
}

bool CFieldDialog::OnOk() {
  row_ = {ItemText(IDC_FIELD_NAME), ItemText(IDC_FIELD_VALUE)};
  return true;
}

}  // namespace mervane
