#include "model/cart_settings.h"

#include "framework/archive.h"

namespace mervane {

namespace {

constexpr int32_t kBlockVersion = 101;
constexpr int32_t kFirstVersionWithTexts = 101;

// The fewest bytes a block that loads can take: version 100 (no texts), no
// products, every string empty and 8-bit.
constexpr uint64_t ShortestBlock() {
  return 4 + ShortestStoredRows(kCartFields) + kCartStyles.size() * kShortestStoredStyle;
}

constexpr uint64_t kShortestBlock = ShortestBlock();

void SetDefault(CartSettings& s, const CartField& row) {
  const SettingsMember& m = row.field;
  if (m.integer != nullptr) s.*m.integer = row.number;
  if (m.color != nullptr) s.*m.color = static_cast<OColor>(row.number);
  if (m.text != nullptr) s.*m.text = row.text;
}

void SerializeField(Archive& ar, CartSettings& s, const CartField& row) {
  const SettingsMember& m = row.field;
  if (m.integer != nullptr) ar.Serialize(s.*m.integer);
  if (m.color != nullptr) ar.Serialize(s.*m.color);
  if (m.text != nullptr) ar.Serialize(s.*m.text);
  if (m.list != nullptr) ar.Serialize(s.*m.list);
  if (m.products != nullptr) (s.*m.products).Serialize(ar);
}

}  // namespace

CartSettings::CartSettings() {
  for (const CartField& row : kCartFields) SetDefault(*this, row);
  for (const CartText& t : kCartTexts) this->*t.field = t.defaultText;

  const OColor text = Rgb(0x5A, 0x56, 0x55);

  mainStyle.textColor = text;
  mainStyle.textColorHover = text;
  mainStyle.backgroundColor = Rgb(0xF5, 0xF5, 0xF5);
  mainStyle.backgroundColorHover = Rgb(0xF2, 0xF2, 0xF2);
  mainStyle.borderColor = Rgb(0xAA, 0xAA, 0xAA);
  mainStyle.fontSize = 10;

  productsStyle.textColor = text;
  productsStyle.backgroundColor = Rgb(0xF5, 0xF5, 0xF5);
  productsStyle.borderColor = Rgb(0xCC, 0xCC, 0xCC);
  productsStyle.fontSize = 10;

  buttonsStyle.textColor = text;
  buttonsStyle.textColorHover = Rgb(0xFF, 0xFF, 0xFF);
  buttonsStyle.backgroundColor = Rgb(0xFC, 0xFC, 0xFC);
  buttonsStyle.backgroundColorHover = text;
  buttonsStyle.borderColor = Rgb(0xAA, 0xAA, 0xAA);
  buttonsStyle.fontSize = 10;

  checkoutButtonStyle.textColor = Rgb(0xFF, 0xFF, 0xFF);
  checkoutButtonStyle.textColorHover = Rgb(0xFF, 0xFF, 0xFF);
  checkoutButtonStyle.backgroundColor = text;
  checkoutButtonStyle.backgroundColorHover = Rgb(0xEA, 0x85, 0x11);
  checkoutButtonStyle.fontSize = 10;
  checkoutButtonStyle.borderRadius = 5;

  messageBarStyle.textColor = text;
  messageBarStyle.backgroundColor = Rgb(0xFF, 0xFF, 0xDD);
  messageBarStyle.borderColor = Rgb(0xFF, 0xD7, 0x00);
  messageBarStyle.fontSize = 10;
  messageBarStyle.borderRadius = 5;
}

void CartSettings::Serialize(Archive& ar) {
  Archive::Record record(ar, kShortestBlock);
  int32_t version = kBlockVersion;
  ar.Serialize(version);
  for (const CartField& row : kCartFields) {
    if (row.stored) SerializeField(ar, *this, row);
  }
  if (ar.IsStoring() || version >= kFirstVersionWithTexts) {
    for (const CartText& t : kCartTexts) ar.Serialize(this->*t.field);
  }
  for (const CartStyle& s : kCartStyles) (this->*s.field).Serialize(ar);
}

}  // namespace mervane
