// The scripts a publish writes: the cart plug-in with its texts filled in and
// the checkout script with its product table.
#include "publish/cart_script.h"
#include "publish/checkout_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "output/cart_fixtures.h"
#include "platform/platform.h"
#include "publish/authoring_checks.h"

namespace mervane::testing {
namespace {

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
    EXPECT_EQ(delimiter, text.quote) << text.name;
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

OString Table(const ProductList& products) {
  return ReplaceProducts(products, OSTR("_PRODUCTS_"));
}

// The template's own form is the checkout suite's to check.
TEST(CheckoutScriptTest, DefaultIsTheEmbeddedTemplate) {
  std::ifstream in(MERVANE_SOURCE_DIR "/src/resources/mervane_checkout.php",
                   std::ios::binary);
  const std::string file(std::istreambuf_iterator<char>(in), {});
  ASSERT_FALSE(file.empty());
  EXPECT_EQ(ToUtf8(GetDefaultCheckoutScript()), file);
}

// Names alone are HTML-encoded; what would end a PHP literal is escaped, so
// that PHP reads the stored text; the catalogue's order and repeats stay.
TEST(CheckoutScriptTest, TableHoldsEveryProductInOrder) {
  const struct {
    std::vector<CProduct> products;
    const char* table;
  } cases[] = {
      {{}, "array()"},
      {{Product("B-2", "Baker's \"best\" <rye> & co", "3,50"),
        Product("A\\1", "Cr\xC3\xA8me\nbr\xC3\xBBl\xC3\xA9" "e", "0.5,"),
        Product("B-2", "Again", "")},
       "array(\r\n"
       "   \"B-2\" =>array('product_id'=>'B-2', 'product_name'=>'Baker&#39;s "
       "&quot;best&quot; &lt;rye&gt; &amp; co', 'product_price'=>'3,50'),\r\n"
       "   \"A\\\\1\" =>array('product_id'=>'A\\\\1', 'product_name'=>'Cr&#232;me<br>"
       "br&#251;l&#233;e', 'product_price'=>'0.5,'),\r\n"
       "   \"B-2\" =>array('product_id'=>'B-2', 'product_name'=>'Again', "
       "'product_price'=>''))"},
      {{Product("it's\"$x", "ends\\", "1'5")},
       "array(\r\n   \"it's\\\"\\$x\" =>array('product_id'=>'it\\'s\"$x', "
       "'product_name'=>'ends\\\\', 'product_price'=>'1\\'5'))"},
  };
  for (const auto& c : cases) {
    ProductList products;
    for (const CProduct& p : c.products) products.Append(p);
    EXPECT_EQ(Table(products), U(c.table)) << c.table;
  }
}

// The carts that share a script, in order: all of the first cart's entries,
// a later cart's only for ids that no earlier one lists.
TEST(CheckoutScriptTest, SharedTableTakesEachIdFromTheFirstCartListingIt) {
  CartSettings first, second, gateway, renamed;
  for (CartSettings* cart : {&first, &second, &gateway, &renamed}) cart->products = ProductList();
  first.products.Append(Product("X", "Cake", "1"));
  first.products.Append(Product("X", "Cake", "2"));
  second.products.Append(Product("X", "Pie", "9"));
  second.products.Append(Product("Y", "Bun", "3"));
  gateway.paymentProcessor = kPayPal;
  renamed.phpFileName = OSTR("shop.php");
  const std::vector<const CartSettings*> open{&first, &gateway, &second, &renamed};
  const Catalogues shared = SharedCatalogues(second, open);
  EXPECT_EQ(shared, (Catalogues{&first.products, &second.products}));
  EXPECT_EQ(SharedCatalogues(renamed, open), Catalogues{&renamed.products});
  EXPECT_EQ(SharedCatalogues(first, {&second}), (Catalogues{&first.products, &second.products}))
      << "a cart that is not among the open ones comes first";
  ProductList expected;
  for (size_t i : {0, 1}) expected.Append(first.products[i]);
  expected.Append(second.products[1]);
  EXPECT_EQ(ReplaceProducts(shared, OSTR("_PRODUCTS_")), Table(expected));
}

TEST(CheckoutScriptTest, EveryTokenIsReplacedAndOtherTextKept) {
  ProductList products;
  products.Append(Product("1", "One", "1"));
  const OString table = Table(products);
  EXPECT_EQ(ReplaceProducts(products, OSTR("a=_PRODUCTS_;b=_PRODUCTS_;")),
            OSTR("a=") + table + OSTR(";b=") + table + OSTR(";"));
  EXPECT_EQ(ReplaceProducts(products, OSTR("<?php echo '_PRODUCT_'; ?>\r\n")),
            OSTR("<?php echo '_PRODUCT_'; ?>\r\n"));
}

}  // namespace
}  // namespace mervane::testing
