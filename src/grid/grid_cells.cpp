#include "grid/grid_cells.h"

#include <map>
#include <string>

#include "framework/text.h"

namespace mervane {

namespace {

using Registry = std::map<std::string, std::function<CellPtr()>, std::less<>>;

template <typename Cell>
void Register(Registry& registry) {
  registry.emplace(std::string(Cell::kClassName), [] { return std::make_unique<Cell>(); });
}

Registry& CellClasses() {
  static Registry registry = [] {
    Registry built;
    Register<CExtGridCellString>(built);
    Register<CExtGridCellCheckBox>(built);
    Register<CExtGridCellComboBox>(built);
    Register<CExtGridCellUpDown>(built);
    Register<CExtGridCellColor>(built);
    return built;
  }();
  return registry;
}

void SerializeFlag(Archive& ar, bool& flag) {
  int32_t value = flag ? 1 : 0;
  ar.Serialize(value);
  flag = value != 0;
}

// Integer text as typed: an optional minus and decimal digits.
bool ParseInteger(const OString& text, int32_t& value) {
  size_t i = !text.empty() && text[0] == '-' ? 1 : 0;
  if (i == text.size()) return false;
  int64_t number = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < '0' || text[i] > '9' || number > INT32_MAX) return false;
    number = number * 10 + (text[i] - '0');
  }
  number = text[0] == '-' ? -number : number;
  if (number < INT32_MIN || number > INT32_MAX) return false;
  value = static_cast<int32_t>(number);
  return true;
}

}  // namespace

void RegisterCellClass(std::string_view className, std::function<CellPtr()> factory) {
  CellClasses().insert_or_assign(std::string(className), std::move(factory));
}

CellPtr CreateCellOfClass(std::string_view className) {
  auto found = CellClasses().find(className);
  return found != CellClasses().end() ? found->second() : nullptr;
}

CellPtr CExtGridCellAllocator::Create(std::string_view className) const {
  return CreateCellOfClass(className);
}

CellPtr CExtGridCell::Clone(const CExtGridCellAllocator* allocator) const {
  CellPtr copy = allocator != nullptr ? allocator->Create(ClassName())
                                      : CreateCellOfClass(ClassName());
  if (copy != nullptr) copy->Assign(*this);
  return copy;
}

void CExtGridCellString::Assign(const CExtGridCell& source) { text = source.Text(); }

void CExtGridCellString::Serialize(Archive& ar) { ar.Serialize(text); }

bool CExtGridCellString::TakeText(const OString& typed) {
  if (typed == text) return false;
  text = typed;
  return true;
}

OString CExtGridCellCheckBox::Text() const { return checked ? OSTR("1") : OSTR("0"); }

OString CExtGridCellCheckBox::Spoken() const {
  return checked ? OSTR("checked") : OSTR("not checked");
}

void CExtGridCellCheckBox::Assign(const CExtGridCell& source) {
  if (auto* box = dynamic_cast<const CExtGridCellCheckBox*>(&source)) checked = box->checked;
}

void CExtGridCellCheckBox::Serialize(Archive& ar) { SerializeFlag(ar, checked); }

void CExtGridCellCheckBox::Edit(CExtGridCellEditors& editors) {
  checked = !checked;
  editors.ValueChanged();
}

bool CExtGridCellCheckBox::PressKey(CExtGridKey key, CExtGridCellEditors& editors) {
  if (key != CExtGridKey::kSpace) return false;
  Edit(editors);
  return true;
}

OString CExtGridCellComboBox::Text() const {
  return HasSelection() ? items[static_cast<size_t>(selected)] : text;
}

bool CExtGridCellComboBox::HasSelection() const {
  return selected >= 0 && static_cast<size_t>(selected) < items.size();
}

bool CExtGridCellComboBox::SelectText(const OString& entry) {
  selected = -1;
  for (size_t i = 0; i < items.size() && selected < 0; ++i) {
    if (items[i] == entry) selected = static_cast<int32_t>(i);
  }
  return selected >= 0;
}

