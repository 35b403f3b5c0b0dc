#include "model/gateways.h"

#include "model/cart_settings.h"

namespace mervane {

namespace {

constexpr OStringView kAuthorizeNetPreset[] = {
    OSTR("x_Login|--ENTER YOUR ID HERE--"),
    OSTR("x_Version|3.0"),
    OSTR("x_Show_Form|PAYMENT_FORM"),
};

constexpr OStringView kWorldPayPreset[] = {
    OSTR("instId|--ENTER WORLDPAY ID HERE--"),
    OSTR("currency|USD"),
    OSTR("testMode|0"),
    OSTR("cartId|WebPurchase"),
};

constexpr OStringView kLinkPointPreset[] = {
    OSTR("storename|--ENTER YOUR STORE ID HERE--"),
    OSTR("mode|fullpay"),
};

// The account and the thank-you page are placeholders the shop replaces.
constexpr OStringView kPayPalPreset[] = {
    OSTR("cmd|_cart"),
    OSTR("upload|1"),
    OSTR("business|payments@example.com"),
    OSTR("currency_code|USD"),
    OSTR("return|https://www.example.com/thank-you.html"),
};

// Indexed by payment processor minus one.
const Gateway kGateways[] = {
    {OSTR("https://secure.authorize.net/gateway/transact.dll"),
     OSTR("x_Description"), OSTR("x_Amount"), kAuthorizeNetPreset},
    {OSTR("https://secure.worldpay.com/wcc/purchase"),
     OSTR("desc"), OSTR("amount"), kWorldPayPreset},
    {OSTR("https://www.linkpointcentral.com/lpcentral/servlet/lppay"),
     OSTR("desc"), OSTR("chargetotal"), kLinkPointPreset},
    {OSTR("https://www.paypal.com/cgi-bin/webscr"),
     OStringView(), OStringView(), kPayPalPreset},
};

}  // namespace

const Gateway* FindGateway(int32_t processor) {
  if (processor < kAuthorizeNet || processor > kPayPal) return nullptr;
  return &kGateways[processor - kAuthorizeNet];
}

bool HandsOffCheckout(int32_t processor) {
  return processor >= kAuthorizeNet && processor <= kOtherTarget;
}

void ApplyProcessorPreset(int32_t processor, OString& urlText,
                          OStringList& hiddenFields) {
  hiddenFields.clear();
  if (processor == kBuiltInScript) urlText = kDefaultCheckoutFileName;
  const Gateway* gateway = FindGateway(processor);
  if (gateway == nullptr) return;
  urlText = gateway->address;
  hiddenFields.assign(gateway->presetFields.begin(), gateway->presetFields.end());
}

HiddenField CutHiddenField(const OString& stored) {
  const size_t bar = stored.find(OSTR('|'));
  if (bar == OString::npos) return {stored, OString()};
  const size_t end = stored.find(OSTR('|'), bar + 1);
  const size_t length = end == OString::npos ? OString::npos : end - bar - 1;
  return {stored.substr(0, bar), stored.substr(bar + 1, length)};
}

}  // namespace mervane
