#include <cstdio>
#include <string>

#include "base/files.h"
#include "base/tool_error.h"
#include "cart/definition.h"
#include "commands/invocation.h"
#include "preview/preview_canvas.h"
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

// Paints the widget's design-view placeholder on a white canvas, in the
// rectangle that covers it, and writes the picture as a PNG; the size is
// --size or, when that is left out, the size of the definition's bounds.
int RunPreview(Invocation& in) {
  const mervane::CartSettings settings = ReadDefinition(in.PathOperand(0));
  const ORect& b = settings.bounds;
  const Size size = ParseSize(in.Option(
      "size", std::to_string(b.right - b.left) + "x" + std::to_string(b.bottom - b.top)));
  Widget widget = OpenWidget(in.Module(), settings);
  PreviewCanvas canvas(size.width, size.height);
  if (!canvas.Ok()) throw Failure("preview: cannot make a drawing surface");
  const ORect rect = {0, 0, size.width, size.height};
  widget->Draw(canvas.Dc(), &rect);
  const std::string png = canvas.Png();
  if (png.empty()) throw Failure("preview: cannot encode the picture as PNG");
  WriteFileBytes(in.PathOperand(1), png);
  return kExitOk;
}

}  // namespace ostrel
