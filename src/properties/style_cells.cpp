#include "properties/style_cells.h"

#include "framework/text.h"
#include "properties/style_items.h"

namespace mervane {

namespace {

// The Style page's cells join the grid's classes the first time a store is built.
void RegisterStyleCells() {
  static const bool registered = [] {
    RegisterCellClass(CExtGridCellUpDownRange::kClassName,
                      [] { return std::make_unique<CExtGridCellUpDownRange>(); });
    RegisterCellClass(CExtGridCellFontComboBox::kClassName,
                      [] { return std::make_unique<CExtGridCellFontComboBox>(); });
    RegisterCellClass(CExtGridCellFontSizeComboBox::kClassName,
                      [] { return std::make_unique<CExtGridCellFontSizeComboBox>(); });
    return true;
  }();
  (void)registered;
}

// Steps 1 and 2: an item with its caption and a cell of the class.
template <typename Cell>
std::pair<std::unique_ptr<CExtPropertyValue>, Cell*> NewProperty(const OString& name) {
  RegisterStyleCells();
  auto value = std::make_unique<CExtPropertyValue>(name);
  value->CreateValueCell(Cell::kClassName, nullptr);
  auto* cell = static_cast<Cell*>(value->ValueActive());
  return {std::move(value), cell};
}

// Steps 4 to 6: the default, the description, the insertion.
CExtPropertyValue* Finish(CExtPropertyCategory& category,
                          std::unique_ptr<CExtPropertyValue> value,
                          const OString& description) {
  value->TakeActiveAsDefault(nullptr);
  value->SetDescription(description);
  return static_cast<CExtPropertyValue*>(category.Insert(std::move(value)));
}

StyleValue ValueOfCell(const CExtGridCell& cell) {
  StyleValue value;
  value.text = cell.Text();
  value.number = cell.Number();
  value.selected = cell.HasValue();
  return value;
}

CExtPropertyValue* AddStyleItem(const StylePageCopies& copies, const std::vector<FontFace>& faces,
                                CExtPropertyCategory& category, const StyleItem& item) {
  StyleValue value = ReadStyleValue(copies, item);
  int32_t number = static_cast<int32_t>(value.number);
  switch (item.editor) {
    case StyleEditor::kText:
      return AddStringProperty(category, item.name, item.description, value.text);
    case StyleEditor::kNumber:
      return AddRangeProperty(category, item.name, item.description, number, 0, 99);
    case StyleEditor::kColor:
      return AddColorProperty(category, item.name, item.description, static_cast<OColor>(number));
    case StyleEditor::kYesNo:
      return AddBoolProperty(category, item.name, item.description, number);
    case StyleEditor::kFontName:
      return AddFontNameProperty(faces, category, value.text);
    case StyleEditor::kFontSize:
      return AddFontSizeProperty(category, number);
  }
  return nullptr;
}

}  // namespace

void CExtGridCellUpDownRange::Serialize(Archive& ar) {
  CExtGridCellUpDown::Serialize(ar);
  ar.Serialize(minimum);
  ar.Serialize(maximum);
}

void CExtGridCellUpDownRange::Assign(const CExtGridCell& source) {
  CExtGridCellUpDown::Assign(source);
  if (auto* range = dynamic_cast<const CExtGridCellUpDownRange*>(&source)) {
    SetRange(range->minimum, range->maximum);
  }
}

CExtPropertyValue* AddStringProperty(CExtPropertyCategory& category, const OString& name,
                                     const OString& description, const OString& text) {
  auto [value, cell] = NewProperty<CExtGridCellString>(name);
  cell->text = text;
  return Finish(category, std::move(value), description);
}

CExtPropertyValue* AddBoolProperty(CExtPropertyCategory& category, const OString& name,
                                   const OString& description, int32_t checked) {
  auto [value, cell] = NewProperty<CExtGridCellCheckBox>(name);
  cell->checked = checked != 0;
  return Finish(category, std::move(value), description);
}

CExtPropertyValue* AddRangeProperty(CExtPropertyCategory& category, const OString& name,
                                    const OString& description, int32_t number,
                                    int32_t minimum, int32_t maximum) {
  auto [value, cell] = NewProperty<CExtGridCellUpDownRange>(name);
  cell->value = {CExtVariant::kInt32, number};
  cell->SetRange(minimum, maximum);
  return Finish(category, std::move(value), description);
}

CExtPropertyValue* AddColorProperty(CExtPropertyCategory& category, const OString& name,
                                    const OString& description, OColor color) {
  auto [value, cell] = NewProperty<CExtGridCellColor>(name);
  cell->color = color;
  cell->showValueText = true;
  cell->customButtonCaption = OSTR("More colors...");
  return Finish(category, std::move(value), description);
}

CExtPropertyValue* AddFontNameProperty(const std::vector<FontFace>& faces,
                                       CExtPropertyCategory& category,
                                       const OString& fontName) {
  auto [value, cell] = NewProperty<CExtGridCellFontComboBox>(OSTR("FontName"));
  cell->items.reserve(faces.size());
  for (const FontFace& face : faces) {
    if (IsListedFontFace(face)) InsertFontName(cell->items, face.name);
  }
  if (!cell->SelectText(fontName)) cell->text = fontName;
  return Finish(category, std::move(value), OSTR("Specifies the font name"));
}

OString CExtGridCellFontSizeComboBox::Spoken() const { return Text() + OSTR(" points"); }

CExtPropertyValue* AddFontSizeProperty(CExtPropertyCategory& category, int32_t fontSize) {
  auto [value, cell] = NewProperty<CExtGridCellFontSizeComboBox>(OSTR("FontSize"));
  for (int32_t size : kFontSizes) cell->items.push_back(IntToText(size));
  if (!cell->SelectText(IntToText(fontSize))) cell->text = IntToText(fontSize);
  cell->listOnly = true;
  return Finish(category, std::move(value), OSTR("Specifies the font size"));
}

std::unique_ptr<CExtPropertyStore> BuildStyleStore(const StylePageCopies& copies,
                                                   const std::vector<FontFace>& faces) {
  auto store = std::make_unique<CExtPropertyStore>(kStyleStoreName);
  size_t number = 0;
  for (const StyleCategory& category : StyleCategories()) {
    CExtPropertyCategory* added = store->AddCategory(category.name, OString());
    for (const StyleItem& item : category.items)
      AddStyleItem(copies, faces, *added, item)->SetTag(number++);
  }
  return store;
}

bool WriteStyleItem(StylePageCopies& copies, const CExtPropertyItem& item) {
  if (item.IsCategory()) return false;
  const auto& value = static_cast<const CExtPropertyValue&>(item);
  const StyleItem* styleItem = StyleItemNumbered(value.Tag());
  if (value.ValueActive() == nullptr || styleItem == nullptr) return false;
  WriteStyleValue(copies, *styleItem, ValueOfCell(*value.ValueActive()));
  return true;
}

}  // namespace mervane
