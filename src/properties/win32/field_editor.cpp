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
  if (!rows_.empty()) Mark(0, LVIS_FOCUSED);
  cues_.emplace(List(), *columns_, [this](size_t row, int column) {
    return column == 0 ? rows_[row].name : rows_[row].value;
  });
  return true;
}

std::array<const OString*, 2> CFieldEditor::Texts(const FieldRow& row) {
  return {&row.name, &row.value};
}

void CFieldEditor::Mark(size_t index, UINT state) const {
  LVITEMW item = {};
  item.stateMask = state;
  item.state = state;
  SendMessageW(List(), LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
  SendMessageW(List(), LVM_ENSUREVISIBLE, index, FALSE);
}

// Writes a row's name and value into the list, as a new item or over its
// own, each on one line, and fits the columns to them.
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
  columns_->Add(Texts(rows_[index]));
  columns_->Apply();
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
  Mark(rows_.size() - 1, LVIS_SELECTED | LVIS_FOCUSED);
}

void CFieldEditor::OnEditRow() {
  const int selected = SelectedRow();
  if (selected < 0) return;
  const auto index = static_cast<size_t>(selected);
  const FieldRow before = rows_[index];
  if (!CFieldDialog(rows_[index]).Edit(Window())) return;
  columns_->Remove(Texts(before));
  ShowRow(index, false);
  Mark(index, LVIS_SELECTED | LVIS_FOCUSED);
}

void CFieldEditor::OnRemove() {
  const int selected = SelectedRow();
  if (selected < 0) return;
  columns_->Remove(Texts(rows_[static_cast<size_t>(selected)]));
  rows_.erase(rows_.begin() + selected);
  SendMessageW(List(), LVM_DELETEITEM, static_cast<WPARAM>(selected), 0);
  columns_->Apply();
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
