#include "site/page_builder.h"

#include <algorithm>
#include <string_view>

namespace ostrel {

namespace {

constexpr std::string_view kEol = "\r\n";

std::string EscapeText(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      default: out += c;
    }
  }
  return out;
}

std::string Px(int32_t value) { return std::to_string(value) + "px"; }

// Every line of the widgets' head texts, each once, in order.
std::vector<std::string> HeadLines(const std::vector<PageWidgetText>& widgets) {
  std::vector<std::string> lines;
  for (const PageWidgetText& w : widgets) {
    size_t start = 0;
    while (start < w.head.size()) {
      size_t end = w.head.find('\n', start);
      if (end == std::string::npos) end = w.head.size();
      std::string line = w.head.substr(start, end - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      if (!line.empty() && std::find(lines.begin(), lines.end(), line) == lines.end()) {
        lines.push_back(line);
      }
      start = end + 1;
    }
  }
  return lines;
}

// "Page - Site", or whichever of the two is given.
std::string PageTitle(const PageText& page) {
  if (page.title.empty() || page.siteTitle.empty()) return page.title + page.siteTitle;
  return page.title + " - " + page.siteTitle;
}

void AppendHead(std::string& out, const PageText& page) {
  out += "<head>\r\n<meta charset=\"utf-8\">\r\n"
         "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\r\n<title>" +
         EscapeText(PageTitle(page)) + "</title>\r\n";
  for (const std::string& src : page.scripts) {
    out += "<script type=\"text/javascript\" src=\"" + src + "\"></script>\r\n";
  }
  for (const std::string& line : HeadLines(page.widgets)) out += line + std::string(kEol);
  out += page.siteHead;
  if (!page.siteHead.empty() && !page.siteHead.ends_with('\n')) out += kEol;
  out += "</head>\r\n";
}

// The widgets share one grid cell, each offset by its margins, so that the
// area grows with whatever a widget's content takes beyond its box (a cart's
// menu and bottom bars come on top of its height), and no scroll box is
// nested around a widget. On a screen narrower than the area the widgets
// narrow with it (to the right of their left edge), and a cart restacks.
void AppendWidgets(std::string& out, const std::vector<PageWidgetText>& widgets) {
  int32_t width = 0;
  for (const PageWidgetText& w : widgets) width = std::max<int32_t>(width, w.bounds.right);
  out += "<div id=\"widgets\" style=\"display:grid;grid-template-columns:minmax(0,1fr);margin:0 auto;width:" + Px(width) +
         ";max-width:100%;\">\r\n";
  int z = 0;
  for (const PageWidgetText& w : widgets) {
    const ORect& b = w.bounds;
    out += "<div id=\"wb_" + w.elementId + "\" style=\"grid-area:1/1;align-self:start;margin:" +
           Px(b.top) + " 0 0 " + Px(b.left) + ";width:" + Px(b.right - b.left) +
           ";max-width:calc(100% - " + Px(b.left) + ");min-height:" + Px(b.bottom - b.top) +
           ";position:relative;z-index:" + std::to_string(++z) + ";\">\r\n" + w.markup + "</div>\r\n";
  }
  out += "</div>\r\n";
}

void AppendReadyHandler(std::string& out, const std::vector<PageWidgetText>& widgets) {
  out += "<script type=\"text/javascript\">\r\n$(document).ready(function()\r\n{\r\n";
  for (const PageWidgetText& w : widgets) out += w.ready;
  out += "});\r\n</script>\r\n";
}

}  // namespace

std::string BuildPage(const PageText& page) {
  std::string out = "<!DOCTYPE html>\r\n<html lang=\"en\">\r\n";
  AppendHead(out, page);
  out += "<body>\r\n<main>\r\n";
  out += page.html;
  if (!page.html.empty() && !page.html.ends_with('\n')) out += kEol;
  if (!page.widgets.empty()) AppendWidgets(out, page.widgets);
  out += "</main>\r\n";
  if (!page.widgets.empty()) AppendReadyHandler(out, page.widgets);
  out += "</body>\r\n</html>\r\n";
  return out;
}

}  // namespace ostrel
