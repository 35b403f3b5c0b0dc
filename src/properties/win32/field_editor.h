// "Payment Processor Hidden Fields": the hidden fields as a two-column list
// of names and values, edited row by row and stored back only on OK.
#ifndef MERVANE_PROPERTIES_WIN32_FIELD_EDITOR_H_
#define MERVANE_PROPERTIES_WIN32_FIELD_EDITOR_H_

#include <array>
#include <optional>

#include "ostrel/types.h"
#include "properties/hidden_fields.h"
#include "properties/win32/dialog.h"
#include "properties/win32/list_columns.h"
#include "properties/win32/list_cues.h"

namespace mervane {

class CFieldEditor : public ModalDialog {
 public:
  explicit CFieldEditor(OStringList& fields) : fields_(fields) {}

  // Shows the fields; OK replaces them by the rows, Cancel leaves them.
  bool Edit(HWND parent);

 protected:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code) override;
  bool OnOk() override;

 private:
  HWND List() const;
  static std::array<const OString*, 2> Texts(const FieldRow& row);
  void ShowRow(size_t index, bool inserted);
  // Sets a row's focus or selection mark and scrolls it into view.
  void Mark(size_t index, UINT state) const;
  int SelectedRow() const;
  void OnAdd();
  void OnEditRow();
  void OnRemove();

  OStringList& fields_;
  FieldRows rows_;
  std::optional<ListColumns> columns_;
  std::optional<ListCues> cues_;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_FIELD_EDITOR_H_
