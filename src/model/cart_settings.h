// Everything that defines one cart widget, with its defaults.
#ifndef MERVANE_MODEL_CART_SETTINGS_H_
#define MERVANE_MODEL_CART_SETTINGS_H_

#include <array>
#include <cstdint>
#include <string_view>

#include "model/font_style.h"
#include "model/product.h"
#include "ostrel/types.h"

namespace mervane {

class Archive;

// Payment processors, by their position in the options page's list.
enum PaymentProcessor : int32_t {
  kBuiltInScript = 0,
  kAuthorizeNet = 1,
  kWorldPay = 2,
  kLinkPoint = 3,
  kPayPal = 4,
  kOtherTarget = 5,
};

struct CartSettings {
  CartSettings();

  // Identity and layout.
  int32_t id = 0;
  int32_t reservedValue = 1;
  int32_t padding = 2;
  OColor listBackgroundColor = Rgb(0xFF, 0xFF, 0xFF);
  ORect bounds = {0, 0, 0, 0};         // not stored
  OStringList publishFolders;          // not stored; "ext|folder" entries

  ProductList products;

  // Checkout.
  int32_t paymentProcessor = kBuiltInScript;
  OString checkoutUrl;
  OStringList hiddenFields;            // "name|value" entries
  OString checkoutScript;              // empty: the generated default
  int32_t enableCategoryFilter = 1;
  int32_t enableImage = 1;
  int32_t enableImageTooltip = 1;
  int32_t enableSearch = 1;

  // Published file names.
  OString cssFileName = OSTR("mervane.css");
  OString phpFileName = OSTR("mervane_checkout.php");

  // Labels, in storage order.
  OString labelCartMenuName = OSTR("My Cart (_COUNT_)");
  OString labelCartMenuNameTooltip =
      OSTR("Cart | Total Products: _PRODUCTCOUNT_ | Total Quantity: _ITEMCOUNT_");
  OString labelProductMenuName = OSTR("Products");
  OString labelSearchButton = OSTR("Search");
  OString labelSearchText = OSTR("Search");
  OString labelCategoryText = OSTR("Category");
  OString labelClearButton = OSTR("Clear");
  OString labelAddToCartButton = OSTR("Add to Cart");
  OString labelQuantityText = OSTR("Quantity");
  OString labelProducts = OSTR("Products");
  OString labelPrice = OSTR("Price");
  OString labelSubtotal = OSTR("Subtotal");
  OString labelTotal = OSTR("Total");
  OString labelRemove = OSTR("Remove");
  OString labelCheckout = OSTR("Checkout");

  // Messages, in storage order, continuing the labels.
  OString messageConfirmRemove =
      OSTR("Do you want to remove \"_PRODUCTNAME_\" from cart?");
  OString messageCartEmpty = OSTR("Your cart is empty");
  OString messageProductEmpty = OSTR("No products to display");
  OString messageProductAddError = OSTR("Product cannot add");
  OString messageItemAdded = OSTR("Product added to the cart");
  OString messageItemRemoved = OSTR("Product removed from the cart");
  OString messageQuantityUpdated = OSTR("Product quantity updated");
  OString messageQuantityErrorAdd = OSTR("Invalid quantity. Product cannot add");
  OString messageQuantityErrorUpdate =
      OSTR("Invalid quantity. Quantity cannot update");

  // Styles of the five visual elements.
  CFontStyle mainStyle;
  CFontStyle productsStyle;
  CFontStyle buttonsStyle;
  CFontStyle checkoutButtonStyle;
  CFontStyle messageBarStyle;

  // Stores or loads the widget's block (version 101). A block below 101
  // holds no texts; the texts then keep their current values.
  void Serialize(Archive& ar);
};

// The 24 label and message fields in storage order, with their names.
struct CartText {
  std::string_view name;
  OString CartSettings::*field;
};
extern const std::array<CartText, 24> kCartTexts;

// The five styles with their names, in the order they are stored.
struct CartStyle {
  std::string_view name;
  CFontStyle CartSettings::*field;
};
extern const std::array<CartStyle, 5> kCartStyles;

}  // namespace mervane

#endif  // MERVANE_MODEL_CART_SETTINGS_H_
