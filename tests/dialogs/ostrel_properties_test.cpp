// `ostrel properties` on the Windows build: the stand-in host loads the
// module, whose Properties opens the sheet from the module's own resources.
#include <gtest/gtest.h>

#include "ostrel_test_support.h"
#include "sheet_harness.h"

namespace mervane::dialogs {
namespace {

using ostrel::testing::CommandResult;
using ostrel::testing::Ostrel;

TEST(OstrelProperties, ClosingWithoutAnEditLeavesTheFileAsItWas) {
  ostrel::testing::TempFolder folder;
  const std::string cart = R"({"labelCheckout": "Pay", "products": []})";
  const auto file = folder.Write("cart.json", cart);
  for (int button : {PSBTN_CANCEL, PSBTN_OK}) {
    CommandResult run;
    std::string failure = RunDriven(
        [&] { run = Ostrel({"properties", ostrel::testing::Utf8(file)}); },
        [&](const Driver& d) { d.Press(d.WaitForWindow(kSheetCaption), button); });
    EXPECT_EQ(failure, "");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("cart.json: left untouched"), std::string::npos) << run.out;
    EXPECT_EQ(ostrel::ReadFileBytes(file), cart);
  }
}

}  // namespace
}  // namespace mervane::dialogs
