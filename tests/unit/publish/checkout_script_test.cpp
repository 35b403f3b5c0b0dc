#include "publish/checkout_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "output/cart_fixtures.h"

namespace mervane {
namespace {

using testing::Product;
using testing::U;

OString Table(const ProductList& products) {
  return ReplaceProducts(products, OSTR("_PRODUCTS_"));
}

TEST(CheckoutScriptTest, DefaultIsTheEmbeddedTemplateWithOneProductsToken) {
  std::ifstream in(MERVANE_SOURCE_DIR "/src/resources/mervane_checkout.php",
                   std::ios::binary);
  const std::string file(std::istreambuf_iterator<char>(in), {});
  ASSERT_FALSE(file.empty());
  const OString script = GetDefaultCheckoutScript();
  EXPECT_EQ(ToUtf8(script), file);
  EXPECT_EQ(script.substr(0, 7), OSTR("<?php\r\n"));
  EXPECT_NE(script.find(OSTR("$product_array = _PRODUCTS_;\r\n")), OString::npos);
  EXPECT_EQ(script.find(OSTR("_PRODUCTS_")), script.rfind(OSTR("_PRODUCTS_")));
}

TEST(CheckoutScriptTest, SingleProductTableIsTwoLines) {
  ProductList products;
  products.Append(Product("SKU000000", "Name of the product", "9.95"));
  EXPECT_EQ(Table(products),
            OSTR("array(\r\n   \"SKU000000\" =>array('product_id'=>'SKU000000', "
                 "'product_name'=>'Name of the product', 'product_price'=>'9.95'))"));
}

TEST(CheckoutScriptTest, TableEncodesNamesOnlyAndKeepsCatalogueOrder) {
  ProductList products;
  products.Append(Product("B-2", "Baker's \"best\" <rye> & co", "3,50"));
  products.Append(Product("A\\1", "Cr\xC3\xA8me\nbr\xC3\xBBl\xC3\xA9" "e", "0.5,"));
  products.Append(Product("B-2", "Again", ""));
  EXPECT_EQ(Table(products),
            U("array(\r\n"
              "   \"B-2\" =>array('product_id'=>'B-2', 'product_name'=>'Baker&#39;s "
              "&quot;best&quot; &lt;rye&gt; &amp; co', 'product_price'=>'3,50'),\r\n"
              "   \"A\\\\1\" =>array('product_id'=>'A\\\\1', 'product_name'=>'Cr&#232;me<br>"
              "br&#251;l&#233;e', 'product_price'=>'0.5,'),\r\n"
              "   \"B-2\" =>array('product_id'=>'B-2', 'product_name'=>'Again', "
              "'product_price'=>''))"));
}

TEST(CheckoutScriptTest, LiteralBreakersAreEscapedSoPhpReadsTheStoredText) {
  ProductList products;
  products.Append(Product("it's\"$x", "ends\\", "1'5"));
  EXPECT_EQ(Table(products),
            OSTR("array(\r\n   \"it's\\\"\\$x\" =>array('product_id'=>'it\\'s\"$x', "
                 "'product_name'=>'ends\\\\', 'product_price'=>'1\\'5'))"));
}

TEST(CheckoutScriptTest, EmptyCatalogueGivesAnEmptyArray) {
  EXPECT_EQ(Table(ProductList()), OSTR("array()"));
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

TEST(CheckoutScriptTest, AScriptEqualToTheDefaultIsStoredEmpty) {
  const OString defaultScript = GetDefaultCheckoutScript();
  EXPECT_EQ(ShownCheckoutScript(OString()), defaultScript);
  EXPECT_EQ(StoredCheckoutScript(defaultScript), OString());

  const OString custom = defaultScript + OSTR(" ");
  EXPECT_EQ(StoredCheckoutScript(custom), custom);
  EXPECT_EQ(ShownCheckoutScript(custom), custom);
  // The comparison is exact: a change of letter case is a custom script.
  OString upper = defaultScript;
  upper[2] = OSTR('P');
  EXPECT_EQ(StoredCheckoutScript(upper), upper);
}

}  // namespace
}  // namespace mervane
