#include "properties/processor_presets.h"

#include "model/cart_settings.h"
#include "model/gateways.h"

namespace mervane {

namespace {

constexpr OStringView kEntries[] = {
    OSTR("Use built-in script"), OSTR("Authorize.net"), OSTR("WorldPay"),
    OSTR("LinkPoint"),           OSTR("PayPal"),        OSTR("Other"),
};

}  // namespace

std::span<const OStringView> ProcessorEntries() { return kEntries; }

bool IsUrlEditable(int32_t processor) { return processor == kOtherTarget; }

void ChooseProcessor(OptionsPageCopies& copies, int32_t processor) {
  copies.paymentProcessor = processor;
  ApplyProcessorPreset(processor, copies.checkoutUrl, copies.hiddenFields);
}

bool EditsCheckoutScript(int32_t processor) { return processor == kBuiltInScript; }

}  // namespace mervane
