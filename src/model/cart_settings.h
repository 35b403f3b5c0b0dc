// Everything that defines one cart widget, with its defaults, and the tables
// of its texts and styles that everything handling them reads.
#ifndef MERVANE_MODEL_CART_SETTINGS_H_
#define MERVANE_MODEL_CART_SETTINGS_H_

#include <array>
#include <cstddef>
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

  // The 15 labels, then the 9 messages. Their defaults, storage order,
  // placeholders and Style page items are the rows of kCartTexts below.
  OString labelCartMenuName;
  OString labelCartMenuNameTooltip;
  OString labelProductMenuName;
  OString labelSearchButton;
  OString labelSearchText;
  OString labelCategoryText;
  OString labelClearButton;
  OString labelAddToCartButton;
  OString labelQuantityText;
  OString labelProducts;
  OString labelPrice;
  OString labelSubtotal;
  OString labelTotal;
  OString labelRemove;
  OString labelCheckout;
  OString messageConfirmRemove;
  OString messageCartEmpty;
  OString messageProductEmpty;
  OString messageProductAddError;
  OString messageItemAdded;
  OString messageItemRemoved;
  OString messageQuantityUpdated;
  OString messageQuantityErrorAdd;
  OString messageQuantityErrorUpdate;

  // Styles of the five visual elements, in the order of kCartStyles when
  // stored.
  CFontStyle mainStyle;
  CFontStyle productsStyle;
  CFontStyle buttonsStyle;
  CFontStyle checkoutButtonStyle;
  CFontStyle messageBarStyle;

  // Stores or loads the widget's block (version 101). A block below 101
  // holds no texts; the texts then keep their current values.
  void Serialize(Archive& ar);
  // Equal in every field, the run-time ones included.
  bool operator==(const CartSettings&) const = default;
};

// The labels and the messages each have a category on the Style page.
enum class TextKind { kLabel, kMessage };

// One text: adding a label is one member above and one row in kCartTexts.
struct CartText {
  OString CartSettings::*field;
  std::string_view name;     // the field's name, also the cart script's variable
  TextKind kind;
  const OChar* defaultText;
  const OChar* token;        // the placeholder in the cart script
  char quote;                // the delimiter of the token's string literal
  const OChar* item;         // the Style page's item name
  const OChar* description;  // shown under the Style page's grid
};

#define MERVANE_TEXT(field) &CartSettings::field, #field

