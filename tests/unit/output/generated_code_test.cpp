// The generated scripts run through the real interpreters: the ready script
// through node (parsed, and its checkout run against a minimal jQuery
// stand-in), the checkout script through php -l.
#include <gtest/gtest.h>

#include <string>

#include "output/external_tool.h"
#include "output/ready_script.h"
#include "publish/checkout_script.h"
#include "output/cart_fixtures.h"

namespace mervane {
namespace {

using testing::Product;
using testing::RunTool;
using testing::ToolRun;
using testing::U;

CartSettings Cart(int32_t processor) {
  CartSettings c = testing::CakeAndTeaCart(processor);
  c.checkoutUrl = U("https://shop.example/pay?x=1");
  c.hiddenFields = {U("account|me@example.com"), U("total|_AMOUNT_"),
                    U("what|_DESCRIPTION_"), U("note|line one\r\nline two"),
                    U("bare")};
  return c;
}

// The ready script as the body of the page's document-ready handler.
std::string AsReadyHandler(const CartSettings& c) {
  return "$(document).ready(function() {\n" + ToUtf8(BuildDocumentReadyScript(c)) +
         "});\n";
}

// Stands in for jQuery: records the plug-in's options and the form that
// the checkout submits, and prints the form's markup.
const char kJQueryStandIn[] = R"js(
var started = null, posted = null;
function $(x) {
  if (x === '#$ID$') return { mervane: function (options) { started = options; } };
  if (x === 'body') return { append: function () {} };
  if (typeof x === 'string') return { html: x, submit: function () { posted = this.html; } };
  if (x.html !== undefined) return x;
  return { attr: function (name) { return x[name]; } };
}
function cartOf(lines) {
  return { children: function (selector) {
    if (selector !== 'option') throw new Error('unexpected selector ' + selector);
    return { each: function (visit) {
      lines.forEach(function (v, n) { visit.call({ value: v }, n); });
    } };
  } };
}
)js";

// Runs the ready script, checks out `lines` and returns the posted form.
ToolRun Checkout(const CartSettings& c, const std::string& lines) {
  const std::string program = kJQueryStandIn + std::string("(function() {\n") +
                              ToUtf8(BuildDocumentReadyScript(c)) +
                              "})();\nstarted.onCheckout(cartOf(" + lines +
                              "));\nprocess.stdout.write(posted);\n";
  return RunTool("node", "", program, ".js");
}

TEST(GeneratedCodeTest, ReadyScriptParsesForEveryProcessor) {
  for (int32_t processor = kBuiltInScript; processor <= kOtherTarget; ++processor) {
    const ToolRun run = RunTool("node", "--check", AsReadyHandler(Cart(processor)), ".js");
    if (!run.available) GTEST_SKIP() << "node is not available here";
    EXPECT_EQ(run.status, 0) << "processor " << processor << ": " << run.output;
  }
}

TEST(GeneratedCodeTest, GatewayCheckoutPostsDescriptionAmountAndFields) {
  const ToolRun run = Checkout(Cart(kAuthorizeNet), "['SKU1|3', 'SKU2|1']");
  if (!run.available) GTEST_SKIP() << "node is not available here";
  ASSERT_EQ(run.status, 0) << run.output;
  const std::string description = "SKU1, Cake, Qty. 3\nSKU2, Tea, Qty. 1\n";
  EXPECT_EQ(run.output,
            "<form action=\"https://secure.authorize.net/gateway/transact.dll\" method=\"post\">"
            "<input type=\"hidden\" name=\"x_Description\" value=\"" + description + "\" />"
            "<input type=\"hidden\" name=\"x_Amount\" value=\"32.5\" />"
            "<input type=\"hidden\" name=\"account\" value=\"me@example.com\" />"
            "<input type=\"hidden\" name=\"total\" value=\"32.5\" />"
            "<input type=\"hidden\" name=\"what\" value=\"" + description + "\" />"
            "<input type=\"hidden\" name=\"note\" value=\"line one\r\nline two\" />"
            "<input type=\"hidden\" name=\"bare\" value=\"\" />"
            "</form>");
}

TEST(GeneratedCodeTest, PayPalCheckoutPostsNumberedItemsThenFields) {
  const ToolRun run = Checkout(Cart(kPayPal), "['SKU2|1', 'SKU1|3', 'GONE|2']");
  if (!run.available) GTEST_SKIP() << "node is not available here";
  ASSERT_EQ(run.status, 0) << run.output;
  EXPECT_EQ(run.output,
            "<form action=\"https://www.paypal.com/cgi-bin/webscr\" method=\"post\">"
            "<input type=\"hidden\" name=\"item_number_1\" value=\"SKU2\" />"
            "<input type=\"hidden\" name=\"quantity_1\" value=\"1\" />"
            "<input type=\"hidden\" name=\"amount_1\" value=\"2.50\" />"
            "<input type=\"hidden\" name=\"item_name_1\" value=\"Tea\" />"
            "<input type=\"hidden\" name=\"item_number_2\" value=\"SKU1\" />"
            "<input type=\"hidden\" name=\"quantity_2\" value=\"3\" />"
            "<input type=\"hidden\" name=\"amount_2\" value=\"10.00\" />"
            "<input type=\"hidden\" name=\"item_name_2\" value=\"Cake\" />"
            "<input type=\"hidden\" name=\"item_number_3\" value=\"GONE\" />"
            "<input type=\"hidden\" name=\"quantity_3\" value=\"2\" />"
            "<input type=\"hidden\" name=\"amount_3\" value=\"\" />"
            "<input type=\"hidden\" name=\"item_name_3\" value=\"\" />"
            "<input type=\"hidden\" name=\"account\" value=\"me@example.com\" />"
            "<input type=\"hidden\" name=\"total\" value=\"_AMOUNT_\" />"
            "<input type=\"hidden\" name=\"what\" value=\"_DESCRIPTION_\" />"
            "<input type=\"hidden\" name=\"note\" value=\"line one\r\nline two\" />"
            "<input type=\"hidden\" name=\"bare\" value=\"\" />"
            "</form>");
}

TEST(GeneratedCodeTest, CheckoutScriptWithTrickyProductsPassesPhpLint) {
  ProductList products;
  products.Append(Product("SKU-1", "Baker's \"best\" loaf", "9.95"));
  products.Append(Product("SKU-2", "C:\\path\\to and \\\\ back", "1"));
  products.Append(Product("SKU-3", "Cr\xC3\xA8me <br> & 'tart'\r\nline two", "2,50"));
  products.Append(Product("SKU\"$4'\\", "ends in a backslash \\", "1'\\"));
  const std::string php = ToUtf8(ReplaceProducts(products, GetDefaultCheckoutScript()));
  const ToolRun run = RunTool("php", "-l", php, ".php");
  if (!run.available) GTEST_SKIP() << "php is not available here";
  EXPECT_EQ(run.status, 0) << run.output;

  const ToolRun empty =
      RunTool("php", "-l", ToUtf8(ReplaceProducts(ProductList(), GetDefaultCheckoutScript())),
              ".php");
  EXPECT_EQ(empty.status, 0) << empty.output;
}

}  // namespace
}  // namespace mervane
