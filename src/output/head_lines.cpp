#include "output/head_lines.h"

#include <algorithm>

#include "framework/text.h"
#include "model/publish_folders.h"

namespace mervane {

namespace {

const OChar kSharedJQuery[] = OSTR("jquery-1.9.1.min.js");

// "folder/" for a non-empty folder, nothing otherwise.
OString FolderPrefix(const CartSettings& settings, const OString& probe) {
  OString folder = GetPublishSubFolder(settings.publishFolders, probe);
  if (!folder.empty()) folder += OSTR('/');
  return folder;
}

}  // namespace

OString BuildHeaderHtml(const CartSettings& settings) {
  OString out = OSTR("<link href=\"");
  out += FolderPrefix(settings, OSTR("x.css"));
  out += settings.cssFileName;
  out += OSTR("\" rel=\"stylesheet\" type=\"text/css\">\r\n");
  out += OSTR("<script type=\"text/javascript\" src=\"");
  out += FolderPrefix(settings, OSTR("x.js"));
  out += FromAscii(kCartScriptFileName);
  out += OSTR("\"></script>\r\n");
  return out;
}

void IncludeSharedResources(OStringList& resources) {
  if (std::find(resources.begin(), resources.end(), kSharedJQuery) == resources.end())
    resources.push_back(kSharedJQuery);
}

}  // namespace mervane
