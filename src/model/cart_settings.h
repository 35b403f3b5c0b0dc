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
#include "resources/resource_ids.h"

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

// The fields the Options page edits, kept in one record so that the page's
// copies are one: the checkout settings and the cart's switches. Their
// defaults, like every other field's, are the rows of kCartFields.
struct CartOptions {
  int32_t paymentProcessor{};
  OString checkoutUrl;
  OStringList hiddenFields;            // "name|value" entries
  OString checkoutScript;              // empty: the generated default
  int32_t enableCategoryFilter{};
  int32_t enableImage{};
  int32_t enableImageTooltip{};
  int32_t enableSearch{};

  bool operator==(const CartOptions&) const = default;
};

// The checkout script's file name on a new cart, which is also the form
// target that choosing the built-in checkout presets; and the cart script's
// file name, which never changes.
inline constexpr OChar kDefaultCheckoutFileName[] = OSTR("mervane_checkout.php");
inline constexpr std::string_view kCartScriptFileName = "jquery.mervane-2.0.js";

// The fields the Style page edits, kept in one record so that the page's
// copies are one: the padding, the stylesheet's file name, the texts and the
// styles.
struct CartLook {
  int32_t padding{};
  OString cssFileName;

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

  bool operator==(const CartLook&) const = default;
};

struct CartSettings : CartOptions, CartLook {
  // Every field at its row's default.
  CartSettings();

  // Identity and layout.
  int32_t id{};
  int32_t reservedValue{};
  OColor listBackgroundColor{};
  ORect bounds{};                      // not stored
  OStringList publishFolders;          // not stored; "ext|folder" entries

  ProductList products;

  // The checkout script's file name; the stylesheet's is in CartLook.
  OString phpFileName;

  // Stores or loads the widget's block (version 101): the stored rows of
  // kCartFields, the texts (none in a block below 101, where they keep their
  // current values) and the styles.
  void Serialize(Archive& ar);
  // Equal in every field, the run-time ones included.
  bool operator==(const CartSettings&) const = default;
};

// How a field is stored, shown and written by the stand-in host.
enum class FieldKind { kInt, kFlag, kColor, kText, kTextList, kProducts, kRect };

using SettingsMember = FieldMember<CartSettings>;

// One field besides the texts and styles: adding an option is one row here
// (with its member in CartOptions) and the code that uses its value.
struct CartField {
  SettingsMember field;
  std::string_view name;     // the field's name, also its key in a cart definition
  FieldKind kind;
  bool stored = true;        // written to the project block
  int32_t number = 0;        // the default of an integer, flag or colour
  const OChar* text = OSTR("");  // the default of a text
  int control = 0;           // the Options page's check box for a flag, or 0
  int pluginOrder = 0;       // 1, 2, ...: its place among the cart plug-in's
                             // options in the ready script; 0: not passed
};

#define MERVANE_FIELD(member) .field = &CartSettings::member, .name = #member

// Stored rows first, in storage order.
inline constexpr std::array<CartField, 17> kCartFields = {{
    {MERVANE_FIELD(id), .kind = FieldKind::kInt},
    {MERVANE_FIELD(reservedValue), .kind = FieldKind::kInt, .number = 1},
    {MERVANE_FIELD(padding), .kind = FieldKind::kInt, .number = 2},
    {MERVANE_FIELD(products), .kind = FieldKind::kProducts},
    {MERVANE_FIELD(paymentProcessor), .kind = FieldKind::kInt, .number = kBuiltInScript},
    {MERVANE_FIELD(checkoutUrl), .kind = FieldKind::kText},
    {MERVANE_FIELD(hiddenFields), .kind = FieldKind::kTextList},
    {MERVANE_FIELD(checkoutScript), .kind = FieldKind::kText},
    {MERVANE_FIELD(enableCategoryFilter), .kind = FieldKind::kFlag, .number = 1,
     .control = IDC_OPTIONS_CATEGORY_FILTER, .pluginOrder = 4},
    {MERVANE_FIELD(enableImage), .kind = FieldKind::kFlag, .number = 1,
     .control = IDC_OPTIONS_IMAGE, .pluginOrder = 1},
    {MERVANE_FIELD(enableImageTooltip), .kind = FieldKind::kFlag, .number = 1,
     .control = IDC_OPTIONS_IMAGE_TOOLTIP, .pluginOrder = 2},
    {MERVANE_FIELD(enableSearch), .kind = FieldKind::kFlag, .number = 1,
     .control = IDC_OPTIONS_SEARCH, .pluginOrder = 3},
    {MERVANE_FIELD(listBackgroundColor), .kind = FieldKind::kColor,
     .number = static_cast<int32_t>(Rgb(0xFF, 0xFF, 0xFF))},
    {MERVANE_FIELD(cssFileName), .kind = FieldKind::kText, .text = OSTR("mervane.css")},
    {MERVANE_FIELD(phpFileName), .kind = FieldKind::kText, .text = kDefaultCheckoutFileName},
    {MERVANE_FIELD(bounds), .kind = FieldKind::kRect, .stored = false},
    {MERVANE_FIELD(publishFolders), .kind = FieldKind::kTextList, .stored = false},
}};

#undef MERVANE_FIELD

// The member that a row's kind names is the one set, stored rows come
// first, no name has two rows, only flags have a check box or a place
// among the plug-in's options, and those places run 1, 2, ... without gaps.
constexpr bool EachFieldHasOneSoundRow() {
  int options = 0;
  for (size_t i = 0; i < kCartFields.size(); ++i) {
    const CartField& row = kCartFields[i];
    const SettingsMember& m = row.field;
    const bool kindFits = row.kind == FieldKind::kInt || row.kind == FieldKind::kFlag
                              ? m.integer != nullptr
                          : row.kind == FieldKind::kColor    ? m.color != nullptr
                          : row.kind == FieldKind::kText     ? m.text != nullptr
                          : row.kind == FieldKind::kTextList ? m.list != nullptr
                          : row.kind == FieldKind::kProducts ? m.products != nullptr
                                                             : m.rect != nullptr;
    if (m.Count() != 1 || !kindFits || (i > 0 && row.stored && !kCartFields[i - 1].stored)) return false;
    if ((row.control != 0 || row.pluginOrder != 0) && row.kind != FieldKind::kFlag) return false;
    for (size_t j = 0; j < i; ++j) {
      if (kCartFields[j].name == row.name) return false;
    }
    options += row.pluginOrder != 0;
  }
  for (int order = 1; order <= options; ++order) {
    int found = 0;
    for (const CartField& row : kCartFields) found += row.pluginOrder == order;
    if (found != 1) return false;
  }
  return true;
}
static_assert(EachFieldHasOneSoundRow());

// The flag a row names, as a field of the Options page's record; only for
// rows with a check box there, whose fields all belong to CartOptions.
inline int32_t CartOptions::*OptionFlag(const CartField& row) {
  return static_cast<int32_t CartOptions::*>(row.field.integer);
}

// The labels and the messages each have a category on the Style page.
enum class TextKind { kLabel, kMessage };

// One text: adding a label is one member above and one row in kCartTexts.
struct CartText {
  OString CartLook::*field;
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
  CFontStyle CartLook::*field;
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
