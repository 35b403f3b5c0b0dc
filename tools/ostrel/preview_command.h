// `ostrel preview`: paints a widget's design-view placeholder into a PNG.
#ifndef OSTREL_TOOLS_PREVIEW_COMMAND_H_
#define OSTREL_TOOLS_PREVIEW_COMMAND_H_

#include <string>

#include "ostrel/extension.h"

namespace ostrel {

// Creates a white width x height canvas, lets the widget draw itself into
// the rectangle (0, 0, width, height) and writes the picture to outPng.
// Returns the program's exit status: 0 on success, 1 when the size is not
// positive or the file cannot be written (a message goes to stderr).
int RunPreviewCommand(COstrelExtension& widget, const std::string& outPng,
                      int width, int height);

}  // namespace ostrel

#endif  // OSTREL_TOOLS_PREVIEW_COMMAND_H_
