#include "model/publish_folders.h"

#include "framework/text.h"

namespace mervane {

namespace {

bool IsPathSeparator(OChar c) { return c == OSTR('\\') || c == OSTR('/'); }

// The extension of the last path component, dot included, or empty.
OString ExtensionOf(const OString& fileName) {
  for (size_t i = fileName.size(); i-- > 0;) {
    if (IsPathSeparator(fileName[i])) break;
    if (fileName[i] == OSTR('.')) return fileName.substr(i);
  }
  return OString();
}

OString WithoutDots(const OString& text) {
  OString out;
  for (OChar c : text)
    if (c != OSTR('.')) out += c;
  return out;
}

}  // namespace

OString GetPublishSubFolder(const OStringList& publishFolders,
                            const OString& fileName) {
  OString extension = ExtensionOf(fileName);
  if (extension.empty()) return OString();
  extension = WithoutDots(ToLower(extension));

  OString folder;
  for (const OString& original : publishFolders) {
    // Entries are compared lower-cased, so the folder comes out lower-cased.
    OString entry = ToLower(original);
    size_t bar = entry.find(OSTR('|'));
    if (entry.substr(0, bar) != extension) continue;
    if (bar == OString::npos) {
      folder.clear();
    } else {
      size_t next = entry.find(OSTR('|'), bar + 1);
      folder = entry.substr(bar + 1, next == OString::npos ? OString::npos
                                                           : next - bar - 1);
    }
  }
  return folder;
}

}  // namespace mervane
