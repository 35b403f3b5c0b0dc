#include "site/site_project.h"

#include <algorithm>

#include "base/tool_error.h"
#include "framework/archive.h"
#include "framework/text.h"

namespace ostrel {

using mervane::FromUtf8;
using mervane::ToUtf8;

namespace {

const OString kMagic = OSTR("ostrel site project");
const OString kPageTag = OSTR("page");
const OString kWidgetTag = OSTR("widget");
const OString kEndTag = OSTR("end of project");
constexpr int32_t kFormatVersion = 1;
constexpr uint64_t kSmallestEntry = 8;

void WriteRect(mervane::Archive& ar, const ORect& r) {
  for (int32_t v : {r.left, r.top, r.right, r.bottom}) ar.WriteInt32(v);
}

void StoreWidgetEntry(COstrelMemoryArchive& stream, ProjectWidget& w) {
  mervane::Archive ar(stream);
  ar.WriteString(kWidgetTag);
  ar.WriteInt32(w.id);
  WriteRect(ar, w.bounds);
  ar.WriteString(FromUtf8(w.definition));
  w.widget->Serialize(stream);
}

class ProjectReader {
 public:
  ProjectReader(const ExtensionModule& module, std::string_view bytes,
                const std::string& source)
      : module_(module), stream_(Bytes(bytes.begin(), bytes.end())), ar_(stream_),
        source_(source) {}

  Project Read() {
    try {
      return ReadProject();
    } catch (const mervane::ArchiveError&) {
      Fail("the host data ends early or is malformed");
    }
  }

 private:
  Project ReadProject() {
    Project project;
    Expect(kMagic);
    if (ar_.ReadInt32() != kFormatVersion) Fail("unknown project format version");
    project.title = ToUtf8(ar_.ReadString());
    project.publishFolders = ar_.ReadStringList();
    project.pages.resize(ReadCount());
    for (ProjectPage& page : project.pages) ReadPage(page, project.publishFolders);
    Expect(kEndTag);
    if (stream_.BytesLeft() != 0) Fail("data follows the end of the project");
    return project;
  }

  void ReadPage(ProjectPage& page, const OStringList& publishFolders) {
    Expect(kPageTag);
    page.file = ToUtf8(ar_.ReadString());
    page.title = ToUtf8(ar_.ReadString());
    page.widgets.resize(ReadCount());
    for (ProjectWidget& w : page.widgets) ReadWidget(w, page.file, publishFolders);
  }

  void ReadWidget(ProjectWidget& w, const std::string& page, const OStringList& publishFolders) {
    Expect(kWidgetTag);
    w.id = ar_.ReadInt32();
    w.bounds = ORect{ar_.ReadInt32(), ar_.ReadInt32(), ar_.ReadInt32(), ar_.ReadInt32()};
    w.definition = ToUtf8(ar_.ReadString());
    w.widget = module_.CreateWidget();
    w.widget->SetID(w.id);
    w.widget->SetPublishFolders(publishFolders);
    w.widget->Move(w.bounds);
    const std::string name = "widget " + ElementId(w.id) + " on " + page;
    const size_t start = stream_.Position();
    LoadWidget(*w.widget, stream_, source_ + ": byte " + std::to_string(start) + ": " + name);
    w.blockSize = stream_.Position() - start;
    CheckStoresSameBytes(w, start, name);
    lastBlock_ = name;
  }

  void CheckStoresSameBytes(const ProjectWidget& w, size_t start, const std::string& name) {
    const Bytes stored = StoreWidget(*w.widget);
    const Bytes& all = stream_.Bytes();
    if (!std::equal(stored.begin(), stored.end(), all.begin() + start,
                    all.begin() + start + w.blockSize) ||
        stored.size() != w.blockSize) {
      Fail(name + " read " + std::to_string(w.blockSize) + " bytes but stores " +
           std::to_string(stored.size()) + " different ones");
    }
  }

  void Expect(const OString& tag) {
    if (ar_.ReadString() != tag) Fail("expected the host data \"" + ToUtf8(tag) + "\"");
    lastBlock_.clear();
  }

  // A count of entries, each of which takes at least a tag's bytes.
  uint32_t ReadCount() {
    uint32_t n = ar_.ReadCount();
    ar_.Require(static_cast<uint64_t>(n) * kSmallestEntry);
    return n;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    std::string blame;
    if (!lastBlock_.empty()) {
      blame = " after the block of " + lastBlock_ +
              ": that widget read too many or too few bytes";
    }
    throw BadInput(source_ + ": byte " + std::to_string(stream_.Position()) + ": " +
                   what + blame);
  }

  const ExtensionModule& module_;
  COstrelMemoryArchive stream_;
  mervane::Archive ar_;
  const std::string& source_;
  std::string lastBlock_;
};

}  // namespace

std::string StoreProject(Project& project) {
  COstrelMemoryArchive stream;
  mervane::Archive ar(stream);
  ar.WriteString(kMagic);
  ar.WriteInt32(kFormatVersion);
  ar.WriteString(FromUtf8(project.title));
  ar.WriteStringList(project.publishFolders);
  ar.WriteCount(static_cast<uint32_t>(project.pages.size()));
  for (ProjectPage& page : project.pages) {
    ar.WriteString(kPageTag);
    ar.WriteString(FromUtf8(page.file));
    ar.WriteString(FromUtf8(page.title));
    ar.WriteCount(static_cast<uint32_t>(page.widgets.size()));
    for (ProjectWidget& w : page.widgets) StoreWidgetEntry(stream, w);
  }
  ar.WriteString(kEndTag);
  return std::string(stream.Bytes().begin(), stream.Bytes().end());
}

Project LoadProject(const ExtensionModule& module, std::string_view bytes,
                    const std::string& source) {
  return ProjectReader(module, bytes, source).Read();
}

}  // namespace ostrel
