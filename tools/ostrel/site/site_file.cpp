#include "site/site_file.h"

#include <set>

#include "base/files.h"
#include "base/tool_error.h"
#include "cart/definition.h"
#include "cart/json_fields.h"

namespace ostrel {

namespace fs = std::filesystem;

namespace {

std::string Indexed(const std::string& where, size_t i) {
  return where + "[" + std::to_string(i) + "]";
}

// A path that stays inside the site: relative, without "..".
fs::path InsidePath(const Json& value, const std::string& where) {
  fs::path path = PathFromUtf8(JsonToString(value, where)).lexically_normal();
  if (path.empty() || path.is_absolute() || path.has_root_path() ||
      *path.begin() == "..") {
    throw BadInput(where + ": expected a relative path inside the site");
  }
  return path;
}

SiteWidget ReadWidget(const Json& value, const std::string& where, const fs::path& folder) {
  ExpectObject(value, where);
  RejectUnknownKeys(value, {"definition", "bounds"}, where);
  if (!value.contains("definition")) throw BadInput(where + ": needs a \"definition\"");
  SiteWidget widget;
  widget.definition = folder / PathFromUtf8(JsonToString(value["definition"],
                                                         KeyPlace(where, "definition")));
  if (value.contains("bounds")) {
    widget.bounds = JsonToRect(value["bounds"], KeyPlace(where, "bounds"));
  }
  return widget;
}

SitePage ReadPage(const Json& value, const std::string& where, const fs::path& folder) {
  ExpectObject(value, where);
  RejectUnknownKeys(value, {"file", "title", "html", "widgets"}, where);
  if (!value.contains("file")) throw BadInput(where + ": needs a \"file\"");
  SitePage page;
  page.file = GenericPathToUtf8(InsidePath(value["file"], KeyPlace(where, "file")));
  if (value.contains("title")) page.title = JsonToString(value["title"], KeyPlace(where, "title"));
  if (value.contains("html")) page.html = JsonToString(value["html"], KeyPlace(where, "html"));
  if (value.contains("widgets")) {
    const std::string place = KeyPlace(where, "widgets");
    const Json& widgets = ExpectArray(value["widgets"], place);
    for (size_t i = 0; i < widgets.size(); ++i) {
      page.widgets.push_back(ReadWidget(widgets[i], Indexed(place, i), folder));
    }
  }
  return page;
}

void ReadPages(const Json& value, SiteFile& site) {
  const Json& pages = ExpectArray(value, "pages");
  std::set<std::string> names;
  for (size_t i = 0; i < pages.size(); ++i) {
    site.pages.push_back(ReadPage(pages[i], Indexed("pages", i), site.folder));
    if (!names.insert(site.pages.back().file).second) {
      throw BadInput(Indexed("pages", i) + ".file: a second page named " +
                     site.pages.back().file);
    }
  }
}

void ReadSite(const Json& value, SiteFile& site) {
  ExpectObject(value, "the site");
  RejectUnknownKeys(value, {"title", "head", "publishFolders", "pages", "files"}, "");
  if (value.contains("title")) site.title = JsonToString(value["title"], "title");
  if (value.contains("head")) site.head = JsonToString(value["head"], "head");
  if (value.contains("publishFolders")) {
    site.publishFolders = JsonToTextList(value["publishFolders"], "publishFolders");
  }
  if (value.contains("pages")) ReadPages(value["pages"], site);
  if (value.contains("files")) {
    const Json& files = ExpectArray(value["files"], "files");
    for (size_t i = 0; i < files.size(); ++i) {
      site.files.push_back(InsidePath(files[i], Indexed("files", i)));
    }
  }
}

}  // namespace

SiteFile ReadSiteFile(const fs::path& file) {
  const std::string source = PathToUtf8(file);
  const Json value = ParseJsonText(ReadFileBytes(file), source);
  SiteFile site;
  site.folder = fs::absolute(file).parent_path();
  site.publishFolders = DefaultPublishFolders();
  try {
    ReadSite(value, site);
  } catch (const ToolError& e) {
    throw BadInput(source + ": " + e.what());
  }
  return site;
}

}  // namespace ostrel
