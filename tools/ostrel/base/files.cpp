#include "base/files.h"

#include <fstream>
#include <iterator>

#include "base/tool_error.h"
#include "framework/text.h"

namespace ostrel {

namespace fs = std::filesystem;

fs::path PathFromUtf8(std::string_view utf8) {
  return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string PathToUtf8(const fs::path& path) {
  std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

std::string GenericPathToUtf8(const fs::path& path) {
  std::u8string text = path.generic_u8string();
  return std::string(text.begin(), text.end());
}

OString PathForModule(const fs::path& path) {
  return mervane::FromUtf8(PathToUtf8(fs::absolute(path).make_preferred()));
}

OString FolderForModule(const fs::path& folder) {
  OString text = PathForModule(folder);
  const OChar separator = static_cast<OChar>(fs::path::preferred_separator);
  if (text.empty() || text.back() != separator) text += separator;
  return text;
}

OString ResolvePath(std::string_view utf8, const fs::path& baseFolder) {
  if (utf8.empty()) return OString();
  fs::path path = PathFromUtf8(utf8);
  if (!path.is_absolute()) path = baseFolder / path;
  return PathForModule(path.lexically_normal());
}

std::string ReadFileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw Failure("cannot read " + PathToUtf8(path));
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const fs::path& path, std::string_view bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) throw Failure("cannot write " + PathToUtf8(path));
}

}  // namespace ostrel
