#include <cstdio>
#include <string>

#include "base/tool_error.h"
#include "cart/definition.h"
#include "commands/commands.h"
#include "commands/preview_command.h"
#include "widget/widget_host.h"

namespace ostrel {

namespace {

struct Size {
  int width = 0;
  int height = 0;
};

// "WxH" with two positive numbers.
Size ParseSize(const std::string& text) {
  Size size;
  char extra = 0;
  if (std::sscanf(text.c_str(), "%dx%d%c", &size.width, &size.height, &extra) != 2 ||
      size.width <= 0 || size.height <= 0) {
    throw BadInput("--size: expected WIDTHxHEIGHT, for example 300x200, got \"" + text + "\"");
  }
  return size;
}

}  // namespace

// Paints the widget's design-view placeholder into a PNG, at --size or, when
// that is left out, at the size of the definition's bounds.
int RunPreview(Invocation& in) {
  const mervane::CartSettings settings = ReadDefinition(in.PathOperand(0));
  const ORect& b = settings.bounds;
  const Size size = ParseSize(in.Option(
      "size", std::to_string(b.right - b.left) + "x" + std::to_string(b.bottom - b.top)));
  Widget widget = OpenWidget(in.Module(), settings);
  return RunPreviewCommand(*widget, in.Operand(1), size.width, size.height);
}

}  // namespace ostrel
