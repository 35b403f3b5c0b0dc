// Whole sites: pages, shared scripts, publishing, and the site project in
// which the widgets' blocks follow each other without framing.
#include <gtest/gtest.h>

#include "framework/text.h"
#include "ostrel_test_support.h"

namespace ostrel::testing {
namespace {

namespace fs = std::filesystem;

class Site : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_.Write("a.json", R"({"products": [{"name": "Bun", "productId": "B1",
                                 "image": "bun.png"}, {"image": "gone.png"}]})");
    folder_.Write("b.json", R"({"paymentProcessor": 5, "checkoutUrl": "https://x.example/",
                                 "cssFileName": "b.css"})");
    folder_.Write("bun.png", "bun");
    folder_.Write("thanks.html", "thanks");
    jquery_ = Utf8(folder_.Write("jq.js", "/* jQuery stand-in */"));
    site_ = Utf8(folder_.Write("site.json", R"({
      "title": "Test shop",
      "head": "<meta name=\"x\">",
      "pages": [
        {"file": "index.html", "title": "Home", "html": "<h1>Hi</h1>",
         "widgets": [{"definition": "a.json", "bounds": [0, 0, 300, 200]},
                     {"definition": "b.json", "bounds": [0, 220, 400, 500]}]},
        {"file": "info/about.html", "title": "About"}
      ],
      "files": ["thanks.html"]
    })"));
  }

  CommandResult Build() { return Ostrel({"site", site_, Utf8(out_), "--jquery", jquery_}); }

  std::string Project() const { return Utf8(out_ / "site.project"); }

  TempFolder folder_;
  fs::path out_ = folder_ / "out";
  std::string site_;
  std::string jquery_;
};

// That the pages work, scripts in order, each cart under its element id with
// its picture, is the browser tests' to see on the sites they build.
TEST_F(Site, PagesCarryHeadLinesSharedScriptMarkupAndOneReadyHandler) {
  CommandResult build = Build();
  ASSERT_EQ(build.status, 0) << build.err;
  EXPECT_NE(build.err.find("a.json: product 2 \"\" picture \""), std::string::npos) << build.err;
  const std::string page = ReadFileBytes(out_ / "index.html");
  const size_t cart = page.find("src=\"scripts/jquery.mervane-2.0.js\"");
  ASSERT_NE(cart, std::string::npos) << page;
  EXPECT_EQ(page.find("src=\"scripts/jquery.mervane-2.0.js\"", cart + 1), std::string::npos)
      << "a head line that both widgets give appears once";
  EXPECT_NE(page.find("href=\"styles/mervane.css\""), std::string::npos);
  EXPECT_NE(page.find("href=\"styles/b.css\""), std::string::npos);
  EXPECT_NE(page.find("<title>Home - Test shop</title>"), std::string::npos);
  EXPECT_NE(page.find("id=\"wb_Cart2\" style=\"grid-area:1/1;align-self:start;margin:220px 0 0 0px;"
                      "width:400px;max-width:calc(100% - 0px);min-height:280px;"), std::string::npos);
  EXPECT_NE(build.err.find("b.json: the cart is 359 px high, 79 px more than its 280 px box"),
            std::string::npos) << build.err;
  EXPECT_EQ(page.find("$(document).ready"), page.rfind("$(document).ready"));
  EXPECT_EQ(build.err.find("differ from"), std::string::npos) << "one text each, styles under two names";

  const std::string about = ReadFileBytes(out_ / "info/about.html");
  EXPECT_EQ(about.find("<script"), std::string::npos) << "no widget, no scripts";
  EXPECT_EQ(ReadFileBytes(out_ / "scripts/jquery-1.9.1.min.js"), "/* jQuery stand-in */");
}

