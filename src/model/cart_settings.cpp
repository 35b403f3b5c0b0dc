#include "model/cart_settings.h"

#include "framework/archive.h"

namespace mervane {

namespace {

constexpr int32_t kBlockVersion = 101;
constexpr int32_t kFirstVersionWithTexts = 101;

// The fewest bytes a block that loads can take, with empty 8-bit strings of
// one byte, empty lists, no products and no texts (version 100): four
// integers, the product count, the processor, the address, the hidden
// fields, the script, five integers, two file names and five styles of ten
// integers and a font name.
constexpr uint64_t kShortestBlock =
    4 * 4 + 2 + 4 + 1 + 2 + 1 + 5 * 4 + 2 * 1 + 5 * (10 * 4 + 1);

}  // namespace

CartSettings::CartSettings() {
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
  ar.Serialize(id);
  ar.Serialize(reservedValue);
  ar.Serialize(padding);
  products.Serialize(ar);
  ar.Serialize(paymentProcessor);
  ar.Serialize(checkoutUrl);
  ar.Serialize(hiddenFields);
  ar.Serialize(checkoutScript);
  ar.Serialize(enableCategoryFilter);
  ar.Serialize(enableImage);
  ar.Serialize(enableImageTooltip);
  ar.Serialize(enableSearch);
  ar.Serialize(listBackgroundColor);
  ar.Serialize(cssFileName);
  ar.Serialize(phpFileName);
  if (ar.IsStoring() || version >= kFirstVersionWithTexts) {
    for (const CartText& t : kCartTexts) ar.Serialize(this->*t.field);
  }
  for (const CartStyle& s : kCartStyles) (this->*s.field).Serialize(ar);
}

}  // namespace mervane
