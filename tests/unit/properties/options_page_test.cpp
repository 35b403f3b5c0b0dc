// The Options page's logic: the processor list and its presets, and the rows
// of the hidden fields editor.
#include "properties/hidden_fields.h"
#include "properties/processor_presets.h"

#include <gtest/gtest.h>

#include "model/cart_settings.h"
#include "model/gateways.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

TEST(OptionsPresetsTest, TheSixEntriesInProcessorOrder) {
  const std::vector<OStringView> entries(ProcessorEntries().begin(),
                                         ProcessorEntries().end());
  EXPECT_EQ(entries, (std::vector<OStringView>{
                         OSTR("Use built-in script"), OSTR("Authorize.net"),
                         OSTR("WorldPay"), OSTR("LinkPoint"), OSTR("PayPal"),
                         OSTR("Other")}));
}

// Each pick starts from PayPal's preset, which uploads the cart, with the
// user's edits on top.
TEST(OptionsPresetsTest, EachPickSetsUrlFieldsAndEditor) {
  const OString payPal(FindGateway(kPayPal)->address);
  OptionsPageCopies edited;
  ChooseProcessor(edited, kPayPal);
  EXPECT_EQ(edited.hiddenFields,
            (OStringList{OSTR("cmd|_cart"), OSTR("upload|1"), OSTR("business|payments@example.com"),
                         OSTR("currency_code|USD"),
                         OSTR("return|https://www.example.com/thank-you.html")}));
  edited.hiddenFields.push_back(OSTR("edited|by hand"));
  edited.checkoutScript = OSTR("kept");
  const struct {
    int32_t processor;
    OString url;
    size_t fields;
    bool urlEditable;
    bool editsScript;
  } cases[] = {
      {0, OSTR("mervane_checkout.php"), 0, false, true},
      {1, OString(FindGateway(1)->address), 3, false, false},
      {2, OString(FindGateway(2)->address), 4, false, false},
      {3, OString(FindGateway(3)->address), 2, false, false},
      {4, payPal, 5, false, false},
      {5, payPal, 0, true, false},  // "Other" keeps the address shown
  };
  for (const auto& k : cases) {
    OptionsPageCopies copies = edited;
    ChooseProcessor(copies, k.processor);
    EXPECT_EQ(copies.paymentProcessor, k.processor);
    EXPECT_EQ(copies.checkoutUrl, k.url) << k.processor;
    EXPECT_EQ(copies.hiddenFields.size(), k.fields) << k.processor;
    EXPECT_EQ(copies.checkoutScript, OSTR("kept"));
    EXPECT_EQ(IsUrlEditable(k.processor), k.urlEditable) << k.processor;
    EXPECT_EQ(EditsCheckoutScript(k.processor), k.editsScript) << k.processor;
  }
}

// The browser tests check each gateway's address and posted fields, the
// ready script's exact text where a field's value ends.
TEST(OptionsPresetsTest, OnlyTheFourGatewaysAreFound) {
  for (int32_t processor = -1; processor <= 6; ++processor)
    EXPECT_EQ(FindGateway(processor) != nullptr,
              processor >= kAuthorizeNet && processor <= kPayPal)
        << processor;
}

TEST(OptionsFieldsTest, RowsSplitAtTheFirstBarAndDropEntriesWithout) {
  const OStringList stored = {
      OSTR("cmd|_cart"),   OSTR("no bar"),          OSTR("a|b|c"),
      OSTR("|v"),          OSTR("n|"),              OSTR(""),
      OSTR("lines|1\r\n2"), U("\xF0\x9F\x8D\xB0|\t"),
  };
  const FieldRows rows = ParseFieldRows(stored);
  EXPECT_EQ(rows, (FieldRows{{OSTR("cmd"), OSTR("_cart")},
                             {OSTR("a"), OSTR("b|c")},
                             {OSTR(""), OSTR("v")},
                             {OSTR("n"), OSTR("")},
                             {OSTR("lines"), OSTR("1\r\n2")},
                             {U("\xF0\x9F\x8D\xB0"), OSTR("\t")}}));
  // OK drops only the entries without a bar; the rest read back as stored.
  OStringList kept = stored;
  std::erase_if(kept, [](const OString& e) { return e.find(OSTR('|')) == OString::npos; });
  EXPECT_EQ(RebuildFields(rows), kept);
  EXPECT_EQ(RebuildFields({{OSTR(""), OSTR("")}}), OStringList{OSTR("|")});
}

}  // namespace
}  // namespace mervane::testing
