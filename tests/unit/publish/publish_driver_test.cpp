#include "publish/publish_driver.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "model/publish_folders.h"
#include "output/page_markup.h"
#include "platform/platform.h"
#include "publish/cart_script.h"
#include "publish/checkout_script.h"
#include "publish/publish_files.h"
#include "publish/stylesheet.h"
#include "test_support.h"

namespace mervane::testing {
namespace {

namespace fs = std::filesystem;
using Files = std::set<std::string>;

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
Files FilesIn(const fs::path& folder) {
  Files names;
  for (const auto& entry : fs::directory_iterator(folder))
    if (entry.is_regular_file()) names.insert(entry.path().filename().string());
  return names;
}

CProduct Picture(const fs::path& image) {
  CProduct product;
  product.image = Native(image);
  return product;
}

class PublishDriverTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() /
            ("mervane-publish-" + std::to_string(std::random_device()()));
    site_ = root_ / "site";
    Write(root_ / "Photo.png", "picture");
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
  }

  // The host passes the folder ending in a separator.
  int32_t Publish() {
    return CopyFiles(settings_, Native(site_) +
                                    static_cast<OChar>(fs::path::preferred_separator));
  }

  fs::path root_;
  fs::path site_;
  CartSettings settings_;
};

// A second publish into the now existing folder replaces longer files. Texts
// are written as UTF-8 without a mark and with their line ends as typed.
TEST_F(PublishDriverTest, WritesEveryFileIntoANewFolderAndReplacesOldCopies) {
  site_ = root_ / "new" / "site";
  settings_.products.Append(Picture(root_ / "Photo.png"));
  settings_.labelTotal = U("Gesamt \xE2\x82\xAC \xC3\xBC");
  settings_.messageCartEmpty = U("Empty\r\ncart");
  std::string resource;
  ASSERT_TRUE(platform::LoadModuleResource(kScript, "JS", resource));
  const std::string script =
      ToUtf8(FillCartScriptPlaceholders(settings_, FromAscii(resource)));
  const Files published{kScript, "Photo.png", "mervane.css", "mervane_checkout.php"};
  for (int round = 0; round < 2; ++round) {
    SCOPED_TRACE(round);
    EXPECT_EQ(Publish(), 1);
    EXPECT_EQ(FilesIn(site_), published);
    EXPECT_EQ(Read(site_ / "Photo.png"), "picture");
    EXPECT_EQ(Read(site_ / kScript), script);
    EXPECT_EQ(Read(site_ / "mervane.css"), ToUtf8(BuildStylesheet(settings_)));
    EXPECT_EQ(Read(site_ / "mervane_checkout.php"),
              ToUtf8(ReplaceProducts(settings_.products, GetDefaultCheckoutScript())));
    for (const std::string& name : published) Write(site_ / name, std::string(100000, 'x'));
  }
}

// The page refers to the picture where publishing put it.
TEST_F(PublishDriverTest, EachFileGoesIntoTheSubFolderOfItsType) {
  const struct {
    OStringList folders;
    const char* script;
    const char* stylesheet;
    const char* picture;
  } cases[] = {
      {{OSTR("js|Scripts")}, "scripts/jquery.mervane-2.0.js", "mervane.css", "Photo.png"},
      {{OSTR("css|styles"), OSTR("PNG|Images"), OSTR("php|php")}, kScript,
       "styles/mervane.css", "images/Photo.png"},
  };
  settings_.products.Append(Picture(root_ / "Photo.png"));
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.script);
    site_ = root_ / ("site" + std::to_string(n++));
    settings_.publishFolders = c.folders;
    EXPECT_EQ(Publish(), 1);
    EXPECT_TRUE(fs::is_regular_file(site_ / c.script));
    EXPECT_TRUE(fs::is_regular_file(site_ / c.stylesheet));
    EXPECT_TRUE(fs::is_regular_file(site_ / "mervane_checkout.php"));
    EXPECT_EQ(Read(site_ / c.picture), "picture");
    EXPECT_NE(BuildPageMarkup(settings_).find(U(std::string("pimage=\"") + c.picture + "\"")),
              OString::npos);
  }
}

