// Loads the built module the way the host does: by path, resolving the five
// exports by name and calling objects by slot position through a plain table.
#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <type_traits>
#include <vector>

#include "ostrel/extension.h"

#if defined(_WIN32)
#include <windows.h>
#include <prsht.h>
void* OpenModule(const std::string& path) { return LoadLibraryA(path.c_str()); }
void CloseModule(void* module) { FreeLibrary(static_cast<HMODULE>(module)); }
void* Symbol(void* module, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(module), name));
}
#else
#include <dlfcn.h>
void* OpenModule(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void CloseModule(void* module) { dlclose(module); }
void* Symbol(void* module, const char* name) { return dlsym(module, name); }
#endif

namespace {

std::string g_modulePath;

// The slot table as a host without C++ sees it: entry N behind the object's
// first word is slot N, called with the object first, after the storage for
// an OString result where there is one (g++ and MinGW g++ put it first).
#if defined(__x86_64__) && defined(_WIN32)
#define SLOT __attribute__((ms_abi))
#elif defined(__x86_64__)
#define SLOT __attribute__((sysv_abi))
#else
#define SLOT
#endif
typedef void* Self;
typedef OString* Ret;
typedef const OString* Text;
struct SlotTable {
  void(SLOT* destroy)(Self);
  int32_t(SLOT* getVersion)(Self);
  void(SLOT* draw)(Self, OHdc, const ORect*);
  void(SLOT* properties)(Self, OHwnd);
  Ret(SLOT* getHtml)(Ret, Self, Text);
  Ret(SLOT* getHeaderHtml)(Ret, Self);
  int32_t(SLOT* copyFiles)(Self, Text, Text);
  void(SLOT* move)(Self, const ORect*);
  void(SLOT* serialize)(Self, COstrelArchive*);
  int32_t(SLOT* useDiv)(Self);
  void(SLOT* getMinimumSize)(Self, int32_t*, int32_t*);
  Ret(SLOT* getBkColor)(Ret, Self);
  Ret(SLOT* getBkImage)(Ret, Self);
  Ret(SLOT* getUniqueName)(Ret, Self);
  void(SLOT* setUniqueName)(Self, Text);
  void(SLOT* setSiteStructure)(Self, Text);
  void(SLOT* setId)(Self, int32_t);
  int32_t(SLOT* includePngFix)(Self);
  int32_t(SLOT* getUrlCount)(Self);
  Ret(SLOT* getUrl)(Ret, Self, int32_t);
  void(SLOT* setUrl)(Self, int32_t, Text);
  Ret(SLOT* getStartofPageHtml)(Ret, Self);
  int32_t(SLOT* getAssetCount)(Self);
  Ret(SLOT* getAssetFileName)(Ret, Self, int32_t);
  void(SLOT* setAssetFileName)(Self, int32_t, Text);
  Ret(SLOT* getDocumentReadyScript)(Ret, Self);
  void(SLOT* includeResource)(Self, OStringList*);
  Ret(SLOT* getTheme)(Ret, Self);
  void(SLOT* setPublishFolders)(Self, const OStringList*);
};
static_assert(sizeof(SlotTable) == 29 * sizeof(void*));

SlotTable*& TableOf(COstrelExtension* object) { return *reinterpret_cast<SlotTable**>(object); }

// Calls a string slot with raw storage for the result, as a C host must.
template <typename... A>
OString Call(Ret(SLOT* slot)(Ret, Self, A...), Self self, std::type_identity_t<A>... args) {
  alignas(OString) unsigned char storage[sizeof(OString)];
  Ret made = slot(reinterpret_cast<Ret>(storage), self, args...);
  EXPECT_EQ(static_cast<void*>(made), static_cast<void*>(storage));
  OString text = std::move(*made);
  made->~OString();
  return text;
}

class HostLikeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(module_) << g_modulePath;
    bitmap_ = Find<GetToolbarBitmapFn>("GetToolbarBitmap");
    text_ = Find<GetToolbarTextFn>("GetToolbarText");
    description_ = Find<GetDescriptionFn>("GetDescription");
    create_ = Find<CreateExtensionObjectFn>("CreateExtensionObject");
    delete_ = Find<DeleteExtensionObjectFn>("DeleteExtensionObject");
    ASSERT_TRUE(bitmap_ && text_ && description_ && create_ && delete_);
  }
  void TearDown() override { if (module_) CloseModule(module_); }
  template <typename Fn>
  Fn Find(const char* name) const { return reinterpret_cast<Fn>(Symbol(module_, name)); }

  // An extension object deleted through the module's export.
  using Object = std::unique_ptr<COstrelExtension, DeleteExtensionObjectFn>;
  Object Create() { return Object(create_(), delete_); }

  void* module_ = OpenModule(g_modulePath);
  GetToolbarBitmapFn bitmap_ = nullptr;
  GetToolbarTextFn text_ = nullptr, description_ = nullptr;
  CreateExtensionObjectFn create_ = nullptr;
  DeleteExtensionObjectFn delete_ = nullptr;
};

