// Loads the built module the way the host does: by path, resolving the five
// exports by name and using objects only through the host-facing header.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ostrel/extension.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace {

std::string g_modulePath;

class Module {
 public:
  explicit Module(const std::string& path) {
#if defined(_WIN32)
    handle_ = LoadLibraryA(path.c_str());
#else
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
  }
  ~Module() {
#if defined(_WIN32)
    if (handle_) FreeLibrary(static_cast<HMODULE>(handle_));
#else
    if (handle_) dlclose(handle_);
#endif
  }
  bool Loaded() const { return handle_ != nullptr; }
  template <typename Fn>
  Fn Find(const char* name) const {
#if defined(_WIN32)
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name)));
#else
    return reinterpret_cast<Fn>(dlsym(handle_, name));
#endif
  }

 private:
  void* handle_ = nullptr;
};

class HostLikeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module_.Loaded()) << g_modulePath;
    bitmap_ = module_.Find<GetToolbarBitmapFn>("GetToolbarBitmap");
    text_ = module_.Find<GetToolbarTextFn>("GetToolbarText");
    description_ = module_.Find<GetDescriptionFn>("GetDescription");
    create_ = module_.Find<CreateExtensionObjectFn>("CreateExtensionObject");
    delete_ = module_.Find<DeleteExtensionObjectFn>("DeleteExtensionObject");
    ASSERT_TRUE(bitmap_ && text_ && description_ && create_ && delete_);
  }

  // An extension object deleted through the module's export.
  struct Deleter {
    DeleteExtensionObjectFn fn;
    void operator()(COstrelExtension* p) const { fn(p); }
  };
  using Object = std::unique_ptr<COstrelExtension, Deleter>;
  Object Create() { return Object(create_(), Deleter{delete_}); }

  Module module_{g_modulePath};
  GetToolbarBitmapFn bitmap_ = nullptr;
  GetToolbarTextFn text_ = nullptr;
  GetDescriptionFn description_ = nullptr;
  CreateExtensionObjectFn create_ = nullptr;
  DeleteExtensionObjectFn delete_ = nullptr;
};

TEST_F(HostLikeTest, ToolbarTextsFollowTheCopyRule) {
  OChar buffer[256];
  std::fill(std::begin(buffer), std::end(buffer), OChar('#'));
  EXPECT_EQ(text_(buffer, 256), 7u);
  EXPECT_EQ(OString(buffer), OSTR("Mervane"));

  std::fill(std::begin(buffer), std::end(buffer), OChar('#'));
  EXPECT_EQ(text_(buffer, 4), 4u);
  EXPECT_EQ(OString(buffer), OSTR("Mer"));

  std::fill(std::begin(buffer), std::end(buffer), OChar('#'));
  EXPECT_EQ(text_(buffer, 0), 0u);
  EXPECT_EQ(buffer[0], OChar('#'));

  EXPECT_EQ(description_(buffer, 63), 63u);
  EXPECT_EQ(OString(buffer),
            OSTR("A flexible and feature rich jQuery plug-in for a shopping cart"));
  EXPECT_EQ(description_(buffer, 256), 63u);
}

TEST_F(HostLikeTest, ToolbarBitmapIs16By16TrueColour) {
  OBitmapHandle bitmap = bitmap_();
  ASSERT_NE(bitmap, nullptr);
#if defined(_WIN32)
  BITMAP info{};
  ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 16);
  EXPECT_EQ(info.bmBitsPixel, 24);
  DeleteObject(bitmap);
#else
  EXPECT_EQ(bitmap->width, 16);
  EXPECT_EQ(bitmap->height, 16);
  EXPECT_EQ(bitmap->bitsPerPixel, 24);
  std::free(bitmap);
#endif
}

