// The folders under src/ include one another one way only: this lists which
// folders each one includes and fails when they close a cycle.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

namespace mervane::testing {
namespace {

namespace fs = std::filesystem;
using FolderIncludes = std::map<std::string, std::set<std::string>>;

// For each top folder of src/, the other top folders its files include.
FolderIncludes ReadFolderIncludes(const fs::path& src) {
  FolderIncludes uses;
  const std::regex include(R"re(^#include "([a-z_0-9]+)/)re");
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(src)) {
    if (!entry.is_regular_file()) continue;
    const std::string folder = fs::relative(entry.path(), src).begin()->string();
    if (folder == entry.path().filename()) continue;  // src/CMakeLists.txt
    uses[folder];
    std::ifstream file(entry.path());
    std::smatch match;
    for (std::string line; std::getline(file, line);) {
      if (std::regex_search(line, match, include) && fs::is_directory(src / match[1].str()) &&
          match[1] != folder)
        uses[folder].insert(match[1]);
    }
  }
  return uses;
}

// Strips folders that include no remaining folder until none is left; what
// cannot be stripped lies on a cycle or includes one that does.
std::set<std::string> FoldersOnOrAboveCycles(FolderIncludes uses) {
  for (bool stripped = true; stripped;) {
    stripped = false;
    for (auto it = uses.begin(); it != uses.end();) {
      bool leaf = true;
      for (const std::string& used : it->second) leaf = leaf && !uses.contains(used);
      stripped = stripped || leaf;
      it = leaf ? uses.erase(it) : std::next(it);
    }
  }
  std::set<std::string> left;
  for (const auto& [folder, used] : uses) left.insert(folder);
  return left;
}

TEST(FolderLayers, IncludesRunOneWay) {
  const FolderIncludes uses = ReadFolderIncludes(fs::path(MERVANE_SOURCE_DIR) / "src");
  std::string listing;
  for (const auto& [folder, used] : uses) {
    listing += "\n" + folder + ":";
    for (const std::string& u : used) listing += " " + u;
  }
  ASSERT_TRUE(uses.contains("model") && uses.contains("platform")) << listing;
  EXPECT_EQ(FoldersOnOrAboveCycles(uses), std::set<std::string>()) << listing;
  EXPECT_FALSE(uses.at("platform").contains("framework")) << listing;
}

}  // namespace
}  // namespace mervane::testing
