#include "output/ready_script.h"

#include <gtest/gtest.h>

#include <string_view>

#include "output/cart_fixtures.h"

namespace mervane {
namespace {

using testing::CakeAndTeaCart;
using testing::Crlf;
using testing::Product;
using testing::U;

// The text from the line that starts `head` to the end.
OString From(const OString& script, std::string_view head) {
  const size_t at = script.find(U(head));
  return at == OString::npos ? OString() : script.substr(at);
}

bool Contains(const OString& script, std::string_view text) {
  return script.find(Crlf(text)) != OString::npos;
}

TEST(ReadyScriptTest, BuiltInCheckoutIsOnlyThePluginCallInSixLines) {
  CartSettings c = CakeAndTeaCart(kBuiltInScript);
  c.hiddenFields = {OSTR("x|y")};
  EXPECT_EQ(BuildDocumentReadyScript(c), Crlf(R"js(   $("#$ID$").mervane(
   {
         enableImage: true,
         enableImageTooltip: true,
         enableSearch: true,
         enableCategoryFilter: true   });
)js"));
}

TEST(ReadyScriptTest, EachSwitchWritesItsOwnLineAndAnyNonZeroIsTrue) {
  CartSettings c = CakeAndTeaCart(kBuiltInScript);
  c.enableImage = 0;
  c.enableImageTooltip = 7;
  c.enableSearch = 0;
  c.enableCategoryFilter = -1;
  EXPECT_TRUE(Contains(BuildDocumentReadyScript(c),
                       "enableImage: false,\n         enableImageTooltip: true,\n"
                       "         enableSearch: false,\n"
                       "         enableCategoryFilter: true   });\n"));
  c.enableImage = 1;
  c.enableImageTooltip = 0;
  c.enableSearch = 1;
  c.enableCategoryFilter = 0;
  c.paymentProcessor = kOtherTarget;
  EXPECT_TRUE(Contains(BuildDocumentReadyScript(c),
                       "enableImage: true,\n         enableImageTooltip: false,\n"
                       "         enableSearch: true,\n"
                       "         enableCategoryFilter: false,\n"));
}

TEST(ReadyScriptTest, AuthorizeNetScriptIsExact) {
  CartSettings c = CakeAndTeaCart(kAuthorizeNet);
  c.hiddenFields = {OSTR("x_Login|--ENTER YOUR ID HERE--"), OSTR("x_Version|3.0")};
  EXPECT_EQ(BuildDocumentReadyScript(c), Crlf(R"js(   $("#$ID$").mervane(
   {
         enableImage: true,
         enableImageTooltip: true,
         enableSearch: true,
         enableCategoryFilter: true,
         onCheckout: function(Obj){ cartCheckout(Obj); }
   });
   var cartProducts = [{sku:"SKU1", name:"Cake", price:"10.00"},
                       {sku:"SKU2", name:"Tea", price:"2.50"}];
   function cartGetName(sku)
   {
      for (var i = 0; i < cartProducts.length; i++)
      {
         if (cartProducts[i].sku == sku)
         {
             return cartProducts[i].name;
         }
      }
      return '';
   }
   function cartGetPrice(sku)
   {
      for (var i = 0; i < cartProducts.length; i++)
      {
         if (cartProducts[i].sku == sku)
         {
            return cartProducts[i].price;
         }
      }
      return '';
   }
   function cartCheckout(obj)
   {
      var description = '';
      var amount = 0;
      var html = '<form action="https://secure.authorize.net/gateway/transact.dll" method="post">';
      obj.children("option").each(function(n) 
      {
         var value = $(this).attr('value');
         var valueArray = value.split('|');
         description += valueArray[0];
         description += ", ";
         description += cartGetName(valueArray[0]);
         description += ", Qty. ";
         description += valueArray[1];
         description += "\n";
         amount += parseFloat(cartGetPrice(valueArray[0])) * valueArray[1];
      });
      html += '<input type="hidden" name="x_Description" value="';
      html += description;
      html += '" />';
      html += '<input type="hidden" name="x_Amount" value="';
      html += amount;
      html += '" />';
      html += '<input type="hidden" name="x_Login" value="--ENTER YOUR ID HERE--" />';
      html += '<input type="hidden" name="x_Version" value="3.0" />';
      html += '<\/form>';
      var form = $(html);
      $('body').append(form);
      $(form).submit();
   }
)js"));
}

TEST(ReadyScriptTest, PayPalPostsNumberedItemFieldsAndDeclaresNoTotals) {
  CartSettings c = CakeAndTeaCart(kPayPal);
  c.hiddenFields = {OSTR("cmd|_cart"), OSTR("amount|_AMOUNT_"),
                    OSTR("item|_DESCRIPTION_")};
  EXPECT_EQ(From(BuildDocumentReadyScript(c), "   function cartCheckout"),
            Crlf(R"js(   function cartCheckout(obj)
   {
      var html = '<form action="https://www.paypal.com/cgi-bin/webscr" method="post">';
      obj.children("option").each(function(n) 
      {
         var value = $(this).attr('value');
         var valueArray = value.split('|');
         var item = n+1;
         html += '<input type="hidden" name="item_number_';
         html += item;
         html += '" value="'
         html += valueArray[0];
         html += '" />';
         html += '<input type="hidden" name="quantity_';
         html += item;
         html += '" value="';
         html += valueArray[1];
         html += '" />';
         html += '<input type="hidden" name="amount_';
         html += item;
         html += '" value="';
         html += cartGetPrice(valueArray[0]);
         html += '" />';
         html += '<input type="hidden" name="item_name_';
         html += item;
         html += '" value="';
         html += cartGetName(valueArray[0]);
         html += '" />';
      });
      html += '<input type="hidden" name="cmd" value="_cart" />';
      html += '<input type="hidden" name="amount" value="_AMOUNT_" />';
      html += '<input type="hidden" name="item" value="_DESCRIPTION_" />';
      html += '<\/form>';
      var form = $(html);
      $('body').append(form);
      $(form).submit();
   }
)js"));
}

TEST(ReadyScriptTest, EachProcessorPostsToItsTargetWithItsTotalsFields) {
  struct Case {
    int32_t processor;
    const char* target;
    const char* totals;  // the two totals fields' opening lines, or empty
  };
  const Case cases[] = {
      {kWorldPay, "https://secure.worldpay.com/wcc/purchase",
       "name=\"desc\" value=\"';\n      html += description;\n      html += '\" />';\n"
       "      html += '<input type=\"hidden\" name=\"amount\" value=\"';\n"
       "      html += amount;\n"},
      {kLinkPoint, "https://www.linkpointcentral.com/lpcentral/servlet/lppay",
       "name=\"desc\" value=\"';\n      html += description;\n      html += '\" />';\n"
       "      html += '<input type=\"hidden\" name=\"chargetotal\" value=\"';\n"
       "      html += amount;\n"},
      {kOtherTarget, "shop/pay.php?a=1&b='x'", ""},
  };
  for (const Case& k : cases) {
    CartSettings c = CakeAndTeaCart(k.processor);
    c.checkoutUrl = U("shop/pay.php?a=1&b='x'");
    const OString script = BuildDocumentReadyScript(c);
    SCOPED_TRACE(k.processor);
    EXPECT_TRUE(Contains(script, std::string("   {\n      var description = '';\n"
                                             "      var amount = 0;\n"
                                             "      var html = '<form action=\"") +
                                     k.target + "\" method=\"post\">';\n"));
    EXPECT_TRUE(Contains(script, "         amount += parseFloat("));
    if (*k.totals != 0)
      EXPECT_TRUE(Contains(script, k.totals));
    else
      EXPECT_TRUE(Contains(script, "      });\n      html += '<\\/form>';\n"));
  }
}

TEST(ReadyScriptTest, ProductTableWritesEveryProductAsStored) {
  CartSettings c = CakeAndTeaCart(kOtherTarget);
  const OString two = BuildDocumentReadyScript(c);
  EXPECT_TRUE(Contains(two, "   });\n   var cartProducts = [{sku:\"SKU1\", name:\"Cake\", "
                            "price:\"10.00\"},\n                       {sku:\"SKU2\", "
                            "name:\"Tea\", price:\"2.50\"}];\n   function cartGetName"));

  c.products = ProductList();
  EXPECT_TRUE(Contains(BuildDocumentReadyScript(c),
                       "   var cartProducts = [];\n   function cartGetName(sku)\n"));

  c.products.Append(Product("A\"1", "5\" Pie & <b>", "1,5"));
  EXPECT_TRUE(Contains(BuildDocumentReadyScript(c),
                       "   var cartProducts = [{sku:\"A\"1\", name:\"5\" Pie & <b>\", "
                       "price:\"1,5\"}];\n"));
}

// The fields' lines between the totals and the end of the form.
OString FieldLines(const CartSettings& c) {
  const OString script = BuildDocumentReadyScript(c);
  const OString end = OSTR("      html += '<\\/form>';");
  const size_t stop = script.find(end);
  const size_t start = script.rfind(OSTR("      });\r\n"), stop) + 11;
  return script.substr(start, stop - start);
}

TEST(ReadyScriptTest, GatewayFieldsAreCutAtTheBarAndTokensBecomeTotals) {
  CartSettings c = CakeAndTeaCart(kOtherTarget);
  EXPECT_EQ(FieldLines(c), OString());

  c.hiddenFields = {OSTR("x_Amount|_AMOUNT_"), OSTR("x_Description|_DESCRIPTION_"),
                    OSTR("a|b|c"), OSTR("no bar"), OSTR("note|it's \"fine\""),
                    OSTR("|"), OSTR("t|_AMOUNT_ ")};
  EXPECT_EQ(FieldLines(c), Crlf(R"js(      html += '<input type="hidden" name="x_Amount" value="' + amount + '" />';
      html += '<input type="hidden" name="x_Description" value="' + description + '" />';
      html += '<input type="hidden" name="a" value="b" />';
      html += '<input type="hidden" name="no bar" value="" />';
      html += '<input type="hidden" name="note" value="it's "fine"" />';
      html += '<input type="hidden" name="" value="" />';
      html += '<input type="hidden" name="t" value="_AMOUNT_ " />';
)js"));
}

TEST(ReadyScriptTest, LineBreaksInFieldsAreWrittenAsEscapes) {
  CartSettings c = CakeAndTeaCart(kOtherTarget);
  c.hiddenFields = {U("note|one\r\ntwo\nthree\rfour\xE2\x80\xA8" "five")};
  EXPECT_EQ(FieldLines(c),
            Crlf("      html += '<input type=\"hidden\" name=\"note\" "
                 "value=\"one\\r\\ntwo\\nthree\\rfour\\u2028five\" />';\n"));
}

}  // namespace
}  // namespace mervane
