// The copies the properties sheet edits: what goes in, what comes back on
// OK, and that Cancel or a failure leaves the cart as it was. What each
// page's edits store on OK is the driven sheet tests' to check under Wine.
#include "properties/sheet_transfer.h"

#include <gtest/gtest.h>

#include "properties/help_path.h"
#include "publish/checkout_script.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

// Texts that a dialog could mangle: line breaks, tabs, a non-BMP character,
// a long name, a 1 MB script, "|" and line breaks in a hidden field.
CartSettings AwkwardCart() {
  CartSettings c;
  c.products.Resize(3);
  c.products[0].name = U("Line\r\nbreak\tand \xF0\x9F\x8D\xB0");
  c.products[0].image = OSTR("C:\\no\\such\\picture.png");
  c.products[1].description = OString(100000, OSTR('d'));
  c.products[2].reservedList1 = {OSTR("kept")};
  c.checkoutScript = OString(1 << 20, OSTR('s'));
  c.hiddenFields = {OSTR("a|b|c"), OSTR("multi|line\r\nvalue"), OSTR("no bar")};
  c.paymentProcessor = kOtherTarget;
  c.checkoutUrl = OSTR("https://shop.example/pay");
  c.labelTotal = OSTR("");
  c.mainStyle.fontSize = 13;
  return c;
}

// Changes something on every page, the way an author would.
bool EditEveryPage(PageCopies& copies) {
  CProduct added;
  added.name = OSTR("Added");
  copies.products.Append(added);
  copies.style.padding = 40;
  copies.style.messageQuantityErrorUpdate = OSTR("Last message");
  copies.style.mainStyle.bold = 1;
  copies.style.cssFileName = OSTR("other.css");
  copies.options.paymentProcessor = kPayPal;
  copies.options.hiddenFields.clear();
  copies.options.enableSearch = 0;
  return true;
}

TEST(SheetTransfer, OkWithoutEditsAndCancelAfterEditsKeepTheStoredBlock) {
  for (CartSettings cart : {CartSettings(), AwkwardCart()}) {
    const auto before = StoreRecord(cart);
    EXPECT_TRUE(EditCopies(cart, [](PageCopies&) { return true; }));
    EXPECT_EQ(StoreRecord(cart), before) << "OK without visiting a page";
    EXPECT_FALSE(EditCopies(cart, [](PageCopies& c) { return !EditEveryPage(c); }));
    EXPECT_EQ(StoreRecord(cart), before) << "Cancel after edits";
  }
}

TEST(SheetTransfer, TheDefaultScriptIsShownInFullAndStoredEmpty) {
  const OString standard = GetDefaultCheckoutScript();
  const OString oneOff = standard.substr(0, standard.size() - 1) + OSTR("!");
  struct Case {
    OString typed;
    OString stored;
  };
  for (const Case& c : {Case{standard, OSTR("")}, Case{oneOff, oneOff},
                        Case{standard + OSTR(" "), standard + OSTR(" ")}}) {
    CartSettings cart;
    EditCopies(cart, [&](PageCopies& copies) {
      EXPECT_EQ(copies.options.checkoutScript, standard);
      copies.options.checkoutScript = c.typed;
      return true;
    });
    EXPECT_EQ(cart.checkoutScript, c.stored);
  }
}

TEST(HelpDocument, EveryModuleSuffixBecomesPdf) {
  struct Case {
    const char* module;
    const char* help;
  };
  for (const Case& c : {Case{"C:\\Ostrel\\mervane.uoex", "C:\\Ostrel\\mervane.pdf"},
                        Case{"mervane.oex", "mervane.pdf"},
                        Case{"C:\\a.oex\\b.uoex\\m.uoex", "C:\\a.pdf\\b.pdf\\m.pdf"},
                        Case{"C:\\M.UOEX", "C:\\M.UOEX"}}) {
    EXPECT_EQ(HelpDocumentPath(U(c.module)), U(c.help)) << c.module;
  }
}

}  // namespace
}  // namespace mervane::testing