TEST_F(HostLikeTest, ToolbarTextsFollowTheCopyRule) {
  const OString about = OSTR("A flexible and feature rich jQuery plug-in for a shopping cart.");
  const struct { GetToolbarTextFn fn; uint32_t size, result; OString text; } cases[] = {
      {text_, 256, 7, OSTR("Mervane")}, {text_, 4, 4, OSTR("Mer")}, {text_, 0, 0, OString(255, '#')},
      {description_, 63, 63, about.substr(0, 62)}, {description_, 256, 63, about}};
  for (const auto& c : cases) {
    OChar buffer[256];
    std::fill(std::begin(buffer), std::end(buffer), OChar('#'));
    buffer[255] = 0;
    EXPECT_EQ(c.fn(buffer, c.size), c.result) << c.size;
    EXPECT_EQ(OString(buffer), c.text) << c.size;
  }
}

TEST_F(HostLikeTest, ToolbarBitmapIs16By16TrueColour) {
  OBitmapHandle bitmap = bitmap_();
  ASSERT_NE(bitmap, nullptr);
#if defined(_WIN32)
  BITMAP info{};
  ASSERT_NE(GetObjectW(bitmap, sizeof info, &info), 0);
  const std::vector<int> shape{info.bmWidth, info.bmHeight, info.bmBitsPixel};
  DeleteObject(bitmap);
#else
  const std::vector<int> shape{bitmap->width, bitmap->height, bitmap->bitsPerPixel};
  std::free(bitmap);
#endif
  EXPECT_EQ(shape, (std::vector<int>{16, 16, 24}));
}

// Blocks that follow each other in the host's project, and what a cut one
// reports, are the stand-in's site tests' to check.
std::vector<uint8_t> Store(COstrelExtension& cart) {
  COstrelMemoryArchive ar;
  TableOf(&cart)->serialize(&cart, &ar);
  EXPECT_EQ(ar.Error(), COstrelArchive::kNoError);
  return ar.Bytes();
}

#if defined(_WIN32)
// Drawing records that slot 2 leaves in a fresh metafile.
int DrawnRecords(const SlotTable& t, Self self, const ORect& area) {
  HDC dc = CreateEnhMetaFileW(nullptr, nullptr, nullptr, nullptr);
  t.draw(self, dc, &area);
  HENHMETAFILE picture = CloseEnhMetaFile(dc);
  ENHMETAHEADER header{};
  GetEnhMetaFileHeader(picture, sizeof header, &header);
  DeleteEnhMetaFile(picture);
  return static_cast<int>(header.nRecords) - 2;  // less the header and end records
}

