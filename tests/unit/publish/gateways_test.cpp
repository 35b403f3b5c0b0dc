#include "publish/gateways.h"

#include <gtest/gtest.h>

#include "model/cart_settings.h"
#include "test_support.h"

namespace mervane {
namespace {

// The browser tests check each gateway's address and posted fields, the
// ready script's exact text where a field's value ends.
TEST(GatewaysTest, OnlyTheFourGatewaysAreFound) {
  for (int32_t processor = -1; processor <= 6; ++processor)
    EXPECT_EQ(FindGateway(processor) != nullptr,
              processor >= kAuthorizeNet && processor <= kPayPal)
        << processor;
}

// The options page's tests check each preset's address and field count.
TEST(GatewaysTest, PayPalPresetUploadsTheCart) {
  OString url;
  OStringList fields = {OSTR("edited|1")};
  ApplyProcessorPreset(kPayPal, url, fields);
  EXPECT_EQ(fields, (OStringList{OSTR("cmd|_cart"), OSTR("upload|1"),
                                 OSTR("business|payments@example.com"),
                                 OSTR("currency_code|USD"),
                                 OSTR("return|https://www.example.com/thank-you.html")}));
}

}  // namespace
}  // namespace mervane
