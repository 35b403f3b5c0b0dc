#include "host/extension.h"

#include "framework/archive.h"
#include "model/publish_folders.h"
#include "output/head_lines.h"
#include "output/page_markup.h"
#include "output/ready_script.h"
#include "properties/properties_editor.h"
#include "publish/checkout_script.h"
#include "publish/publish_driver.h"

namespace mervane {

namespace {

constexpr int32_t kInterfaceVersion = 4;
constexpr int32_t kMinimumSide = 25;

// A generated text for the host, or the empty text when building it fails
// (running out of memory is the one way it can).
template <typename Build>
OString TextOrEmpty(Build build) noexcept {
  try {
    return build();
  } catch (...) {
    return OString();
  }
}

}  // namespace

CMervaneExtension::CMervaneExtension() { CreateFonts(); }

int32_t CMervaneExtension::GetVersion() noexcept { return kInterfaceVersion; }

void CMervaneExtension::Draw(OHdc dc, const ORect* rect) noexcept {
  preview_.Draw(dc, rect);
}

// Only OK changes the cart, and only then is the preview font rebuilt; a
// failure inside keeps the settings.
void CMervaneExtension::Properties(OHwnd parent) {
  try {
    if (EditProperties(settings_, parent)) CreateFonts();
  } catch (...) {
  }
}

OString CMervaneExtension::GetHtml(const OString&) {
  return TextOrEmpty([this] { return BuildPageMarkup(settings_); });
}

OString CMervaneExtension::GetHeaderHtml() {
  return TextOrEmpty([this] { return BuildHeaderHtml(settings_); });
}

// The checkout script's table holds the products of every open cart that
// shares it. Running out of memory fails the publish.
int32_t CMervaneExtension::CopyFiles(const OString& publishFolder,
                                     const OString&) {
  try {
    return mervane::CopyFiles(settings_, publishFolder,
                              SharedCatalogues(settings_, OpenCart::All()));
  } catch (...) {
    return 0;
  }
}

void CMervaneExtension::Move(const ORect& rect) noexcept {
  settings_.bounds = {rect.left, rect.top, rect.right, rect.bottom};
}

// A load that fails keeps what it read so far, as the host expects of a
// truncated block.
void CMervaneExtension::Serialize(COstrelArchive& ar) {
  try {
    Archive archive(ar);
    settings_.Serialize(archive);
  } catch (const ArchiveError& e) {
    ar.SetError(e.code());
  } catch (...) {
    ar.SetError(COstrelArchive::kOutOfMemory);
  }
  if (ar.IsLoading()) CreateFonts();
}

int32_t CMervaneExtension::UseDIV() noexcept { return 1; }

void CMervaneExtension::GetMinimumSize(int32_t& width, int32_t& height) noexcept {
  width = kMinimumSide;
  height = kMinimumSide;
}

OString CMervaneExtension::GetBkColor() noexcept { return OString(); }
OString CMervaneExtension::GetBkImage() noexcept { return OString(); }
OString CMervaneExtension::GetUniqueName() noexcept { return OString(); }
void CMervaneExtension::SetUniqueName(const OString&) noexcept {}
void CMervaneExtension::SetSiteStructure(const OString&) noexcept {}
void CMervaneExtension::SetID(int32_t id) noexcept { settings_.id = id; }
int32_t CMervaneExtension::IncludePngFix() noexcept { return 0; }
int32_t CMervaneExtension::GetURLCount() noexcept { return 0; }
OString CMervaneExtension::GetURL(int32_t) noexcept { return OString(); }
void CMervaneExtension::SetURL(int32_t, const OString&) noexcept {}
OString CMervaneExtension::GetStartofPageHTML() noexcept { return GetBkImage(); }
int32_t CMervaneExtension::GetAssetCount() noexcept { return 0; }
OString CMervaneExtension::GetAssetFileName(int32_t) noexcept { return OString(); }
void CMervaneExtension::SetAssetFileName(int32_t, const OString&) noexcept {}

OString CMervaneExtension::GetDocumentReadyScript() {
  return TextOrEmpty([this] { return BuildDocumentReadyScript(settings_); });
}

// An entry that cannot be appended leaves the host's list as it was.
void CMervaneExtension::IncludeResource(OStringList& resources) {
  try {
    IncludeSharedResources(resources);
  } catch (...) {
  }
}

OString CMervaneExtension::GetTheme() noexcept { return OString(); }

// The list is replaced whole or, when the copy cannot be made, not at all.
void CMervaneExtension::SetPublishFolders(const OStringList& folders) {
  try {
    OStringList copy = folders;
    settings_.publishFolders.swap(copy);
  } catch (...) {
  }
}

void CMervaneExtension::CreateFonts() noexcept {
  preview_.CreateFonts(settings_.mainStyle);
}

OString CMervaneExtension::GetPublishSubFolder(const OString& fileName) const {
  return mervane::GetPublishSubFolder(settings_.publishFolders, fileName);
}

}  // namespace mervane
