// The text of one published page: head lines, the shared scripts, the
// site author's HTML, every widget's markup at its place and one
// document-ready handler with every widget's script.
#ifndef OSTREL_TOOL_PAGE_BUILDER_H_
#define OSTREL_TOOL_PAGE_BUILDER_H_

#include <string>
#include <vector>

#include "ostrel/types.h"

namespace ostrel {

// What one widget gives the page, in UTF-8 with "$ID$" already replaced.
struct PageWidgetText {
  std::string elementId;
  ORect bounds{};
  std::string markup;
  std::string head;
  std::string ready;
};

struct PageText {
  std::string title;
  std::string siteTitle;
  std::string siteHead;
  std::string html;
  std::vector<std::string> scripts;  // shared scripts, relative to the page
  std::vector<PageWidgetText> widgets;
};

// Widgets are placed at their bounds inside one area that grows with their
// content; head lines that several widgets give appear once.
std::string BuildPage(const PageText& page);

}  // namespace ostrel

#endif  // OSTREL_TOOL_PAGE_BUILDER_H_
