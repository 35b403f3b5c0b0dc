#include "site/site_builder.h"

#include <list>
#include <ostream>
#include <vector>

#include "base/files.h"
#include "base/progress.h"
#include "base/tool_error.h"
#include "cart/cart_warnings.h"
#include "cart/definition.h"
#include "cart/site_warnings.h"
#include "framework/text.h"
#include "model/publish_folders.h"
#include "site/page_builder.h"
#include "site/shared_resources.h"

namespace ostrel {

namespace fs = std::filesystem;
using mervane::ToUtf8;

namespace {

// Where a shared file lies in the site, relative to the pages.
std::string SharedFilePlace(const OStringList& publishFolders, const std::string& name) {
  std::string folder =
      ToUtf8(mervane::GetPublishSubFolder(publishFolders, mervane::FromUtf8(name)));
  return folder.empty() ? name : folder + "/" + name;
}

// `settings` receives the cart as the widget was opened with it.
ProjectWidget OpenSiteWidget(Invocation& in, const SiteFile& site, const SiteWidget& placed,
                             int32_t id, mervane::CartSettings& settings) {
  ProjectWidget w;
  w.definition = GenericPathToUtf8(placed.definition.lexically_relative(site.folder));
  settings = ReadDefinition(placed.definition);
  WarnAboutTexts(in.err, w.definition, settings);
  WarnAboutPictures(in.err, w.definition, settings);
  settings.id = id;
  settings.publishFolders = site.publishFolders;
  if (placed.bounds) settings.bounds = *placed.bounds;
  WarnAboutHeight(in.err, w.definition, settings);
  w.id = id;
  w.bounds = settings.bounds;
  w.widget = OpenWidget(in.Module(), settings);
  return w;
}

Project OpenProject(Invocation& in, const SiteFile& site) {
  Project project{site.title, site.publishFolders, {}};
  int32_t nextId = 1;
  std::list<mervane::CartSettings> opened;  // kept in place for the warnings
  std::vector<NamedCart> carts;
  for (const SitePage& page : site.pages) {
    ProjectPage& projectPage = project.pages.emplace_back();
    projectPage.file = page.file;
    projectPage.title = page.title;
    for (const SiteWidget& placed : page.widgets) {
      projectPage.widgets.push_back(
          OpenSiteWidget(in, site, placed, nextId++, opened.emplace_back()));
      carts.push_back({projectPage.widgets.back().definition, &opened.back()});
    }
  }
  WarnAboutPictureNames(in.err, carts);
  WarnAboutSharedFiles(in.err, carts);
  WarnAboutSharedIds(in.err, carts);
  return project;
}

PageWidgetText AskWidget(const ProjectWidget& w) {
  COstrelExtension& widget = *w.widget;
  const std::string id = ElementId(w.id);
  return PageWidgetText{id, w.bounds,
                        ToUtf8(ReplaceIdToken(widget.GetHtml(OString()), id)),
                        ToUtf8(widget.GetHeaderHtml()),
                        ToUtf8(ReplaceIdToken(widget.GetDocumentReadyScript(), id))};
}

class SiteWriter {
 public:
  SiteWriter(Invocation& in, const SiteFile& site, const fs::path& folder)
      : in_(in), site_(site), folder_(folder) {}

  void WritePage(const SitePage& page, const ProjectPage& opened) {
    PageText text{page.title, site_.title, site_.head, page.html, {}, {}};
    OStringList resources;
    for (const ProjectWidget& w : opened.widgets) {
      w.widget->IncludeResource(resources);
      text.widgets.push_back(AskWidget(w));
    }
    for (const OString& name : resources) AddSharedScript(text, ToUtf8(name));
    const fs::path file = folder_ / PathFromUtf8(page.file);
    fs::create_directories(file.parent_path());
    WriteFileBytes(file, BuildPage(text));
  }

  void CopySharedFiles() {
    if (!needsJQuery_) return;
    CopyInto(FindJQuery(in_), SharedFilePlace(site_.publishFolders, kJQueryName));
  }

  void CopyAuthorFiles() {
    for (const fs::path& file : site_.files) {
      CopyInto(site_.folder / file, GenericPathToUtf8(file));
    }
  }

 private:
  void AddSharedScript(PageText& text, const std::string& name) {
    if (name != kJQueryName) {
      in_.err << "ostrel: no shared file \"" << name << "\" to supply; left out\n";
      return;
    }
    needsJQuery_ = true;
    text.scripts.push_back(SharedFilePlace(site_.publishFolders, name));
  }

  void CopyInto(const fs::path& source, const std::string& place) {
    const fs::path target = folder_ / PathFromUtf8(place);
    std::error_code error;
    fs::create_directories(target.parent_path(), error);
    // Removed first: MinGW's copy_file does not overwrite an existing file.
    fs::remove(target, error);
    fs::copy_file(source, target, error);
    if (error) {
      throw Failure("cannot copy " + PathToUtf8(source) + " to " + PathToUtf8(target) +
                    ": " + error.message());
    }
  }

  Invocation& in_;
  const SiteFile& site_;
  const fs::path& folder_;
  bool needsJQuery_ = false;
};

size_t CountWidgets(const Project& project) {
  size_t n = 0;
  for (const ProjectPage& page : project.pages) n += page.widgets.size();
  return n;
}

void PublishWidgets(Invocation& in, const Project& project, const fs::path& folder,
                    SiteReport& report) {
  Progress progress(in.err, in.showProgress, report.widgets);
  const OString publishFolder = FolderForModule(folder);
  for (const ProjectPage& page : project.pages) {
    for (const ProjectWidget& w : page.widgets) {
      progress.Step("publishing " + ElementId(w.id) + " of " + page.file);
      if (w.widget->CopyFiles(publishFolder, OString()) != 1) {
        report.failedWidgets.push_back(ElementId(w.id) + " on " + page.file);
      }
    }
  }
}

}  // namespace

SiteReport BuildSite(Invocation& in, const SiteFile& site, const fs::path& folder,
                     const fs::path& projectFile) {
  Project project = OpenProject(in, site);
  SiteReport report{project.pages.size(), CountWidgets(project), {}};
  SiteWriter writer(in, site, folder);
  for (size_t i = 0; i < site.pages.size(); ++i) writer.WritePage(site.pages[i], project.pages[i]);
  writer.CopySharedFiles();
  PublishWidgets(in, project, folder, report);
  writer.CopyAuthorFiles();
  WriteFileBytes(projectFile, StoreProject(project));
  return report;
}

}  // namespace ostrel
