// The commands against the built module: what the host asks a widget for,
// blocks stored and loaded through Serialize, publishing and bad input.
#include <gtest/gtest.h>

#include "base/system.h"
#include "cart/definition.h"
#include "framework/text.h"
#include "ostrel_test_support.h"
#include "widget/widget_host.h"

namespace ostrel::testing {
namespace {

namespace fs = std::filesystem;

constexpr char kCart[] = R"({
  "id": 3,
  "bounds": [0, 0, 600, 400],
  "products": [
    {"name": "Rye & Co", "price": "4.80", "image": "img/rye.png", "productId": "R1",
     "category": "Bread", "description": "Dense"},
    {"name": "Scone", "price": "1.20", "image": "img/scone.jpg", "productId": "S1"}
  ],
  "labelCheckout": "Pay"
})";

class Commands : public ::testing::Test {
 protected:
  void SetUp() override {
    cart_ = Utf8(folder_.Write("cart.json", kCart));
    folder_.Write("img/rye.png", "rye picture");
    folder_.Write("img/scone.jpg", "scone picture");
  }
  TempFolder folder_;
  std::string cart_;
};

// The head lines, resources and ready script are the site tests' to check,
// on the pages that carry them.
TEST_F(Commands, RenderGivesTheWidgetsTextsWithItsElementId) {
  CommandResult html = Ostrel({"render", cart_, "html"});
  ASSERT_EQ(html.status, 0) << html.err;
  EXPECT_EQ(html.err, "") << "the cart's texts break nothing";
  EXPECT_EQ(html.out.rfind("<form action=\"mervane_checkout.php\" method=\"post\">\r\n"
                           "<div id=\"Cart3\" class=\"mvMain\">\r\n", 0), 0u) << html.out;
  EXPECT_NE(html.out.find("pimage=\"images/rye.png\""), std::string::npos);
  EXPECT_NE(html.out.find("pname=\"Rye &amp; Co\""), std::string::npos);

  EXPECT_NE(Ostrel({"render", cart_, "html", "--raw"}).out.find("id=\"$ID$\""),
            std::string::npos);
}

// A block one byte short or long is refused.
TEST_F(Commands, SaveAndLoadRoundTripThroughTheModuleAndLoadTakesWholeBlocksOnly) {
  const std::string file = Utf8(folder_ / "cart.block");
  CommandResult run = Ostrel({"save", cart_, file});
  ASSERT_EQ(run.status, 0) << run.err;
  const Bytes stored = StoreBlock(ReadDefinition(cart_));
  const std::string block = ReadFileBytes(file);
  EXPECT_EQ(block, std::string(stored.begin(), stored.end()))
      << "the module stores the block that the model writes";
  run = Ostrel({"load", file});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(StoreBlock(ParseDefinition(run.out, "/", "load")), stored);

  for (const auto& [bytes, message] : {std::pair{block.substr(0, block.size() - 1), "truncated"},
                                       std::pair{block + '\0', "1 bytes follow the block"}}) {
    WriteFileBytes(file, bytes);
    run = Ostrel({"load", file});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");
  }
}

// Only a checkout script that cannot be written fails the command; a
// picture that cannot be read is warned about.
TEST_F(Commands, PublishWritesTheFilesAndReportsAFailedCheckoutScript) {
  const fs::path site = folder_ / "site";
  CommandResult publish = Ostrel({"publish", cart_, Utf8(site)});
  ASSERT_EQ(publish.status, 0) << publish.err;
  EXPECT_EQ(publish.err, "");
  EXPECT_EQ(ReadFileBytes(site / "images/rye.png"), "rye picture");
  const std::string lost = Utf8(folder_.Write("lost.json", R"({"products": [
      {"productId": "L1", "image": "img/lost.png"}, {"image": "img/rye.png"}, {}]})"));
  publish = Ostrel({"publish", lost, Utf8(site)});
  EXPECT_EQ(publish.status, 0);
  EXPECT_EQ(publish.err, "ostrel: warning: " + lost + ": product 1 \"L1\" picture \"" +
                             mervane::ToUtf8(PathForModule(folder_ / "img/lost.png")) +
                             "\" cannot be read, so publishing copies none\n");
  const std::string cart = Utf8(folder_.Write("nophp.json", R"({"phpFileName": ""})"));
  publish = Ostrel({"publish", cart, Utf8(site)});
  EXPECT_EQ(publish.status, 3);
  EXPECT_NE(publish.err.find("CopyFiles returned 0"), std::string::npos) << publish.err;
}

