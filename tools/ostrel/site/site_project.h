// The site project: the host's own data with every widget's block in one
// archive, one after another and without framing, the way the host keeps
// them. Each widget must read back exactly the bytes it wrote, or the host
// data after its block no longer reads.
//
// Layout (strings, counts and integers by the archive's byte rules):
//   "ostrel site project", version 1, site title, publish folder table,
//   page count, then per page: "page", file, title, widget count, then per
//   widget: "widget", id, bounds (4 integers), definition path, its block;
//   and last "end of project".
#ifndef OSTREL_TOOL_SITE_PROJECT_H_
#define OSTREL_TOOL_SITE_PROJECT_H_

#include <string>
#include <string_view>
#include <vector>

#include "widget/module_loader.h"
#include "widget/widget_host.h"

namespace ostrel {

struct ProjectWidget {
  int32_t id = 0;
  ORect bounds{};
  std::string definition;
  Widget widget;
  size_t blockSize = 0;  // filled by LoadProject
};

struct ProjectPage {
  std::string file;
  std::string title;
  std::vector<ProjectWidget> widgets;
};

struct Project {
  std::string title;
  OStringList publishFolders;
  std::vector<ProjectPage> pages;
};

// The project file's bytes.
std::string StoreProject(Project& project);

// Opens every widget through Serialize, checks that it stores again exactly
// the bytes it read and that the host data after it is intact. Throws
// BadInput naming `source`, the byte offset and the widget to blame.
Project LoadProject(const ExtensionModule& module, std::string_view bytes,
                    const std::string& source);

}  // namespace ostrel

#endif  // OSTREL_TOOL_SITE_PROJECT_H_
