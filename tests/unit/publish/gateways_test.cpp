#include "publish/gateways.h"

#include <gtest/gtest.h>

#include "model/cart_settings.h"
#include "test_support.h"

namespace mervane {
namespace {

// The ready script's tests check each gateway's address and fields.
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

TEST(GatewaysTest, HiddenFieldValueEndsAtTheSecondBar) {
  const struct {
    const OChar* stored;
    const OChar* name;
    const OChar* value;
  } cases[] = {
      {OSTR("a|b|c"), OSTR("a"), OSTR("b")}, {OSTR("a||c"), OSTR("a"), OSTR("")},
      {OSTR("no bar"), OSTR("no bar"), OSTR("")}, {OSTR("|v"), OSTR(""), OSTR("v")},
      {OSTR("n|"), OSTR("n"), OSTR("")},
  };
  for (const auto& k : cases) {
    const HiddenField field = CutHiddenField(k.stored);
    EXPECT_EQ(field.name, k.name) << ToUtf8(k.stored);
    EXPECT_EQ(field.value, k.value) << ToUtf8(k.stored);
  }
}

}  // namespace
}  // namespace mervane
