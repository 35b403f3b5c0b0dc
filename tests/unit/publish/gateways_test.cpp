#include "publish/gateways.h"

#include <gtest/gtest.h>

#include "model/cart_settings.h"
#include "test_support.h"

namespace mervane {
namespace {

bool EndsWith(OStringView text, OStringView tail) {
  return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

TEST(GatewaysTest, OnlyTheFourGatewaysHaveAnHttpsAddressWithTheirPath) {
  for (int32_t processor : {0, 5, -1, 6}) {
    EXPECT_EQ(FindGateway(processor), nullptr) << processor;
  }
  const struct {
    int32_t processor;
    const OChar* path;
  } paths[] = {{kAuthorizeNet, OSTR("/gateway/transact.dll")},
               {kWorldPay, OSTR("/wcc/purchase")},
               {kLinkPoint, OSTR("/lpcentral/servlet/lppay")},
               {kPayPal, OSTR("/cgi-bin/webscr")}};
  for (const auto& p : paths) {
    const Gateway* gateway = FindGateway(p.processor);
    ASSERT_NE(gateway, nullptr) << p.processor;
    EXPECT_EQ(gateway->address.substr(0, 8), OSTR("https://"));
    EXPECT_TRUE(EndsWith(gateway->address, p.path)) << p.processor;
    // Host name only between scheme and path.
    EXPECT_EQ(gateway->address.find(OSTR('/'), 8),
              gateway->address.size() - OStringView(p.path).size());
  }
}

TEST(GatewaysTest, PresetsFillTheUrlAndReplaceTheFields) {
  OString url = OSTR("typed by hand");
  OStringList fields = {OSTR("edited|1")};
  ApplyProcessorPreset(kWorldPay, url, fields);
  EXPECT_EQ(url, FindGateway(kWorldPay)->address);
  EXPECT_EQ(fields, (OStringList{OSTR("instId|--ENTER WORLDPAY ID HERE--"),
                                 OSTR("currency|USD"), OSTR("testMode|0"),
                                 OSTR("cartId|WebPurchase")}));

  ApplyProcessorPreset(kBuiltInScript, url, fields);
  EXPECT_EQ(url, OSTR("mervane_checkout.php"));
  EXPECT_TRUE(fields.empty());
}

TEST(GatewaysTest, PayPalPresetUsesPlaceholderAddressesAndOtherKeepsTheUrl) {
  OString url;
  OStringList fields;
  ApplyProcessorPreset(kPayPal, url, fields);
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields[0], OSTR("cmd|_cart"));
  EXPECT_EQ(fields[1], OSTR("upload|1"));
  EXPECT_EQ(fields[2].substr(0, 9), OSTR("business|"));
  EXPECT_TRUE(EndsWith(fields[2], OSTR("@example.com")));
  EXPECT_EQ(fields[3], OSTR("currency_code|USD"));
  EXPECT_EQ(fields[4].substr(0, 15), OSTR("return|https://"));
  EXPECT_NE(fields[4].find(OSTR("example.com/")), OString::npos);

  const OString payPalUrl = url;
  ApplyProcessorPreset(kOtherTarget, url, fields);
  EXPECT_EQ(url, payPalUrl);
  EXPECT_TRUE(fields.empty());
}

TEST(GatewaysTest, HiddenFieldValueEndsAtTheSecondBar) {
  const struct {
    const OChar* stored;
    const OChar* name;
    const OChar* value;
  } cases[] = {
      {OSTR("x_Amount|_AMOUNT_"), OSTR("x_Amount"), OSTR("_AMOUNT_")},
      {OSTR("a|b|c"), OSTR("a"), OSTR("b")},
      {OSTR("a||c"), OSTR("a"), OSTR("")},
      {OSTR("no bar"), OSTR("no bar"), OSTR("")},
      {OSTR("|v"), OSTR(""), OSTR("v")},
      {OSTR("n|"), OSTR("n"), OSTR("")},
      {OSTR(""), OSTR(""), OSTR("")},
  };
  for (const auto& k : cases) {
    const HiddenField field = CutHiddenField(k.stored);
    EXPECT_EQ(field.name, k.name) << ToUtf8(k.stored);
    EXPECT_EQ(field.value, k.value) << ToUtf8(k.stored);
  }
}

}  // namespace
}  // namespace mervane
