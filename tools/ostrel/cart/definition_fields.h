// The fields of a cart definition under their record field names, from the
// records' field tables. A visitor receives each field with its name and
// kind: Int, Flag, Color, Text, Image, TextList, Rect, Products, Style.
// Reading and writing a definition are two visitors over these tables.
#ifndef OSTREL_TOOL_DEFINITION_FIELDS_H_
#define OSTREL_TOOL_DEFINITION_FIELDS_H_

#include "model/cart_settings.h"

namespace ostrel {

template <typename Style, typename Visitor>
void VisitStyleFields(Style& s, Visitor& v) {
  for (const mervane::StyleField& row : mervane::kStyleFields) {
    const mervane::StyleMember& m = row.field;
    if (m.color != nullptr) {
      v.Color(row.name, s.*m.color);
    } else if (m.text != nullptr) {
      v.Text(row.name, s.*m.text);
    } else if (row.editor == mervane::StyleEditor::kYesNo) {
      v.Flag(row.name, s.*m.integer);
    } else {
      v.Int(row.name, s.*m.integer);
    }
  }
}

template <typename Product, typename Visitor>
void VisitProductFields(Product& p, Visitor& v) {
  for (const mervane::ProductField& row : mervane::kProductFields) {
    if (row.field.list != nullptr) {
      v.TextList(row.name, p.*row.field.list);
    } else if (row.picture) {
      v.Image(row.name, p.*row.field.text);
    } else {
      v.Text(row.name, p.*row.field.text);
    }
  }
}

template <typename Settings, typename Visitor>
void VisitCartField(Settings& s, const mervane::CartField& row, Visitor& v) {
  const mervane::SettingsMember& m = row.field;
  switch (row.kind) {
    case mervane::FieldKind::kInt: v.Int(row.name, s.*m.integer); break;
    case mervane::FieldKind::kFlag: v.Flag(row.name, s.*m.integer); break;
    case mervane::FieldKind::kColor: v.Color(row.name, s.*m.color); break;
    case mervane::FieldKind::kText: v.Text(row.name, s.*m.text); break;
    case mervane::FieldKind::kTextList: v.TextList(row.name, s.*m.list); break;
    case mervane::FieldKind::kProducts: v.Products(row.name, s.*m.products); break;
    case mervane::FieldKind::kRect: v.Rect(row.name, s.*m.rect); break;
  }
}

template <typename Settings, typename Visitor>
void VisitCartFields(Settings& s, Visitor& v) {
  for (const mervane::CartField& row : mervane::kCartFields) VisitCartField(s, row, v);
  for (const mervane::CartText& t : mervane::kCartTexts) v.Text(t.name, s.*t.field);
  for (const mervane::CartStyle& t : mervane::kCartStyles) v.Style(t.name, s.*t.field);
}

}  // namespace ostrel

#endif  // OSTREL_TOOL_DEFINITION_FIELDS_H_
