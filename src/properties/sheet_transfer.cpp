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

// The Options page's copies carry the cart's field names.
template <typename From, typename To>
void CopyOptionFields(const From& from, To& to) {
  to.paymentProcessor = from.paymentProcessor;
  to.checkoutUrl = from.checkoutUrl;
  to.checkoutScript = from.checkoutScript;
  to.hiddenFields = from.hiddenFields;
  to.enableCategoryFilter = from.enableCategoryFilter;
  to.enableImage = from.enableImage;
  to.enableImageTooltip = from.enableImageTooltip;
  to.enableSearch = from.enableSearch;
}

OptionsPageCopies OptionsCopiesOf(const CartSettings& settings) {
  OptionsPageCopies options;
  CopyOptionFields(settings, options);
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
  CopyOptionFields(options, settings);
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
