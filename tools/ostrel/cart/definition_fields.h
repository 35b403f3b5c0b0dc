// The fields of a cart definition under their record field names, in one
// place. A visitor receives each field with its name and kind:
//   Int, Flag, Color, Text, Image, TextList, Rect, Products, Style.
// Reading and writing a definition are two visitors over these lists.
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
  v.Text("name", p.name);
  v.Text("price", p.price);
  v.Image("image", p.image);
  v.Text("description", p.description);
  v.Text("productId", p.productId);
  v.Text("category", p.category);
  v.Text("reserved1", p.reserved1);
  v.Text("reserved2", p.reserved2);
  v.Text("reserved3", p.reserved3);
  v.TextList("reservedList1", p.reservedList1);
  v.TextList("reservedList2", p.reservedList2);
}

template <typename Settings, typename Visitor>
void VisitCartFields(Settings& s, Visitor& v) {
  v.Int("id", s.id);
  v.Int("reservedValue", s.reservedValue);
  v.Int("padding", s.padding);
  v.Color("listBackgroundColor", s.listBackgroundColor);
  v.Rect("bounds", s.bounds);
  v.TextList("publishFolders", s.publishFolders);
  v.Products("products", s.products);
  v.Int("paymentProcessor", s.paymentProcessor);
  v.Text("checkoutUrl", s.checkoutUrl);
  v.TextList("hiddenFields", s.hiddenFields);
  v.Text("checkoutScript", s.checkoutScript);
  v.Flag("enableCategoryFilter", s.enableCategoryFilter);
  v.Flag("enableImage", s.enableImage);
  v.Flag("enableImageTooltip", s.enableImageTooltip);
  v.Flag("enableSearch", s.enableSearch);
  v.Text("cssFileName", s.cssFileName);
  v.Text("phpFileName", s.phpFileName);
  for (const mervane::CartText& t : mervane::kCartTexts) v.Text(t.name, s.*t.field);
  for (const mervane::CartStyle& t : mervane::kCartStyles) v.Style(t.name, s.*t.field);
}

}  // namespace ostrel

#endif  // OSTREL_TOOL_DEFINITION_FIELDS_H_