// Runs `call` while a watcher cancels every visible top-level window of this
// process for ten seconds at most, so that a modal sheet cannot hang the test.
template <typename F>
void WithWindowsCancelled(F call) {
  std::atomic<bool> done{false};
  std::thread watcher([&done] {
    for (int i = 0; i < 200 && !done; ++i, Sleep(50)) EnumWindows([](HWND window, LPARAM) -> BOOL {
      DWORD process = 0;
      GetWindowThreadProcessId(window, &process);
      if (process == GetCurrentProcessId() && IsWindowVisible(window)) {
        PostMessageW(window, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        PostMessageW(window, WM_CLOSE, 0, 0);
      }
      return TRUE;
    }, 0);
  });
  call();
  done = true;
  watcher.join();
}
#else
struct CountingSurface final : ODeviceContext {
  int calls = 0;
  void Draw3dRect(const ORect&, OColor, OColor) override { ++calls; }
  const OLogFont* SelectFont(const OLogFont*) override { return ++calls, nullptr; }
  OColor SetTextColor(OColor) override { return ++calls, 0; }
  int32_t SetBkMode(int32_t) override { return ++calls, 0; }
  void DrawText(const OString&, const ORect&, uint32_t) override { ++calls; }
};
int DrawnRecords(const SlotTable& t, Self self, const ORect& area) {
  CountingSurface surface;
  t.draw(self, &surface, &area);
  return surface.calls;
}
template <typename F>
void WithWindowsCancelled(F call) { call(); }
#endif

std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST_F(HostLikeTest, EverySlotAnswersByRawPosition) {
  Object cart = Create(), reference = Create();
  const SlotTable& t = *TableOf(cart.get());
  Self self = cart.get();
  for (auto [slot, value] : {std::pair{t.getVersion, 4}, {t.useDiv, 1}, {t.includePngFix, 0},
                             {t.getUrlCount, 0}, {t.getAssetCount, 0}})
    EXPECT_EQ(slot(self), value);
  for (auto slot : {t.getBkColor, t.getBkImage, t.getUniqueName, t.getStartofPageHtml, t.getTheme})
    EXPECT_EQ(Call(slot, self), OString());
  EXPECT_EQ(Call(t.getUrl, self, 12) + Call(t.getAssetFileName, self, -1), OString());
  int32_t width = 3, height = 4;
  t.getMinimumSize(self, &width, &height);
  EXPECT_EQ(width, 25);
  EXPECT_EQ(height, 25);

  const OString ignored = OSTR("x");
  t.setUniqueName(self, &ignored);
  t.setSiteStructure(self, &ignored);
  t.setUrl(self, 3, &ignored);
  t.setAssetFileName(self, 3, &ignored);
  t.setId(self, 42);
  reference->SetID(42);
  EXPECT_EQ(Store(*cart), Store(*reference));  // only the id changed the block
  EXPECT_NE(Store(*cart), Store(*Create()));
  EXPECT_GT(DrawnRecords(t, self, {0, 0, 200, 100}), 0);
  WithWindowsCancelled([&] { t.properties(self, nullptr); });
  EXPECT_EQ(Store(*cart), Store(*reference));  // a cancelled sheet keeps all

  OStringList resources{OSTR("JQUERY-1.9.1.MIN.JS")}, folders{OSTR("css|Styles")};
  t.includeResource(self, &resources);
  t.includeResource(self, &resources);
  EXPECT_EQ(resources, (OStringList{OSTR("JQUERY-1.9.1.MIN.JS"), OSTR("jquery-1.9.1.min.js")}));
  t.setPublishFolders(self, &folders);
  EXPECT_NE(Call(t.getHeaderHtml, self).find(OSTR("\"styles/mervane.css\"")), OString::npos);
  for (auto [raw, cpp] : {std::pair{Call(t.getHtml, self, &ignored), cart->GetHtml(ignored)},
                          {Call(t.getDocumentReadyScript, self), cart->GetDocumentReadyScript()}}) {
    EXPECT_FALSE(raw.empty());
    EXPECT_EQ(raw, cpp);
  }

  const std::filesystem::path site = std::filesystem::temp_directory_path() / "mervane-slots";
  std::filesystem::create_directories(site);
  const OString folder = OString(site.native().begin(), site.native().end()) + OChar('/');
  const ORect bounds{10, 20, 610, 420};
  t.move(self, &bounds);
  EXPECT_EQ(t.copyFiles(self, &folder, &ignored), 1);
  EXPECT_NE(ReadFile(site / "styles" / "mervane.css").find("height: 398px;"), std::string::npos);
  std::filesystem::remove_all(site);
  t.destroy(cart.release());
}

#if !defined(_WIN32)
// The module shares these outside Windows; out of line, as GCC misreads them inlined.
bool g_allocationsFail = false;
}  // namespace

[[gnu::noinline]] void* operator new(size_t size) {
  void* p = g_allocationsFail ? nullptr : std::malloc(size != 0 ? size : 1);
  if (p == nullptr) throw std::bad_alloc();
  return p;
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, size_t) noexcept { std::free(p); }

namespace {
// Out of memory: empty texts, lists and block unchanged, the object usable after.
TEST_F(HostLikeTest, RunningOutOfMemoryAnswersEmptyAndKeepsTheObject) {
  Object cart = Create();
  const SlotTable& t = *TableOf(cart.get());
  const OString none;
  auto texts = [&] {
    return std::array{Call(t.getHtml, cart.get(), &none), Call(t.getHeaderHtml, cart.get()),
                      Call(t.getDocumentReadyScript, cart.get())};
  };
  const auto before = texts();
  const auto block = Store(*cart);
  const OStringList folders{OSTR("css|styles")};
  OStringList resources;
  COstrelMemoryArchive stored;
  g_allocationsFail = true;
  const auto failed = texts();
  t.includeResource(cart.get(), &resources);
  t.setPublishFolders(cart.get(), &folders);
  t.serialize(cart.get(), &stored);
  g_allocationsFail = false;
  EXPECT_EQ(failed, decltype(failed){});
  EXPECT_TRUE(resources.empty());
  EXPECT_EQ(stored.Error(), COstrelArchive::kOutOfMemory);
  EXPECT_EQ(texts(), before);
  EXPECT_EQ(Store(*cart), block);
}
#endif

int g_destroyed = 0;
void SLOT CountDestroy(Self) { ++g_destroyed; }

// DeleteExtensionObject deletes through slot 0 and through nothing else.
TEST_F(HostLikeTest, DeleteGoesThroughSlotZero) {
  Object cart = Create();
  SlotTable* own = TableOf(cart.get());
  SlotTable counting = *own;
  counting.destroy = CountDestroy;
  TableOf(cart.get()) = &counting;
  delete_(cart.get());
  EXPECT_EQ(g_destroyed, 1);
  TableOf(cart.get()) = own;
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
