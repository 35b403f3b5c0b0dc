#include "properties/win32/options_page.h"

#include "properties/processor_presets.h"
#include "properties/win32/field_editor.h"
#include "properties/win32/script_editor.h"
#include "resources/resource_ids.h"

namespace mervane {

bool CMervanePage3::OnInitDialog() {
  for (const auto& entry : ProcessorEntries()) {
    const OString text(entry);
    SendDlgItemMessageW(Window(), IDC_OPTIONS_PROCESSOR, CB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(text.c_str()));
  }
  ShowCopies();
  return true;
}

void CMervanePage3::ShowCopies() const {
  SendDlgItemMessageW(Window(), IDC_OPTIONS_PROCESSOR, CB_SETCURSEL,
                      static_cast<WPARAM>(copies_.paymentProcessor), 0);
  SetItemText(IDC_OPTIONS_URL, copies_.checkoutUrl);
  EnableWindow(Item(IDC_OPTIONS_URL), IsUrlEditable(copies_.paymentProcessor));
  for (const CartField& row : kCartFields) {
    if (row.control != 0)
      CheckDlgButton(Window(), row.control, copies_.*OptionFlag(row) != 0 ? BST_CHECKED : BST_UNCHECKED);
  }
}

// A processor outside the list shows no entry; it is kept until one is picked.
void CMervanePage3::ReadControls() {
  const LRESULT picked =
      SendDlgItemMessageW(Window(), IDC_OPTIONS_PROCESSOR, CB_GETCURSEL, 0, 0);
  if (picked != CB_ERR) copies_.paymentProcessor = static_cast<int32_t>(picked);
  copies_.checkoutUrl = ItemText(IDC_OPTIONS_URL);
  for (const CartField& row : kCartFields) {
    if (row.control != 0)
      copies_.*OptionFlag(row) = IsDlgButtonChecked(Window(), row.control) == BST_CHECKED ? 1 : 0;
  }
}

void CMervanePage3::OnProcessorPicked() {
  ReadControls();
  ChooseProcessor(copies_, copies_.paymentProcessor);
  ShowCopies();
}

void CMervanePage3::OnEdit() {
  ReadControls();
  if (EditsCheckoutScript(copies_.paymentProcessor)) {
    CScriptEditor(copies_.checkoutScript).Edit(Window());
  } else {
    CFieldEditor(copies_.hiddenFields).Edit(Window());
  }
}

bool CMervanePage3::OnCommand(int id, int code) {
  if (id == IDC_OPTIONS_PROCESSOR && code == CBN_SELCHANGE) {
    OnProcessorPicked();
  } else if (id == IDC_OPTIONS_EDIT && code == BN_CLICKED) {
    OnEdit();
  } else {
    return false;
  }
  return true;
}

bool CMervanePage3::OnApply() {
  ReadControls();
  return true;
}

}  // namespace mervane
