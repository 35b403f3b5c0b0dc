#include "publish/publish_files.h"

#include <string>

#include "framework/text.h"
#include "model/publish_folders.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace mervane {

OString JoinPath(const OString& folder, const OString& name) {
  const OChar separator = platform::PathSeparator();
  size_t end = folder.find_last_not_of(separator);
  OString path = end == OString::npos ? OString() : folder.substr(0, end + 1);
  path += separator;
  return path + name;
}

// Each separator after the first character ends one folder to create, from
// the drive or root down.
void CreateFolderPath(const OString& path) {
  const OChar separator = platform::PathSeparator();
  for (size_t at = path.find(separator, 1); at != OString::npos;
       at = path.find(separator, at + 1))
    platform::CreateFolder(path.substr(0, at));
  platform::CreateFolder(path);
}

OString PrepareImagesFolder(const OStringList& publishFolders,
                            const OString& root, const OString& fileName) {
  OString sub = GetPublishSubFolder(publishFolders, fileName);
  CreateFolderPath(root + sub);
  if (!sub.empty()) sub += platform::PathSeparator();
  return sub;
}

int32_t ExtractResourceFile(std::string_view name, std::string_view type,
                            const OString& folder) {
  std::string bytes;
  if (!platform::LoadModuleResource(name, type, bytes)) return 1;
  OString target = JoinPath(folder, FromAscii(name));
  const size_t lowered = platform::LowerCaseFrom(target);
  target.replace(lowered, OString::npos, ToLower(target.substr(lowered)));
  return platform::WriteFileBytes(target, bytes) ? 1 : 0;
}

OString ReadAnsiTextFile(const OString& path) {
  std::string bytes;
  if (!platform::ReadFileBytes(path, bytes)) return OString();
  return platform::DecodeAnsi(bytes);
}

bool WriteTextFile(const OString& path, const OString& text) {
  return platform::WriteFileBytes(path, ToUtf8(text));
}

}  // namespace mervane
