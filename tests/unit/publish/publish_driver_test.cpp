#include "publish/publish_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "output/page_markup.h"
#include "platform/platform.h"
#include "publish/checkout_script.h"
#include "publish/publish_files.h"
#include "publish/stylesheet.h"
#include "test_support.h"

namespace mervane {
namespace {

namespace fs = std::filesystem;
using testing::U;

const char kScript[] = "jquery.mervane-2.0.js";

OString Native(const fs::path& path) {
  std::u16string text = path.u16string();
  return OString(text.begin(), text.end());
}

std::string Read(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void Write(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

// The names of the regular files directly inside a folder.
std::set<std::string> FilesIn(const fs::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  return names;
}

CProduct Picture(const fs::path& image) {
  CProduct product;
  product.image = Native(image);
  return product;
}

// The shipped script with each token replaced by the default text of the
// setting whose variable it initialises.
std::string ScriptWithDefaultTexts() {
  std::string script;
  EXPECT_TRUE(platform::LoadModuleResource(kScript, "JS", script));
  const CartSettings defaults;
  for (const CartText& text : kCartTexts) {
    size_t at = script.find("var " + std::string(text.name) + " = ");
    EXPECT_NE(at, std::string::npos) << text.name;
    at = script.find('$', at);
    const size_t end = script.find('$', at + 1) + 1;
    script.replace(at, end - at, ToUtf8(defaults.*text.field));
  }
  return script;
}

class PublishDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("mervane-publish-" + std::to_string(std::random_device()()));
    fs::create_directories(root_);
    site_ = root_ / "site";
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // A folder as the host passes it: ending in a separator.
  static OString HostFolder(const fs::path& folder) {
    return Native(folder) + static_cast<OChar>(fs::path::preferred_separator);
  }
  int32_t Publish() { return CopyFiles(settings_, HostFolder(site_)); }

  fs::path root_;
  fs::path site_;
  CartSettings settings_;
};

// A second publish replaces longer files left from before.
TEST_F(PublishDriverTest, WritesEveryFileIntoANewFolderAndReplacesOldCopies) {
  site_ = root_ / "new" / "site";
  Write(root_ / "Photo.png", "picture");
  settings_.products.Append(Picture(root_ / "Photo.png"));
  const std::set<std::string> published{kScript, "Photo.png", "mervane.css",
                                        "mervane_checkout.php"};

  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(Publish(), 1);

    EXPECT_EQ(FilesIn(site_), published);
    EXPECT_EQ(Read(site_ / "Photo.png"), "picture");
    EXPECT_EQ(Read(site_ / kScript), ScriptWithDefaultTexts());
    EXPECT_EQ(Read(site_ / "mervane.css"), ToUtf8(BuildStylesheet(settings_)));
    EXPECT_EQ(Read(site_ / "mervane_checkout.php"),
              ToUtf8(ReplaceProducts(settings_.products, GetDefaultCheckoutScript())));
    for (const std::string& name : published) Write(site_ / name, std::string(100000, 'x'));
  }
}

TEST_F(PublishDriverTest, EachFileGoesIntoTheSubFolderOfItsType) {
  struct Case {
    OStringList folders;
    const char* script;
    const char* stylesheet;
    const char* picture;
    const char* pictureReference;
  };
  const Case cases[] = {
      {{}, kScript, "mervane.css", "Photo.JPG", "Photo.JPG"},
      {{OSTR("js|Scripts")}, "scripts/jquery.mervane-2.0.js", "mervane.css",
       "Photo.JPG", "Photo.JPG"},
      {{OSTR("css|styles"), OSTR("JS|js")}, "js/jquery.mervane-2.0.js",
       "styles/mervane.css", "Photo.JPG", "Photo.JPG"},
      {{OSTR("jpg|Images"), OSTR("php|php")}, kScript, "mervane.css",
       "images/Photo.JPG", "images/Photo.JPG"},
  };
  const fs::path picture = root_ / "pictures" / "Photo.JPG";
  Write(picture, "jpeg bytes");
  settings_.products.Append(Picture(picture));

  int n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(n);
    site_ = root_ / ("site" + std::to_string(n++));
    settings_.publishFolders = c.folders;

    EXPECT_EQ(Publish(), 1);

    EXPECT_TRUE(fs::is_regular_file(site_ / c.script));
    EXPECT_TRUE(fs::is_regular_file(site_ / c.stylesheet));
    EXPECT_EQ(Read(site_ / c.picture), "jpeg bytes");
    EXPECT_TRUE(fs::is_regular_file(site_ / "mervane_checkout.php"));
    // The page refers to the picture where publishing put it.
    EXPECT_NE(BuildPageMarkup(settings_).find(U(std::string("pimage=\"") +
                                                c.pictureReference + "\"")),
              OString::npos);
  }
}

TEST_F(PublishDriverTest, TextsAreWrittenAsUtf8WithoutMarkOrLineEndChanges) {
  settings_.labelTotal = U("Gesamt \xE2\x82\xAC \xC3\xBC");
  settings_.labelCheckout = U("Shop's \"till\"");
  settings_.messageCartEmpty = U("Empty\r\ncart");
  settings_.checkoutScript = U("<?php\r\n$p = _PRODUCTS_;\r\n// Gr\xC3\xBC\xC3\x9F" "e\r\n?>\r\n");
  settings_.products.Append(Picture(root_ / "none.png"));

  ASSERT_EQ(Publish(), 1);

  const std::string script = Read(site_ / kScript);
  EXPECT_NE(script.substr(0, 3), "\xEF\xBB\xBF");
  EXPECT_NE(script.find("var labelTotal = 'Gesamt \xE2\x82\xAC \xC3\xBC';\r\n"),
            std::string::npos);
  EXPECT_NE(script.find("var labelCheckout = 'Shop's \"till\"';\r\n"), std::string::npos);
  EXPECT_NE(script.find("\"Empty\r\ncart\";\r\n"), std::string::npos);
  EXPECT_EQ(script.find("\r\r"), std::string::npos);

  const std::string checkout = Read(site_ / "mervane_checkout.php");
  EXPECT_EQ(checkout, ToUtf8(ReplaceProducts(settings_.products, settings_.checkoutScript)));
  EXPECT_NE(checkout.find("\r\n// Gr\xC3\xBC\xC3\x9F" "e\r\n?>\r\n"), std::string::npos);
  EXPECT_EQ(checkout.find("\r\r"), std::string::npos);
}

TEST_F(PublishDriverTest, OnlyTheBuiltInCheckoutPublishesACheckoutScript) {
  settings_.checkoutScript = OSTR("<?php _PRODUCTS_ ?>");
  for (int32_t processor : {kAuthorizeNet, kWorldPay, kLinkPoint, kPayPal, kOtherTarget}) {
    SCOPED_TRACE(processor);
    settings_.paymentProcessor = processor;
    EXPECT_EQ(Publish(), 1);
    EXPECT_EQ(FilesIn(site_), (std::set<std::string>{kScript, "mervane.css"}));
  }
}

TEST_F(PublishDriverTest, PicturesThatCannotBeCopiedAreLeftOut) {
  Write(root_ / "a" / "Same.png", "first");
  Write(root_ / "b" / "Same.png", "second");
  settings_.products.Append(Picture(root_ / "a" / "Same.png"));
  settings_.products.Append(Picture(root_ / "missing" / "Gone.png"));
  settings_.products.Append(Picture(fs::path()));
  settings_.products.Append(Picture(root_ / "b" / "Same.png"));

  EXPECT_EQ(Publish(), 1);

  EXPECT_EQ(Read(site_ / "Same.png"), "second");
  EXPECT_EQ(FilesIn(site_), (std::set<std::string>{kScript, "Same.png", "mervane.css",
                                                   "mervane_checkout.php"}));
}

// A regular file where a sub-folder should be blocks every file meant for it.
TEST_F(PublishDriverTest, BlockedSubFoldersSkipTheirFilesOnly) {
  settings_.publishFolders = {OSTR("js|scripts"), OSTR("css|styles"), OSTR("png|pics")};
  for (const char* blocker : {"scripts", "styles", "pics"}) Write(site_ / blocker, blocker);
  Write(root_ / "Photo.png", "picture");
  settings_.products.Append(Picture(root_ / "Photo.png"));

  EXPECT_EQ(Publish(), 1);

  EXPECT_EQ(FilesIn(site_), (std::set<std::string>{"scripts", "styles", "pics",
                                                   "mervane_checkout.php"}));
  EXPECT_EQ(Read(site_ / "scripts"), "scripts");
}

TEST_F(PublishDriverTest, AnEmptyStylesheetNameSkipsOnlyTheStylesheet) {
  settings_.cssFileName.clear();

  EXPECT_EQ(Publish(), 1);

  EXPECT_EQ(FilesIn(site_), (std::set<std::string>{kScript, "mervane_checkout.php"}));
}

TEST_F(PublishDriverTest, ACheckoutScriptThatCannotBeWrittenFailsThePublish) {
  settings_.phpFileName.clear();
  EXPECT_EQ(Publish(), 0);
  EXPECT_EQ(FilesIn(site_), (std::set<std::string>{kScript, "mervane.css"}));

  Write(site_ / "blocked", "");
  settings_.phpFileName = OSTR("blocked/checkout.php");
  EXPECT_EQ(Publish(), 0);
}

// On Windows the resource comes from the program's own resources.
TEST_F(PublishDriverTest, ExtractsAResourceUnchangedUnderItsLowerCasedName) {
  const fs::path folder = root_ / "Site";
  fs::create_directories(folder);

  EXPECT_EQ(ExtractResourceFile("JQUERY.MERVANE-2.0.JS", "js", Native(folder)), 1);
  EXPECT_EQ(FilesIn(folder), std::set<std::string>{kScript});
  EXPECT_EQ(Read(folder / kScript),
            Read(fs::path(MERVANE_SOURCE_DIR) / "src" / "resources" / kScript));

  EXPECT_EQ(ExtractResourceFile("no-such-resource.js", "JS", Native(folder)), 1);
  EXPECT_EQ(FilesIn(folder).size(), 1u);

  Write(root_ / "file", "");
  EXPECT_EQ(ExtractResourceFile(kScript, "JS", Native(root_ / "file")), 0);
}

}  // namespace
}  // namespace mervane
