#include "publish/authoring_checks.h"

#include <gtest/gtest.h>

#include "output/cart_fixtures.h"

namespace mervane::testing {
namespace {

// Each case edits the Cake and Tea cart; `expected` is how one of its
// warnings starts (the first product is "SKU1"), or null for none at all.
TEST(AuthoringChecksTest, WarnsWhereATextBreaksWhatTheProcessorWrites) {
  struct Case {
    int32_t processor;
    void (*edit)(CartSettings&);
    const char* expected;
  };
  const Case cases[] = {
      {kBuiltInScript, [](CartSettings&) {}, nullptr},
      {kAuthorizeNet, [](CartSettings& c) { c.products[0].name = U("Say \"hi\""); },
       "product 1 \"SKU1\" name holds a double quote (\"), written unchanged into a "
       "double-quoted string of the document-ready script"},
      {kBuiltInScript, [](CartSettings& c) { c.products[0].name = U("Say \"hi\" </b>"); },
       nullptr},
      {kWorldPay, [](CartSettings& c) { c.products[1].productId = U("T</script>"); },
       "product 2 \"T</script>\" id holds \"</\" (as in </script>)"},
      {kOtherTarget, [](CartSettings& c) { c.products[0].price = U("1\\0"); },
       "product 1 \"SKU1\" price holds a backslash (\\)"},
      {kLinkPoint, [](CartSettings& c) { c.products[0].name = U("Rye\nloaf"); },
       "product 1 \"SKU1\" name holds a line break"},
      {kBuiltInScript, [](CartSettings& c) { c.products[0].productId = U("S\"1"); },
       "product 1 \"S\"1\" id holds a double quote (\"), written unchanged into the page "
       "markup's pid attribute"},
      // The checkout script's product table escapes whatever would break it.
      {kBuiltInScript,
       [](CartSettings& c) { c.products[0].productId = c.products[0].price = U("S$'\\x"); },
       nullptr},
      {kOtherTarget, [](CartSettings& c) { c.checkoutUrl = U("https://x/\r\n"); },
       "setting checkoutUrl holds a line break"},
      {kPayPal, [](CartSettings& c) { c.hiddenFields = {U("business|o'brien@x")}; },
       "gateway field \"business\" value holds an apostrophe ('), written unchanged into "
       "a single-quoted string of the document-ready script"},
      {kBuiltInScript, [](CartSettings& c) { c.hiddenFields = {U("business|o'brien")}; },
       nullptr},
      {kOtherTarget, [](CartSettings& c) { c.checkoutUrl = U("https://x/?a=\"b\""); },
       "setting checkoutUrl holds a double quote (\")"},
      {kBuiltInScript, [](CartSettings& c) { c.labelCartMenuName = U("Bob's cart"); },
       "setting labelCartMenuName holds an apostrophe ('), written unchanged into its "
       "quoted string in the cart script"},
      {kBuiltInScript, [](CartSettings& c) { c.labelCartMenuNameTooltip = U("Bob's"); },
       nullptr},
  };
  for (const Case& c : cases) {
    CartSettings cart = CakeAndTeaCart(c.processor);
    c.edit(cart);
    std::string warnings;
    for (const std::string& w : AuthoringWarnings(cart)) warnings += "\n" + w;
    if (c.expected == nullptr)
      EXPECT_EQ(warnings, "") << c.processor;
    else
      EXPECT_NE(warnings.find("\n" + std::string(c.expected)), std::string::npos)
          << c.expected << " in:" << warnings;
  }
}

}  // namespace
}  // namespace mervane::testing
