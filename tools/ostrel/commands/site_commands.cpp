#include <ostream>

#include "base/files.h"
#include "base/tool_error.h"
#include "commands/invocation.h"
#include "site/site_builder.h"
#include "site/site_file.h"
#include "widget/widget_host.h"

namespace ostrel {

namespace fs = std::filesystem;

// Builds and publishes a whole site, and writes its project.
int RunSite(Invocation& in) {
  const SiteFile site = ReadSiteFile(in.PathOperand(0));
  const fs::path folder = in.PathOperand(1);
  const fs::path project =
      in.Has("project") ? PathFromUtf8(in.Option("project", "")) : folder / "site.project";
  SiteReport report = BuildSite(in, site, folder, project);
  for (const std::string& widget : report.failedWidgets) {
    in.err << "ostrel: CopyFiles returned 0 for " << widget
           << ": its checkout script could not be written\n";
  }
  in.out << in.Operand(1) << ": " << report.pages << " pages, " << report.widgets
         << " widgets; project " << PathToUtf8(project) << "\n";
  return report.failedWidgets.empty() ? kExitOk : kExitPublishFailed;
}

// Opens a site project the way the host does and checks every widget's
// block against the host data around it.
int RunSiteLoad(Invocation& in) {
  Project project = LoadProject(in.Module(), ReadFileBytes(in.PathOperand(0)), in.Operand(0));
  size_t widgets = 0;
  in.out << "site \"" << project.title << "\"\n";
  for (const ProjectPage& page : project.pages) {
    in.out << page.file << " \"" << page.title << "\"\n";
    for (const ProjectWidget& w : page.widgets) {
      mervane::CartSettings settings;
      const size_t products = ReadBackWidget(*w.widget, settings).products.Size();
      in.out << "  " << ElementId(w.id) << ": " << products << " products, block of "
             << w.blockSize << " bytes, from " << w.definition << "\n";
      ++widgets;
    }
  }
  in.out << "verified: " << widgets
         << " widgets each read and stored exactly their own block\n";
  return 0;
}

}  // namespace ostrel