// The definition's own tests cover each message.
TEST_F(Commands, BadDefinitionsAndCommandLinesExitWith2) {
  CommandResult run =
      Ostrel({"render", Utf8(folder_.Write("bad.json", R"({"padding": true})")), "html"});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("padding: expected a 32-bit integer"), std::string::npos) << run.err;
  EXPECT_EQ(Ostrel({"render", cart_, "body"}).status, 2);
  EXPECT_EQ(Ostrel({"render", cart_}).status, 2);
  EXPECT_EQ(Ostrel({"frobnicate"}).status, 2);
  EXPECT_EQ(Ostrel({"load", "x", "--colour", "red"}).status, 2);
  EXPECT_EQ(Ostrel({"render", Utf8(folder_ / "missing.json"), "html"}).status, 1);
}

// A double quote in an id breaks the page markup's pid attribute: the
// import warns and still takes the id as it is.
TEST_F(Commands, ImportProductsReplacesTheCatalogueAndWarnsAboutBreakingText) {
  const std::string table = Utf8(folder_.Write(
      "products.csv", "name,price,image,productId\n\"Bun, iced\",0.90,img/bun.png,\"B\"\"9\"\n"));
  CommandResult run = Ostrel({"import-products", cart_, table});
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.err, "ostrel: warning: " + cart_ +
                         ": product 1 \"B\"9\" id holds a double quote (\"), written unchanged "
                         "into the page markup's pid attribute\n");
  mervane::CartSettings s = ReadDefinition(cart_);
  ASSERT_EQ(s.products.Size(), 1u);
  EXPECT_EQ(s.products[0].productId, OSTR("B\"9"));
  EXPECT_EQ(s.products[0].image, PathForModule(folder_ / "img/bun.png"));
  EXPECT_EQ(s.labelCheckout, OSTR("Pay"));
}

TEST_F(Commands, PreviewPaintsAPngOfTheGivenOrTheDefinitionsSize) {
  const fs::path png = folder_ / "preview.png";
  CommandResult sized = Ostrel({"preview", cart_, Utf8(png), "--size", "120x40"});
  ASSERT_EQ(sized.status, 0) << sized.err;
  std::string bytes = ReadFileBytes(png);
  EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1a\n");
  EXPECT_EQ(bytes.substr(16, 8), std::string("\0\0\0\x78\0\0\0\x28", 8)) << "120 x 40";

  ASSERT_EQ(Ostrel({"preview", cart_, Utf8(png)}).status, 0);
  EXPECT_EQ(ReadFileBytes(png).substr(16, 8), std::string("\0\0\x02\x58\0\0\x01\x90", 8))
      << "the bounds give 600 x 400";
  for (const char* bad : {"120", "0x40", "120x40x2", "axb"}) {
    EXPECT_EQ(Ostrel({"preview", cart_, Utf8(png), "--size", bad}).status, 2) << bad;
  }
}

// The texts that info shows are the host-like test's, read from the exports.
TEST(ModuleLoading, AMissingModuleIsAClearFailure) {
  CommandResult run = Ostrel({"--module", "no-such.uoex", "info"});
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.err.find("cannot load the module no-such.uoex"), std::string::npos);
}

// The Windows build opens the sheet; its journeys are the dialog tests'.
TEST_F(Commands, PropertiesWithoutTheWindowsModuleIsBadInputAndKeepsTheCart) {
  if (system::HasPropertiesDialog()) GTEST_SKIP() << "covered by the dialog tests";
  CommandResult run = Ostrel({"properties", cart_});
  EXPECT_EQ(run.status, 2);
  EXPECT_NE(run.err.find("the properties dialog lives in the Windows module"),
            std::string::npos) << run.err;
  EXPECT_EQ(ReadFileBytes(cart_), kCart);
}

}  // namespace
}  // namespace ostrel::testing
