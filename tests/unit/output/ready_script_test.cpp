#include "output/ready_script.h"

#include <gtest/gtest.h>

#include <string>

#include "output/cart_fixtures.h"

namespace mervane::testing {
namespace {

bool Contains(const OString& script, const std::string& text) {
  return script.find(Crlf(text)) != OString::npos;
}

// Across this and the next exact script no two switches have the same pair of
// values, and non-zero values other than 1 are true: a swap or a test for 1
// shows.
TEST(ReadyScriptTest, BuiltInCheckoutIsOnlyThePluginCallInSixLines) {
  CartSettings c = CakeAndTeaCart(kBuiltInScript);
  c.hiddenFields = {OSTR("x|y")};
  c.enableImage = c.enableImageTooltip = 0;
  c.enableSearch = 7;
  c.enableCategoryFilter = -1;
  EXPECT_EQ(BuildDocumentReadyScript(c), Crlf(R"js(   $("#$ID$").mervane(
   {
         enableImage: false,
         enableImageTooltip: false,
         enableSearch: true,
         enableCategoryFilter: true   });
)js"));
}

// One look-up function: cartGetName or cartGetPrice and its return line.
std::string Lookup(const std::string& what, const std::string& returnLine) {
  return "   function cartGet" + what + "(sku)\n   {\n"
         "      for (var i = 0; i < cartProducts.length; i++)\n      {\n"
         "         if (cartProducts[i].sku == sku)\n         {\n" + returnLine +
         ";\n         }\n      }\n      return '';\n   }\n";
}

// Products and gateway fields are written as stored, fields cut at "|", line
// breaks escaped, and only the exact tokens become the computed totals.
TEST(ReadyScriptTest, AuthorizeNetScriptIsExact) {
  CartSettings c = CakeAndTeaCart(kAuthorizeNet);
  c.enableImage = c.enableSearch = 0;
  c.products.Append(Product("A\"1", "5\" Pie & <b>", "1,5"));
  c.hiddenFields = {OSTR("x_Amount|_AMOUNT_"), OSTR("d|_DESCRIPTION_"), OSTR("a|b|c"),
                    OSTR("no bar"), OSTR("q|it's \"fine\""), OSTR("|"), OSTR("t|_AMOUNT_ "),
                    U("n|1\r\n2\n3\r4\xE2\x80\xA8" "5")};
  EXPECT_EQ(BuildDocumentReadyScript(c), Crlf(R"js(   $("#$ID$").mervane(
   {
         enableImage: false,
         enableImageTooltip: true,
         enableSearch: false,
         enableCategoryFilter: true,
         onCheckout: function(Obj){ cartCheckout(Obj); }
   });
   var cartProducts = [{sku:"SKU1", name:"Cake", price:"10.00"},
                       {sku:"SKU2", name:"Tea", price:"2.50"},
                       {sku:"A"1", name:"5" Pie & <b>", price:"1,5"}];
)js" + Lookup("Name", "             return cartProducts[i].name") +
                Lookup("Price", "            return cartProducts[i].price") + R"js(   function cartCheckout(obj)
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
         amount = Math.round((amount + parseFloat(cartGetPrice(valueArray[0])) * valueArray[1]) * 100) / 100;
      });
      html += '<input type="hidden" name="x_Description" value="';
      html += description;
      html += '" />';
      html += '<input type="hidden" name="x_Amount" value="';
      html += amount;
      html += '" />';
      html += '<input type="hidden" name="x_Amount" value="' + amount + '" />';
      html += '<input type="hidden" name="d" value="' + description + '" />';
      html += '<input type="hidden" name="a" value="b" />';
      html += '<input type="hidden" name="no bar" value="" />';
      html += '<input type="hidden" name="q" value="it's "fine"" />';
      html += '<input type="hidden" name="" value="" />';
      html += '<input type="hidden" name="t" value="_AMOUNT_ " />';
      html += '<input type="hidden" name="n" value="1\r\n2\n3\r4\u20285" />';
      html += '<\/form>';
      var form = $(html);
      $('body').append(form);
      $(form).submit();
   }
)js"));
}

// One numbered field of a cart line; the first one's value opening ends
// without a semicolon.
std::string ItemField(const std::string& stem, const std::string& opening,
                      const std::string& value) {
  return "         html += '<input type=\"hidden\" name=\"" + stem +
         "';\n         html += item;\n         html += '\" value=\"" + opening +
         "         html += " + value + ";\n         html += '\" />';\n";
}

// The other targets' addresses and totals fields are the browser tests' to
// check, in the form they post.
TEST(ReadyScriptTest, PayPalPostsNumberedItemFieldsAndDeclaresNoTotals) {
  CartSettings c = CakeAndTeaCart(kPayPal);
  c.products = ProductList();
  c.hiddenFields = {OSTR("cmd|_cart"), OSTR("amount|_AMOUNT_")};
  const OString script = BuildDocumentReadyScript(c);
  EXPECT_TRUE(Contains(script, "   });\n   var cartProducts = [];\n   function cartGetName"));
  EXPECT_TRUE(Contains(script, std::string(R"js(   function cartCheckout(obj)
   {
      var html = '<form action="https://www.paypal.com/cgi-bin/webscr" method="post">';
      obj.children("option").each(function(n) 
      {
         var value = $(this).attr('value');
         var valueArray = value.split('|');
         var item = n+1;
)js" + ItemField("item_number_", "'\n", "valueArray[0]") +
      ItemField("quantity_", "';\n", "valueArray[1]") +
      ItemField("amount_", "';\n", "cartGetPrice(valueArray[0])") +
      ItemField("item_name_", "';\n", "cartGetName(valueArray[0])") + R"js(      });
      html += '<input type="hidden" name="cmd" value="_cart" />';
      html += '<input type="hidden" name="amount" value="_AMOUNT_" />';
      html += '<\/form>';
)js")));
}

}  // namespace
}  // namespace mervane::testing