// Carts that get in each other's way in one site folder are named in pairs;
// the one checkout script holds the products of both.
TEST_F(Site, ClashingPicturesAndPricesAreWarnedAbout) {
  folder_.Write("c.json", R"({"products": [{"productId": "B2", "image": "bun.png"},
      {"productId": "B1", "name": "Bun", "price": "9", "image": "other/bun.png"}],
      "labelTotal": "Sum", "labelRemove": "Drop", "productsStyle": {"bold": true}})");
  folder_.Write("other/bun.png", "other bun");
  site_ = Utf8(folder_.Write("site.json", R"({"title": "T", "pages": [{"file": "a.html",
      "widgets": [{"definition": "a.json"}, {"definition": "c.json"}]}]})"));
  CommandResult build = Build();
  ASSERT_EQ(build.status, 0) << build.err;
  for (const std::string& warning :
       {"c.json: c.json product 2 \"B1\" picture \"" + Utf8(folder_ / "other" / "bun.png") +
            "\" and a.json product 1 \"B1\" picture \"" + Utf8(folder_ / "bun.png") +
            "\" share a file name, so the site shows the later for both",
        std::string("c.json: c.json product 2 \"B1\" is \"Bun\" at 9, but a.json product 1 \"B1\" is \"Bun\" at "),
        std::string("; their checkout script mervane_checkout.php takes the first\n"),
        std::string("c.json: its texts differ from a.json's (labelTotal, labelRemove), but every cart of the site "
                    "fills one jquery.mervane-2.0.js, so each shows the texts of the last cart published\n"),
        std::string("c.json: its styles differ from a.json's, but both publish the stylesheet mervane.css, so "
                    "each shows the styles of the last cart published\n")})
    EXPECT_NE(build.err.find(warning), std::string::npos) << warning << "\n" << build.err;
  EXPECT_EQ(build.err.find("c.json product 1"), std::string::npos) << "one picture used twice is no clash";
  const std::string script = ReadFileBytes(out_ / "mervane_checkout.php");
  for (const char* id : {"'product_id'=>'B1'", "'product_id'=>'B2'"})
    EXPECT_NE(script.find(id), std::string::npos) << id << " of either cart";
  EXPECT_EQ(script.find("'product_price'=>'9'"), std::string::npos);
}

// The first widget's block ends where the second widget's host data begins.
size_t EndOfFirstBlock(const std::string& project) {
  const std::string tag("\xFF\xFE\xFF\x06w\0i\0d\0g\0e\0t\0", 16);
  const size_t second = project.find(tag, project.find(tag) + 1);
  EXPECT_NE(second, std::string::npos);
  return second;
}

// A site built over a built site reads back widget by widget.
TEST_F(Site, AWidgetReadingTooManyOrTooFewBytesBreaksWhatFollows) {
  ASSERT_EQ(Build().status, 0);
  CommandResult again = Build();
  ASSERT_EQ(again.status, 0) << again.err;
  CommandResult load = Ostrel({"site-load", Project()});
  ASSERT_EQ(load.status, 0) << load.err;
  EXPECT_NE(load.out.find("index.html \"Home\"\n  Cart1: 2 products, block of "),
            std::string::npos) << load.out;
  EXPECT_NE(load.out.find("from a.json\n  Cart2: 0 products"), std::string::npos);
  EXPECT_NE(load.out.find("verified: 2 widgets"), std::string::npos);
  const std::string good = ReadFileBytes(Project());
  const size_t end = EndOfFirstBlock(good);

  std::string shorter = good;
  shorter.erase(end - 1, 1);
  std::string longer = good;
  longer.insert(end, 1, '\0');
  const std::string trailing = good + '\0';
  const std::string cut = good.substr(0, good.size() - 3);

  struct Case {
    const char* what;
    const std::string& bytes;
    const char* message;
  };
  for (const Case& c : {Case{"a byte short", shorter, "widget Cart1 on index.html"},
                        Case{"a byte too many", longer, "widget Cart1 on index.html"},
                        Case{"data after the end", trailing, "data follows the end"},
                        Case{"cut short", cut, "ends early"}}) {
    WriteFileBytes(Project(), c.bytes);
    load = Ostrel({"site-load", Project()});
    EXPECT_EQ(load.status, 2) << c.what;
    EXPECT_NE(load.err.find(c.message), std::string::npos) << c.what << ": " << load.err;
  }
}

TEST_F(Site, MissingJQueryIsAClearFailure) {
  CommandResult build = Ostrel({"site", site_, Utf8(out_), "--jquery", Utf8(folder_ / "none.js")});
  EXPECT_EQ(build.status, 1);
  EXPECT_NE(build.err.find("jQuery 1.9.1 not found at"), std::string::npos) << build.err;
}

TEST_F(Site, BadSiteFilesNameTheKey) {
  struct Case {
    const char* json;
    const char* message;
  };
  for (const Case& c : {
           Case{R"({"pages": [{"file": "../x.html"}]})", "pages[0].file: expected a relative path"},
           Case{R"({"pages": [{"file": "a.html", "widgets": [{}]}]})", "needs a \"definition\""},
           Case{R"({"pages": [{"file": "a.html"}, {"file": "a.html"}]})", "a second page"},
           Case{R"({"page": []})", "page: unknown key"}}) {
    CommandResult run = Ostrel({"site", Utf8(folder_.Write("bad.json", c.json)), Utf8(out_)});
    EXPECT_EQ(run.status, 2) << c.json;
    EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
  }
}

}  // namespace
}  // namespace ostrel::testing
