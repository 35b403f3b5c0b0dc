#include "properties/win32/field_editor.h"

#include <iterator>

#include "grid/win32/named_accessible.h"
#include "properties/win32/field_dialog.h"
#include "resources/resource_ids.h"

namespace mervane {

namespace {

constexpr const wchar_t* kHeadings[] = {L"Name", L"Value"};

void AddColumns(HWND list) {
  for (int column = 0; column < static_cast<int>(std::size(kHeadings)); ++column) {
    LVCOLUMNW described = {};
    described.mask = LVCF_FMT | LVCF_TEXT | LVCF_SUBITEM;
    described.fmt = LVCFMT_LEFT;
    described.pszText = const_cast<wchar_t*>(kHeadings[column]);
    described.iSubItem = column;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&described));
  }
}

}  // namespace

bool CFieldEditor::Edit(HWND parent) {
  return Run(parent, L"HIDDEN_FIELDS") == IDOK;
}

HWND CFieldEditor::List() const { return Item(IDC_FIELDS_LIST); }

bool CFieldEditor::OnInitDialog() {
  SendMessageW(List(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT,
               LVS_EX_FULLROWSELECT);
  AddColumns(List());
  NameAfterItsWindow(List());
  columns_.emplace(List());
  rows_ = ParseFieldRows(fields_);
  for (size_t index = 0; index < rows_.size(); ++index) ShowRow(index, true);
  return true;
}

// Writes a row's name and value into the list, as a new item or over its
// own, each on one line, and widens the columns that do not fit them.
void CFieldEditor::ShowRow(size_t index, bool inserted) {
  const std::vector<OString> shown = {ShownInList(rows_[index].name),
                                      ShownInList(rows_[index].value)};
  LVITEMW item = {};
  item.mask = LVIF_TEXT;
  item.iItem = static_cast<int>(index);
  item.pszText = const_cast<wchar_t*>(shown[0].c_str());
  SendMessageW(List(), inserted ? LVM_INSERTITEMW : LVM_SETITEMW, 0,
               reinterpret_cast<LPARAM>(&item));
  item.iSubItem = 1;
  item.pszText = const_cast<wchar_t*>(shown[1].c_str());
  SendMessageW(List(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
  columns_->Fit(shown);
}

int CFieldEditor::SelectedRow() const {
  return static_cast<int>(SendMessageW(List(), LVM_GETNEXTITEM,
                                       static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void CFieldEditor::OnAdd() {
  FieldRow row;
  if (!CFieldDialog(row).Edit(Window())) return;
  rows_.push_back(row);
  ShowRow(rows_.size() - 1, true);
}

void CFieldEditor::OnEditRow() {
  const int selected = SelectedRow();
  if (selected < 0) return;
  const auto index = static_cast<size_t>(selected);
  if (CFieldDialog(rows_[index]).Edit(Window())) ShowRow(index, false);
}

void CFieldEditor::OnRemove() {
  const int selected = SelectedRow();
  if (selected < 0) return;
  rows_.erase(rows_.begin() + selected);
  SendMessageW(List(), LVM_DELETEITEM, static_cast<WPARAM>(selected), 0);
}

bool CFieldEditor::OnCommand(int id, int code) {
  if (code != BN_CLICKED) return ModalDialog::OnCommand(id, code);
  switch (id) {
    case IDC_FIELDS_ADD:
      OnAdd();
      return true;
    case IDC_FIELDS_EDIT:
      OnEditRow();
      return true;
    case IDC_FIELDS_REMOVE:
      OnRemove();
      return true;
    default:
      return ModalDialog::OnCommand(id, code);
  }
}

bool CFieldEditor::OnOk() {
  fields_ = RebuildFields(rows_);
  return true;
}

}  // namespace mervane
