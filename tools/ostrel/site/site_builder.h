// Builds a whole site the way the host publishes one: every page with its
// head lines, shared scripts, widget markup and document-ready handler,
// then every widget's CopyFiles, the site author's own files and the site
// project.
#ifndef OSTREL_TOOL_SITE_BUILDER_H_
#define OSTREL_TOOL_SITE_BUILDER_H_

#include <filesystem>
#include <string>
#include <vector>

#include "commands/invocation.h"
#include "site/site_file.h"
#include "site/site_project.h"

namespace ostrel {

struct SiteReport {
  size_t pages = 0;
  size_t widgets = 0;
  // Widgets whose CopyFiles returned 0.
  std::vector<std::string> failedWidgets;
};

// Writes the site into `folder` and the project into `projectFile`.
SiteReport BuildSite(Invocation& in, const SiteFile& site,
                     const std::filesystem::path& folder,
                     const std::filesystem::path& projectFile);

}  // namespace ostrel

#endif  // OSTREL_TOOL_SITE_BUILDER_H_
