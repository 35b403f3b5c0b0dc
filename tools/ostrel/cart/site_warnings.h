// Warnings about carts that publish into one site folder and get in each
// other's way there. Each is one line on `err`, "ostrel: warning: SOURCE:
// ...", and every cart is published as it is.
#ifndef OSTREL_TOOL_SITE_WARNINGS_H_
#define OSTREL_TOOL_SITE_WARNINGS_H_

#include <iosfwd>
#include <string>
#include <vector>

#include "model/cart_settings.h"

namespace ostrel {

// A cart as the warnings name it: its definition file and its settings.
struct NamedCart {
  std::string source;
  const mervane::CartSettings* settings;
};

// Two products, in one cart or two, whose different pictures share a file
// name: publishing copies both to one file, and the later in publishing
// order is the one the site shows for both.
void WarnAboutPictureNames(std::ostream& err, const std::vector<NamedCart>& carts);

// Carts whose texts differ, which all fill the one cart script, or whose
// styles differ under one stylesheet name: the site keeps the last cart's.
void WarnAboutSharedFiles(std::ostream& err, const std::vector<NamedCart>& carts);

// A product id that carts sharing one checkout script give different names
// or prices: the script prices every order from the first of those carts.
void WarnAboutSharedIds(std::ostream& err, const std::vector<NamedCart>& carts);

}  // namespace ostrel

#endif  // OSTREL_TOOL_SITE_WARNINGS_H_
