// Warnings about a cart that publishes, but not as its author meant. Each
// is one line on `err`, "ostrel: warning: SOURCE: ...", and the cart is used
// as it is.
#ifndef OSTREL_TOOL_CART_WARNINGS_H_
#define OSTREL_TOOL_CART_WARNINGS_H_

#include <iosfwd>
#include <string>

#include "model/cart_settings.h"

namespace ostrel {

// The characters in the cart's texts that the page code or a published file
// carries unchanged and that break it there.
void WarnAboutTexts(std::ostream& err, const std::string& source,
                    const mervane::CartSettings& settings);

// Every product whose picture file cannot be read: CopyFiles skips its copy
// without a word, and the published page shows a broken picture.
void WarnAboutPictures(std::ostream& err, const std::string& source,
                       const mervane::CartSettings& settings);

// A cart whose stylesheet makes it taller than its box on the page: the
// menu and bottom bars come on top of the box's height.
void WarnAboutHeight(std::ostream& err, const std::string& source,
                     const mervane::CartSettings& settings);

}  // namespace ostrel

#endif  // OSTREL_TOOL_CART_WARNINGS_H_
