#include <array>
#include <ostream>
#include <string_view>

#include "base/tool_error.h"
#include "cart/cart_warnings.h"
#include "cart/definition.h"
#include "commands/invocation.h"
#include "framework/text.h"
#include "widget/widget_host.h"

namespace ostrel {

namespace {

struct PagePart {
  std::string_view name;
  OString (*ask)(COstrelExtension&);
};

OString ResourceLines(COstrelExtension& widget) {
  OStringList resources;
  widget.IncludeResource(resources);
  OString lines;
  for (const OString& name : resources) lines += name + OSTR("\n");
  return lines;
}

const std::array<PagePart, 4> kParts = {{
    {"html", [](COstrelExtension& w) { return w.GetHtml(OString()); }},
    {"head", [](COstrelExtension& w) { return w.GetHeaderHtml(); }},
    {"ready", [](COstrelExtension& w) { return w.GetDocumentReadyScript(); }},
    {"resources", ResourceLines},
}};

const PagePart& FindPart(const std::string& name) {
  for (const PagePart& part : kParts) {
    if (part.name == name) return part;
  }
  throw BadInput("render: unknown part \"" + name + "\" (html, head, ready, resources)");
}

}  // namespace

// Prints one of the texts the host asks a widget for, with "$ID$" replaced
// by the widget's element id unless --raw is given.
int RunRender(Invocation& in) {
  const PagePart& part = FindPart(in.Operand(1));
  mervane::CartSettings settings = ReadDefinition(in.PathOperand(0));
  WarnAboutTexts(in.err, in.Operand(0), settings);
  Widget widget = OpenWidget(in.Module(), settings);
  OString text = part.ask(*widget);
  if (!in.Has("raw")) text = ReplaceIdToken(text, ElementId(settings.id));
  in.out << mervane::ToUtf8(text);
  return 0;
}

}  // namespace ostrel