TEST_F(HostLikeTest, SimpleAnswers) {
  Object cart = Create();
  ASSERT_TRUE(cart);
  EXPECT_EQ(cart->GetVersion(), 4);
  EXPECT_EQ(cart->UseDIV(), 1);
  EXPECT_EQ(cart->IncludePngFix(), 0);
  int32_t w = 3, h = 4;
  cart->GetMinimumSize(w, h);
  EXPECT_EQ(w, 25);
  EXPECT_EQ(h, 25);
  EXPECT_EQ(cart->GetBkColor(), OString());
  EXPECT_EQ(cart->GetBkImage(), OString());
  EXPECT_EQ(cart->GetStartofPageHTML(), OString());
  EXPECT_EQ(cart->GetUniqueName(), OString());
  EXPECT_EQ(cart->GetTheme(), OString());
  EXPECT_EQ(cart->GetURLCount(), 0);
  EXPECT_EQ(cart->GetAssetCount(), 0);
  EXPECT_EQ(cart->GetURL(12), OString());
  EXPECT_EQ(cart->GetAssetFileName(-1), OString());
  cart->SetURL(3, OSTR("x"));
  cart->SetAssetFileName(3, OSTR("x"));
  cart->SetUniqueName(OSTR("x"));
  cart->SetSiteStructure(OSTR("x"));
  delete_(nullptr);
}

TEST_F(HostLikeTest, IncludeResourceAddsJQueryOnce) {
  Object cart = Create();
  OStringList resources{OSTR("JQUERY-1.9.1.MIN.JS")};
  cart->IncludeResource(resources);
  cart->IncludeResource(resources);
  EXPECT_EQ(resources, (OStringList{OSTR("JQUERY-1.9.1.MIN.JS"), OSTR("jquery-1.9.1.min.js")}));
}

TEST_F(HostLikeTest, PublishFoldersShapeTheHeadLines) {
  Object cart = Create();
  EXPECT_EQ(cart->GetHeaderHtml(),
            OSTR("<link href=\"mervane.css\" rel=\"stylesheet\" type=\"text/css\">\r\n"
                 "<script type=\"text/javascript\" src=\"jquery.mervane-2.0.js\"></script>\r\n"));
  cart->SetPublishFolders({OSTR("CSS|Styles"), OSTR("js|old"), OSTR("js|scripts|x")});
  EXPECT_EQ(cart->GetHeaderHtml(),
            OSTR("<link href=\"styles/mervane.css\" rel=\"stylesheet\" type=\"text/css\">\r\n"
                 "<script type=\"text/javascript\" src=\"scripts/jquery.mervane-2.0.js\"></script>\r\n"));
  cart->SetPublishFolders({});
  EXPECT_EQ(cart->GetHeaderHtml().find(OSTR("styles/")), OString::npos);
}

std::vector<uint8_t> Store(COstrelExtension& cart) {
  COstrelMemoryArchive ar;
  cart.Serialize(ar);
  EXPECT_EQ(ar.Error(), COstrelArchive::kNoError);
  return ar.Bytes();
}

TEST_F(HostLikeTest, TwoWidgetsAndHostDataShareOneArchive) {
  Object first = Create();
  Object second = Create();
  second->SetID(42);
  second->Move({10, 20, 610, 420});

  const char hostData[] = "HOST-TRAILER";
  COstrelMemoryArchive project;
  first->Serialize(project);
  second->Serialize(project);
  project.Write(hostData, sizeof hostData);

  COstrelMemoryArchive reading(project.Bytes());
  Object a = Create();
  Object b = Create();
  a->Serialize(reading);
  b->Serialize(reading);
  ASSERT_EQ(reading.Error(), COstrelArchive::kNoError);
  char trailer[sizeof hostData] = {};
  ASSERT_EQ(reading.Read(trailer, sizeof trailer), sizeof trailer);
  EXPECT_STREQ(trailer, hostData);
  EXPECT_EQ(Store(*a), Store(*first));
  EXPECT_EQ(Store(*b), Store(*second));
  EXPECT_NE(Store(*a), Store(*b));  // the id travels with the block
}

TEST_F(HostLikeTest, TruncatedProjectReportsEndOfFileWithoutThrowing) {
  Object cart = Create();
  std::vector<uint8_t> block = Store(*cart);
  block.resize(block.size() / 2);
  COstrelMemoryArchive reading(block);
  Object target = Create();
  target->Serialize(reading);
  EXPECT_EQ(reading.Error(), COstrelArchive::kEndOfFile);
}

}  // namespace

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s PATH-TO-MODULE\n", argv[0]);
    return 2;
  }
  g_modulePath = argv[1];
  return RUN_ALL_TESTS();
}
