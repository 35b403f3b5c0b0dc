#include "properties/sheet_transfer.h"

#include "publish/checkout_script.h"

namespace mervane {

namespace {

StylePageCopies StyleCopiesOf(const CartSettings& settings) {
  StylePageCopies style;
  style.padding = settings.padding;
  for (size_t i = 0; i < kCartTexts.size(); ++i) {
    style.texts[i] = settings.*kCartTexts[i].field;
  }
  for (size_t i = 0; i < kCartStyles.size(); ++i) {
    style.styles[i] = settings.*kCartStyles[i].field;
  }
  style.cssFileName = settings.cssFileName;
  style.phpFileName = settings.phpFileName;
  return style;
}

OptionsPageCopies OptionsCopiesOf(const CartSettings& settings) {
  OptionsPageCopies options = settings;
  options.checkoutScript = ShownCheckoutScript(settings.checkoutScript);
  return options;
}

void CopyStyleBack(const StylePageCopies& style, CartSettings& settings) {
  settings.padding = style.padding;
  for (size_t i = 0; i < kCartTexts.size(); ++i) {
    settings.*kCartTexts[i].field = style.texts[i];
  }
  for (size_t i = 0; i < kCartStyles.size(); ++i) {
    settings.*kCartStyles[i].field = style.styles[i];
  }
  settings.cssFileName = style.cssFileName;
  settings.phpFileName = style.phpFileName;
}

void CopyOptionsBack(const OptionsPageCopies& options, CartSettings& settings) {
  static_cast<CartOptions&>(settings) = options;
  settings.checkoutScript = StoredCheckoutScript(options.checkoutScript);
}

}  // namespace

PageCopies CopyIn(const CartSettings& settings) {
  return PageCopies{settings.products, StyleCopiesOf(settings),
                    OptionsCopiesOf(settings)};
}

void CopyBack(const PageCopies& copies, CartSettings& settings) {
  settings.products = copies.products;
  CopyStyleBack(copies.style, settings);
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
