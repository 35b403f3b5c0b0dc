#include "commands/preview_command.h"

#include "base/files.h"
#include "base/tool_error.h"
#include "preview/preview_canvas.h"
#include "preview/preview_png.h"

namespace ostrel {

int RunPreviewCommand(COstrelExtension& widget, const std::string& outPng,
                      int width, int height) {
  if (width <= 0 || height <= 0)
    throw BadInput("preview: the size must be positive, as WIDTHxHEIGHT");
  PreviewCanvas canvas(width, height);
  if (!canvas.Ok()) throw Failure("preview: cannot make a drawing surface");
  const ORect rect = {0, 0, width, height};
  widget.Draw(canvas.Dc(), &rect);
  WriteFileBytes(PathFromUtf8(outPng), EncodePng(canvas.Snapshot()));
  return kExitOk;
}

}  // namespace ostrel
