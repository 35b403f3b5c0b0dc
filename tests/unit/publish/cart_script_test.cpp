#include "publish/cart_script.h"

#include <gtest/gtest.h>

#include <string>

#include "output/authoring_checks.h"
#include "platform/platform.h"
#include "test_support.h"

namespace mervane {
namespace {

using testing::U;

// In the shipped script each token is the initial value of a variable named
// after its setting, so the variable tells which text must stand there.
TEST(CartScriptTest, EachTokenTakesItsOwnSettingExactlyAsTyped) {
  const std::string tail = " 'apostrophe' \"quote\" <b>\xC3\xBC</b> \\n";
  CartSettings settings;
  for (const CartText& text : kCartTexts)
    settings.*text.field = U(std::string(text.name) + tail);
  std::string resource;
  ASSERT_TRUE(platform::LoadModuleResource("jquery.mervane-2.0.js", "JS", resource));

  std::string filled = ToUtf8(FillCartScriptPlaceholders(settings, FromAscii(resource)));

  for (const CartText& text : kCartTexts) {
    const std::string declaration = "var " + std::string(text.name) + " = ";
    size_t at = filled.find(declaration);
    ASSERT_NE(at, std::string::npos) << text.name;
    at += declaration.size();
    const char delimiter = filled[at];
    EXPECT_EQ(delimiter, kCartScriptQuotes[&text - kCartTexts.data()]) << text.name;
    const std::string literal = delimiter + std::string(text.name) + tail + delimiter + ";";
    EXPECT_EQ(filled.substr(at, literal.size()), literal) << text.name;
  }
  EXPECT_EQ(filled.find("$LABEL_"), std::string::npos);
  EXPECT_EQ(filled.find("$MSG_"), std::string::npos);
}

// Tokens are filled one after the other: a text holding a later token gets
// it filled, a text holding an earlier one keeps it.
TEST(CartScriptTest, FillsEveryOccurrenceOneTokenAfterTheOther) {
  CartSettings settings;
  settings.labelCartMenuName = U("[$MSG_CARTEMPTY$]");
  settings.messageCartEmpty = U("<$LABEL_CARTMENUNAME$>");

  EXPECT_EQ(FillCartScriptPlaceholders(
                settings, U("$LABEL_CARTMENUNAME$ $MSG_CARTEMPTY$ $LABEL_CARTMENUNAME$")),
            U("[<$LABEL_CARTMENUNAME$>] <$LABEL_CARTMENUNAME$> [<$LABEL_CARTMENUNAME$>]"));
  EXPECT_EQ(FillCartScriptPlaceholders(settings, U("$LABEL_UNKNOWN$ $MSG_ITEMADDED")),
            U("$LABEL_UNKNOWN$ $MSG_ITEMADDED"));
}

}  // namespace
}  // namespace mervane