// In storage order, which is also the order the placeholders are filled in:
// a text that holds a later token has that token filled too.
inline constexpr std::array<CartText, 24> kCartTexts = {{
    {MERVANE_TEXT(labelCartMenuName), TextKind::kLabel,
     OSTR("My Cart (_COUNT_)"), OSTR("$LABEL_CARTMENUNAME$"), '\'',
     OSTR("Cart Menu Name"),
     OSTR("Specifies cart menu name label. _COUNT_ will be replaced with cart count.")},
    {MERVANE_TEXT(labelCartMenuNameTooltip), TextKind::kLabel,
     OSTR("Cart | Total Products: _PRODUCTCOUNT_ | Total Quantity: _ITEMCOUNT_"),
     OSTR("$LABEL_CARTMENUNAME_TOOLTIP$"), '"',
     OSTR("Cart Menu Name Tooltip"), OSTR("Specifies cart menu name tooltip label")},
    {MERVANE_TEXT(labelProductMenuName), TextKind::kLabel,
     OSTR("Products"), OSTR("$LABEL_PRODUCTMENUNAME$"), '\'',
     OSTR("Product Menu Name"), OSTR("Specifies product menu name label")},
    {MERVANE_TEXT(labelSearchButton), TextKind::kLabel,
     OSTR("Search"), OSTR("$LABEL_SEARCHBUTTON$"), '"',
     OSTR("Search Button"), OSTR("Specifies 'search' button label")},
    {MERVANE_TEXT(labelSearchText), TextKind::kLabel,
     OSTR("Search"), OSTR("$LABEL_SEARCHLABEL$"), '"',
     OSTR("Search Text"), OSTR("Specifies search text label")},
    {MERVANE_TEXT(labelCategoryText), TextKind::kLabel,
     OSTR("Category"), OSTR("$LABEL_CATEGORYTEXT$"), '"',
     OSTR("Category Text"), OSTR("Specifies category text label")},
    {MERVANE_TEXT(labelClearButton), TextKind::kLabel,
     OSTR("Clear"), OSTR("$LABEL_CLEARBUTTON$"), '"',
     OSTR("Clear Button"), OSTR("Specifies 'clear' button label")},
    {MERVANE_TEXT(labelAddToCartButton), TextKind::kLabel,
     OSTR("Add to Cart"), OSTR("$LABEL_ADDTOCARTBUTTON$"), '"',
     OSTR("AddToCart Button"), OSTR("Specifies 'add to cart' button label")},
    {MERVANE_TEXT(labelQuantityText), TextKind::kLabel,
     OSTR("Quantity"), OSTR("$LABEL_QUANTITYTEXT$"), '"',
     OSTR("Quantity Text"), OSTR("Specifies quantity text label")},
    {MERVANE_TEXT(labelProducts), TextKind::kLabel,
     OSTR("Products"), OSTR("$LABEL_PRODUCTS$"), '\'',
     OSTR("Products"), OSTR("Specifies products label")},
    {MERVANE_TEXT(labelPrice), TextKind::kLabel,
     OSTR("Price"), OSTR("$LABEL_PRICE$"), '\'',
     OSTR("Price"), OSTR("Specifies price label")},
    {MERVANE_TEXT(labelSubtotal), TextKind::kLabel,
     OSTR("Subtotal"), OSTR("$LABEL_SUBTOTAL$"), '\'',
     OSTR("Subtotal"), OSTR("Specifies sub total label")},
    {MERVANE_TEXT(labelTotal), TextKind::kLabel,
     OSTR("Total"), OSTR("$LABEL_TOTAL$"), '\'',
     OSTR("Total"), OSTR("Specifies total label")},
    {MERVANE_TEXT(labelRemove), TextKind::kLabel,
     OSTR("Remove"), OSTR("$LABEL_REMOVE$"), '\'',
     OSTR("Remove"), OSTR("Specifies remove label")},
    {MERVANE_TEXT(labelCheckout), TextKind::kLabel,
     OSTR("Checkout"), OSTR("$LABEL_CHECKOUT$"), '\'',
     OSTR("Checkout"), OSTR("Specifies checkout label")},
    {MERVANE_TEXT(messageConfirmRemove), TextKind::kMessage,
     OSTR("Do you want to remove \"_PRODUCTNAME_\" from cart?"), OSTR("$MSG_CONFIRMREMOVE$"), '\'',
     OSTR("Confirm Remove"),
     OSTR("Specifies 'confirm remove' message.  _PRODUCTNAME_ will be replaced with actual product name")},
    {MERVANE_TEXT(messageCartEmpty), TextKind::kMessage,
     OSTR("Your cart is empty"), OSTR("$MSG_CARTEMPTY$"), '"',
     OSTR("Cart Empty"), OSTR("Specifies 'cart empty' message")},
    {MERVANE_TEXT(messageProductEmpty), TextKind::kMessage,
     OSTR("No products to display"), OSTR("$MSG_PRODUCTEMPTY$"), '"',
     OSTR("Product Empty"), OSTR("Specifies 'product empty' message")},
    {MERVANE_TEXT(messageProductAddError), TextKind::kMessage,
     OSTR("Product cannot add"), OSTR("$MSG_PRODUCTADDERROR$"), '"',
     OSTR("Product Add Error"), OSTR("Specifies 'product add error' message")},
    {MERVANE_TEXT(messageItemAdded), TextKind::kMessage,
     OSTR("Product added to the cart"), OSTR("$MSG_ITEMADDED$"), '\'',
     OSTR("Item Added"), OSTR("Specifies 'item added' message")},
    {MERVANE_TEXT(messageItemRemoved), TextKind::kMessage,
     OSTR("Product removed from the cart"), OSTR("$MSG_ITEMREMOVED$"), '\'',
     OSTR("Item Removed"), OSTR("Specifies 'item removed' message")},
    {MERVANE_TEXT(messageQuantityUpdated), TextKind::kMessage,
     OSTR("Product quantity updated"), OSTR("$MSG_QUANTITYUPDATED$"), '\'',
     OSTR("Quantity Updated"), OSTR("Specifies 'quantity updated' message")},
    {MERVANE_TEXT(messageQuantityErrorAdd), TextKind::kMessage,
     OSTR("Invalid quantity. Product cannot add"), OSTR("$MSG_QUANTITYERRORADD$"), '\'',
     OSTR("Quantity Error Add"), OSTR("Specifies 'quantity error add' message")},
    {MERVANE_TEXT(messageQuantityErrorUpdate), TextKind::kMessage,
     OSTR("Invalid quantity. Quantity cannot update"), OSTR("$MSG_QUANTITYERRORUPDATE$"), '\'',
     OSTR("Quantity Error Update"), OSTR("Specifies 'quantity error update' message")},
}};

#undef MERVANE_TEXT

// Every row is filled, names a label or a message field of its own kind,
// labels come before messages (the Style page shows them in two runs), and no
// field has two rows.
constexpr bool EachTextHasOneSoundRow() {
  for (size_t i = 0; i < kCartTexts.size(); ++i) {
    const CartText& row = kCartTexts[i];
    if (row.field == nullptr || row.token == nullptr || row.item == nullptr) return false;
    if (!row.name.starts_with(row.kind == TextKind::kLabel ? "label" : "message")) return false;
    if (i > 0 && row.kind < kCartTexts[i - 1].kind) return false;
    for (size_t j = 0; j < i; ++j) {
      if (kCartTexts[j].field == row.field) return false;
    }
  }
  return true;
}
static_assert(EachTextHasOneSoundRow());

// The five styles, in storage order: the message bar's before the checkout
// button's.
struct CartStyle {
  CFontStyle CartSettings::*field;
  std::string_view name;
};

inline constexpr std::array<CartStyle, 5> kCartStyles = {{
    {&CartSettings::mainStyle, "mainStyle"},
    {&CartSettings::productsStyle, "productsStyle"},
    {&CartSettings::buttonsStyle, "buttonsStyle"},
    {&CartSettings::messageBarStyle, "messageBarStyle"},
    {&CartSettings::checkoutButtonStyle, "checkoutButtonStyle"},
}};

}  // namespace mervane

#endif  // MERVANE_MODEL_CART_SETTINGS_H_