void CExtGridCellComboBox::Assign(const CExtGridCell& source) {
  if (auto* combo = dynamic_cast<const CExtGridCellComboBox*>(&source)) {
    items = combo->items;
    selected = combo->selected;
    text = combo->text;
    listOnly = combo->listOnly;
  } else {
    text = source.Text();
    selected = -1;
  }
}

void CExtGridCellComboBox::Serialize(Archive& ar) {
  ar.Serialize(items);
  ar.Serialize(selected);
  ar.Serialize(text);
  SerializeFlag(ar, listOnly);
}

void CExtGridCellComboBox::Draw(CExtGridCellCanvas& canvas) const {
  canvas.Write(Text());
  canvas.DropButton();
}

bool CExtGridCellComboBox::PressButton(bool, CExtGridCellEditors& editors) {
  DropDown(editors);
  return true;
}

OString CExtGridCellUpDown::Text() const {
  return value.type == CExtVariant::kInt32 ? IntToText(value.value) : OString();
}

bool CExtGridCellUpDown::StepUp() {
  if (!CanGoUp() || value.value == INT32_MAX) return false;
  value = {CExtVariant::kInt32, value.value + 1};
  return true;
}

bool CExtGridCellUpDown::StepDown() {
  if (!CanGoDown() || value.value == INT32_MIN) return false;
  value = {CExtVariant::kInt32, value.value - 1};
  return true;
}

void CExtGridCellUpDown::Draw(CExtGridCellCanvas& canvas) const {
  canvas.Write(Text());
  canvas.SpinButtons(CanGoUp(), CanGoDown());
}

bool CExtGridCellUpDown::PressButton(bool upperHalf, CExtGridCellEditors& editors) {
  if (upperHalf ? StepUp() : StepDown()) editors.ValueChanged();
  return true;
}

bool CExtGridCellUpDown::PressKey(CExtGridKey key, CExtGridCellEditors& editors) {
  return key != CExtGridKey::kSpace && PressButton(key == CExtGridKey::kPlus, editors);
}

bool CExtGridCellUpDown::TakeText(const OString& typed) {
  int32_t number = 0;
  if (!ParseInteger(typed, number) || Text() == typed) return false;
  value = {CExtVariant::kInt32, number};
  return true;
}

void CExtGridCellUpDown::Assign(const CExtGridCell& source) {
  if (auto* spin = dynamic_cast<const CExtGridCellUpDown*>(&source)) value = spin->value;
}

// The variant's type, then its 32-bit value.
void CExtGridCellUpDown::Serialize(Archive& ar) {
  int32_t type = value.type;
  ar.Serialize(type);
  ar.Serialize(value.value);
  value.type = type == CExtVariant::kInt32 ? CExtVariant::kInt32 : CExtVariant::kEmpty;
}

OString ColorText(OColor color) {
  static const char kDigits[] = "0123456789ABCDEF";
  OString hex = OSTR("#");
  const uint8_t parts[] = {static_cast<uint8_t>(color), static_cast<uint8_t>(color >> 8),
                           static_cast<uint8_t>(color >> 16)};
  for (uint8_t part : parts) {
    hex += static_cast<OChar>(kDigits[part >> 4]);
    hex += static_cast<OChar>(kDigits[part & 15]);
  }
  return hex;
}

OString CExtGridCellColor::Text() const { return ColorText(color); }

void CExtGridCellColor::Assign(const CExtGridCell& source) {
  if (auto* other = dynamic_cast<const CExtGridCellColor*>(&source)) {
    color = other->color;
    showValueText = other->showValueText;
    customButtonCaption = other->customButtonCaption;
  }
}

void CExtGridCellColor::Serialize(Archive& ar) {
  ar.Serialize(color);
  SerializeFlag(ar, showValueText);
  ar.Serialize(customButtonCaption);
}

void CExtGridCellColor::Draw(CExtGridCellCanvas& canvas) const {
  canvas.Swatch(color);
  if (showValueText) canvas.Write(Text());
  canvas.DropButton();
}

bool CExtGridCellColor::PressButton(bool, CExtGridCellEditors& editors) {
  DropDown(editors);
  return true;
}

}  // namespace mervane
