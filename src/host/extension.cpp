#include "host/extension.h"

#include "framework/archive.h"
#include "model/publish_folders.h"
#include "output/head_lines.h"
#include "output/page_markup.h"
#include "output/ready_script.h"
#include "properties/properties_editor.h"
#include "publish/publish_driver.h"

namespace mervane {

namespace {
constexpr int32_t kInterfaceVersion = 4;
constexpr int32_t kMinimumSide = 25;
}  // namespace

CMervaneExtension::CMervaneExtension() { CreateFonts(); }

int32_t CMervaneExtension::GetVersion() { return kInterfaceVersion; }

void CMervaneExtension::Draw(OHdc dc, const ORect* rect) {
  preview_.Draw(dc, rect);
}

// Only OK changes the cart, and only then is the preview font rebuilt.
// Nothing may escape to the host: a failure inside keeps the settings.
void CMervaneExtension::Properties(OHwnd parent) {
  try {
    if (EditProperties(settings_, parent)) CreateFonts();
  } catch (...) {
  }
}

OString CMervaneExtension::GetHtml(const OString&) {
  return BuildPageMarkup(settings_);
}

OString CMervaneExtension::GetHeaderHtml() { return BuildHeaderHtml(settings_); }

// Nothing may escape to the host: running out of memory fails the publish.
int32_t CMervaneExtension::CopyFiles(const OString& publishFolder,
                                     const OString&) {
  try {
    return mervane::CopyFiles(settings_, publishFolder);
  } catch (...) {
    return 0;
  }
}

void CMervaneExtension::Move(const ORect& rect) {
  settings_.bounds = {rect.left, rect.top, rect.right, rect.bottom};
}

void CMervaneExtension::Serialize(COstrelArchive& ar) {
  Archive archive(ar);
  try {
    settings_.Serialize(archive);
  } catch (const ArchiveError& e) {
    ar.SetError(e.code());
  }
  if (ar.IsLoading()) CreateFonts();
}

int32_t CMervaneExtension::UseDIV() { return 1; }

void CMervaneExtension::GetMinimumSize(int32_t& width, int32_t& height) {
  width = kMinimumSide;
  height = kMinimumSide;
}

OString CMervaneExtension::GetBkColor() { return OString(); }
OString CMervaneExtension::GetBkImage() { return OString(); }
OString CMervaneExtension::GetUniqueName() { return OString(); }
void CMervaneExtension::SetUniqueName(const OString&) {}
void CMervaneExtension::SetSiteStructure(const OString&) {}
void CMervaneExtension::SetID(int32_t id) { settings_.id = id; }
int32_t CMervaneExtension::IncludePngFix() { return 0; }
int32_t CMervaneExtension::GetURLCount() { return 0; }
OString CMervaneExtension::GetURL(int32_t) { return OString(); }
void CMervaneExtension::SetURL(int32_t, const OString&) {}
OString CMervaneExtension::GetStartofPageHTML() { return GetBkImage(); }
int32_t CMervaneExtension::GetAssetCount() { return 0; }
OString CMervaneExtension::GetAssetFileName(int32_t) { return OString(); }
void CMervaneExtension::SetAssetFileName(int32_t, const OString&) {}

OString CMervaneExtension::GetDocumentReadyScript() {
  return BuildDocumentReadyScript(settings_);
}

void CMervaneExtension::IncludeResource(OStringList& resources) {
  IncludeSharedResources(resources);
}

OString CMervaneExtension::GetTheme() { return OString(); }

void CMervaneExtension::SetPublishFolders(const OStringList& folders) {
  settings_.publishFolders = folders;
}

void CMervaneExtension::CreateFonts() {
  preview_.CreateFonts(settings_.mainStyle);
}

OString CMervaneExtension::GetPublishSubFolder(const OString& fileName) const {
  return mervane::GetPublishSubFolder(settings_.publishFolders, fileName);
}

}  // namespace mervane
