// Build-time tool: puts the tables of the guide that list the module's
// texts and style fields into the guide, from the module's own tables, so
// that their names and defaults cannot drift from what the module does.
//
//   guide_tables NOTES GUIDE_IN GUIDE_OUT
//
// NOTES holds one sentence per field (name, tab, sentence); GUIDE_IN marks
// each table's place with <!-- table: labels|messages|styles -->.
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "framework/text.h"
#include "model/cart_settings.h"
#include "model/font_style.h"
#include "output/page_markup.h"

namespace {

using Notes = std::map<std::string, std::string, std::less<>>;

std::string ReadFile(const char* path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error(std::string("cannot read ") + path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

Notes ReadNotes(const std::string& text) {
  Notes notes;
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    const size_t tab = line.find('\t');
    if (tab == std::string::npos) throw std::runtime_error("a note without a tab: " + line);
    notes[line.substr(0, tab)] = line.substr(tab + 1);
  }
  return notes;
}

std::string Html(const OString& text) { return mervane::ToUtf8(mervane::EncodeHtml(text)); }

// Takes a field's note out of the notes, so that what is left names no field.
std::string TakeNote(Notes& notes, std::string_view field) {
  auto found = notes.find(field);
  if (found == notes.end()) throw std::runtime_error("no note for " + std::string(field));
  std::string note = found->second;
  notes.erase(found);
  return note;
}

std::string TextTable(Notes& notes, mervane::TextKind kind, const char* last) {
  std::string table = "<table>\n<tr><th>Property</th><th>Default</th><th>" + std::string(last) +
                      "</th></tr>\n";
  for (const mervane::CartText& text : mervane::kCartTexts) {
    if (text.kind != kind) continue;
    table += "<tr><td>" + Html(text.item) + "</td><td>" + Html(text.defaultText) + "</td><td>" +
             TakeNote(notes, text.name) + "</td></tr>\n";
  }
  return table + "</table>";
}

std::string StyleTable(Notes& notes) {
  std::string table = "<table>\n<tr><th>Property</th><th>What it sets</th></tr>\n";
  for (const mervane::StyleField& field : mervane::kStyleFields) {
    std::string item = Html(field.item);
    if (field.tabItem != nullptr) item += " (in Main: " + Html(field.tabItem) + ")";
    table += "<tr><td>" + item + "</td><td>" + TakeNote(notes, field.name) + "</td></tr>\n";
  }
  return table + "</table>";
}

void Place(std::string& guide, const std::string& name, const std::string& table) {
  const std::string marker = "<!-- table: " + name + " -->";
  const size_t at = guide.find(marker);
  if (at == std::string::npos) throw std::runtime_error("the guide has no " + marker);
  guide.replace(at, marker.size(), table);
}

}  // namespace

int main(int argc, char** argv) {
  try {
    if (argc != 4) throw std::runtime_error("usage: guide_tables NOTES GUIDE_IN GUIDE_OUT");
    Notes notes = ReadNotes(ReadFile(argv[1]));
    std::string guide = ReadFile(argv[2]);
    Place(guide, "labels", TextTable(notes, mervane::TextKind::kLabel, "Where it shows"));
    Place(guide, "messages", TextTable(notes, mervane::TextKind::kMessage, "When it shows"));
    Place(guide, "styles", StyleTable(notes));
    if (!notes.empty()) throw std::runtime_error("a note for no field: " + notes.begin()->first);
    std::ofstream out(argv[3], std::ios::binary);
    out << guide;
    return out ? 0 : 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "guide_tables: %s\n", e.what());
    return 1;
  }
}
