#include "properties/sheet_transfer.h"

#include "publish/checkout_script.h"

namespace mervane {

namespace {

OptionsPageCopies OptionsCopiesOf(const CartSettings& settings) {
  OptionsPageCopies options = settings;
  options.checkoutScript = ShownCheckoutScript(settings.checkoutScript);
  return options;
}

void CopyOptionsBack(const OptionsPageCopies& options, CartSettings& settings) {
  static_cast<CartOptions&>(settings) = options;
  settings.checkoutScript = StoredCheckoutScript(options.checkoutScript);
}

}  // namespace

PageCopies CopyIn(const CartSettings& settings) {
  return PageCopies{settings.products, settings, OptionsCopiesOf(settings)};
}

void CopyBack(const PageCopies& copies, CartSettings& settings) {
  settings.products = copies.products;
  static_cast<CartLook&>(settings) = copies.style;
  CopyOptionsBack(copies.options, settings);
}

bool EditCopies(CartSettings& settings,
                const std::function<bool(PageCopies&)>& showSheet) {
  PageCopies copies = CopyIn(settings);
  if (!showSheet(copies)) return false;
  CartSettings edited = settings;
  CopyBack(copies, edited);
  settings = std::move(edited);
  return true;
}

}  // namespace mervane