// Each case edits a cart holding Photo.png; what cannot be written is left
// out, and only a checkout script that cannot be written fails the publish.
TEST_F(PublishDriverTest, FilesThatCannotBeWrittenAreLeftOut) {
  using Edit = void (*)(CartSettings&, const fs::path& site);
  const struct {
    Edit edit;
    int32_t result;
    Files files;
  } cases[] = {
      {[](CartSettings& c, const fs::path&) { c.paymentProcessor = kPayPal; }, 1,
       {kScript, "Photo.png", "mervane.css"}},
      {[](CartSettings& c, const fs::path&) { c.cssFileName.clear(); }, 1,
       {kScript, "Photo.png", "mervane_checkout.php"}},
      {[](CartSettings& c, const fs::path& site) {
         c.products.Append(Picture(site / "missing" / "Gone.png"));
         c.products.Append(Picture(fs::path()));
       }, 1, {kScript, "Photo.png", "mervane.css", "mervane_checkout.php"}},
      {[](CartSettings& c, const fs::path& site) {
         c.publishFolders = {OSTR("js|scripts"), OSTR("css|styles"), OSTR("png|pics")};
         for (const char* blocker : {"scripts", "styles", "pics"}) Write(site / blocker, "");
       }, 1, {"scripts", "styles", "pics", "mervane_checkout.php"}},
      {[](CartSettings& c, const fs::path&) { c.phpFileName.clear(); }, 0,
       {kScript, "Photo.png", "mervane.css"}},
      {[](CartSettings& c, const fs::path& site) {
         Write(site / "blocked", "");
         c.phpFileName = OSTR("blocked/checkout.php");
       }, 0, {kScript, "Photo.png", "mervane.css", "blocked"}},
  };
  int n = 0;
  for (const auto& c : cases) {
    SCOPED_TRACE(n);
    site_ = root_ / ("site" + std::to_string(n++));
    settings_ = CartSettings();
    settings_.products.Append(Picture(root_ / "Photo.png"));
    c.edit(settings_, site_);
    EXPECT_EQ(Publish(), c.result);
    EXPECT_EQ(FilesIn(site_), c.files);
  }
}

// On Windows the resource comes from the program's own resources.
TEST_F(PublishDriverTest, ExtractsAResourceUnchangedUnderItsLowerCasedName) {
  const fs::path folder = root_ / "Site";
  fs::create_directories(folder);
  EXPECT_EQ(ExtractResourceFile("JQUERY.MERVANE-2.0.JS", "js", Native(folder)), 1);
  EXPECT_EQ(ExtractResourceFile("no-such-resource.js", "JS", Native(folder)), 1);
  EXPECT_EQ(FilesIn(folder), Files{kScript});
  EXPECT_EQ(Read(folder / kScript),
            Read(fs::path(MERVANE_SOURCE_DIR) / "src" / "resources" / kScript));
  EXPECT_EQ(ExtractResourceFile(kScript, "JS", Native(root_ / "Photo.png")), 0);
}

TEST(PublishFoldersTest, LooksUpByExtensionWithoutCaseLastMatchWins) {
  OStringList folders{OSTR("jpg|images"), OSTR("css|Styles"), OSTR("js|scripts")};
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("C:\\pics\\Photo.JPG")), OSTR("images"));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("x.css")), OSTR("styles"));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("readme.txt")), OSTR(""));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("C:\\dir.v2\\README")), OSTR(""));

  folders.push_back(OSTR("JPG|Later|ignored"));
  EXPECT_EQ(GetPublishSubFolder(folders, OSTR("a.jpg")), OSTR("later"));
  EXPECT_EQ(GetPublishSubFolder({OSTR("PNG|Images")}, OSTR("b.Png")), OSTR("images"));
  EXPECT_EQ(GetPublishSubFolder({OSTR("jpg")}, OSTR("a.jpg")), OSTR(""));
  EXPECT_EQ(GetPublishSubFolder({}, OSTR("a.jpg")), OSTR(""));
}

}  // namespace
}  // namespace mervane::testing
