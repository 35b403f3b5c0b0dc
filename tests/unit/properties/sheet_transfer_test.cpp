// The copies the properties sheet edits, and where it finds its help. That
// OK keeps an unedited cart, OK stores each page's edits and Cancel nothing
// is the driven sheet tests' to check under Wine, on awkward carts.
#include "properties/sheet_transfer.h"

#include <gtest/gtest.h>

#include "properties/help_path.h"
#include "publish/checkout_script.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

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
