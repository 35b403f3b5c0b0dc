#include "publish/cart_script.h"

#include <array>

#include "framework/text.h"

namespace mervane {

namespace {

struct Placeholder {
  const OChar* token;
  OString CartSettings::*text;
};

// In the order in which they are filled: a text that holds a later token
// has that token filled too.
const std::array<Placeholder, 24> kPlaceholders = {{
    {OSTR("$LABEL_CARTMENUNAME$"), &CartSettings::labelCartMenuName},
    {OSTR("$LABEL_CARTMENUNAME_TOOLTIP$"), &CartSettings::labelCartMenuNameTooltip},
    {OSTR("$LABEL_PRODUCTMENUNAME$"), &CartSettings::labelProductMenuName},
    {OSTR("$LABEL_SEARCHBUTTON$"), &CartSettings::labelSearchButton},
    {OSTR("$LABEL_SEARCHLABEL$"), &CartSettings::labelSearchText},
    {OSTR("$LABEL_CATEGORYTEXT$"), &CartSettings::labelCategoryText},
    {OSTR("$LABEL_CLEARBUTTON$"), &CartSettings::labelClearButton},
    {OSTR("$LABEL_ADDTOCARTBUTTON$"), &CartSettings::labelAddToCartButton},
    {OSTR("$LABEL_QUANTITYTEXT$"), &CartSettings::labelQuantityText},
    {OSTR("$LABEL_PRODUCTS$"), &CartSettings::labelProducts},
    {OSTR("$LABEL_PRICE$"), &CartSettings::labelPrice},
    {OSTR("$LABEL_SUBTOTAL$"), &CartSettings::labelSubtotal},
    {OSTR("$LABEL_TOTAL$"), &CartSettings::labelTotal},
    {OSTR("$LABEL_REMOVE$"), &CartSettings::labelRemove},
    {OSTR("$LABEL_CHECKOUT$"), &CartSettings::labelCheckout},
    {OSTR("$MSG_CONFIRMREMOVE$"), &CartSettings::messageConfirmRemove},
    {OSTR("$MSG_CARTEMPTY$"), &CartSettings::messageCartEmpty},
    {OSTR("$MSG_PRODUCTEMPTY$"), &CartSettings::messageProductEmpty},
    {OSTR("$MSG_PRODUCTADDERROR$"), &CartSettings::messageProductAddError},
    {OSTR("$MSG_ITEMADDED$"), &CartSettings::messageItemAdded},
    {OSTR("$MSG_ITEMREMOVED$"), &CartSettings::messageItemRemoved},
    {OSTR("$MSG_QUANTITYUPDATED$"), &CartSettings::messageQuantityUpdated},
    {OSTR("$MSG_QUANTITYERRORADD$"), &CartSettings::messageQuantityErrorAdd},
    {OSTR("$MSG_QUANTITYERRORUPDATE$"), &CartSettings::messageQuantityErrorUpdate},
}};

}  // namespace

OString FillCartScriptPlaceholders(const CartSettings& settings, OString script) {
  for (const Placeholder& p : kPlaceholders)
    ReplaceAll(script, p.token, settings.*p.text);
  return script;
}

}  // namespace mervane
