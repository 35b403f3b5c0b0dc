// `ostrel preview`: paints a widget's design-view placeholder into a PNG.
#ifndef OSTREL_TOOL_PREVIEW_COMMAND_H_
#define OSTREL_TOOL_PREVIEW_COMMAND_H_

#include <string>

#include "ostrel/extension.h"

namespace ostrel {

// Creates a white width x height canvas, lets the widget draw itself into
// the rectangle (0, 0, width, height) and writes the picture to outPng.
// Returns 0. Throws ToolError: BadInput when a side is not positive, Failure
// when the canvas cannot be made or the file cannot be written.
int RunPreviewCommand(COstrelExtension& widget, const std::string& outPng,
                      int width, int height);

}  // namespace ostrel

#endif  // OSTREL_TOOL_PREVIEW_COMMAND_H_
