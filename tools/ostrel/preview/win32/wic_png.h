// PNG files written by the Windows Imaging Component.
#ifndef OSTREL_TOOL_WIC_PNG_H_
#define OSTREL_TOOL_WIC_PNG_H_

#include <string>

#include "preview/preview_canvas.h"

namespace ostrel {

// The bytes of an 8-bit RGB PNG file of the picture; empty when the
// component fails.
std::string WicPng(const Image& image);

}  // namespace ostrel

#endif  // OSTREL_TOOL_WIC_PNG_H_
