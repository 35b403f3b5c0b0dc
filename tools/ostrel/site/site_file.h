// A site file: the pages of a small site, each with its title, some HTML of
// the site author's and the cart widgets placed on it by definition file.
//
// { "title": "...", "head": "<extra head lines>",
//   "publishFolders": ["ext|folder", ...],   (the host's table, every widget)
//   "pages": [{ "file": "index.html", "title": "...", "html": "...",
//               "widgets": [{ "definition": "cart.json",
//                             "bounds": [left, top, right, bottom] }] }],
//   "files": ["shop_success.html", ...] }    (copied into the site as they are)
//
// A widget without bounds keeps those of its definition. Paths are taken
// from the site file's folder.
#ifndef OSTREL_TOOL_SITE_FILE_H_
#define OSTREL_TOOL_SITE_FILE_H_

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "ostrel/types.h"

namespace ostrel {

struct SiteWidget {
  std::filesystem::path definition;
  std::optional<ORect> bounds;
};

struct SitePage {
  std::string file;
  std::string title;
  std::string html;
  std::vector<SiteWidget> widgets;
};

struct SiteFile {
  std::string title;
  std::string head;
  OStringList publishFolders;
  std::vector<SitePage> pages;
  std::vector<std::filesystem::path> files;  // relative to `folder`
  std::filesystem::path folder;
};

// Throws BadInput naming the file and the key of a wrong value.
SiteFile ReadSiteFile(const std::filesystem::path& file);

}  // namespace ostrel

#endif  // OSTREL_TOOL_SITE_FILE_H_
