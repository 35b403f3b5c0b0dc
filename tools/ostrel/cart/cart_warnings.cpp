#include "cart/cart_warnings.h"

#include <filesystem>
#include <fstream>
#include <ostream>

#include "base/files.h"
#include "framework/text.h"
#include "publish/authoring_checks.h"
#include "publish/stylesheet.h"

namespace ostrel {

namespace {

void Warn(std::ostream& err, const std::string& source, const std::string& warning) {
  err << "ostrel: warning: " << source << ": " << warning << "\n";
}

bool Readable(const std::filesystem::path& file) {
  std::error_code error;
  return std::filesystem::is_regular_file(file, error) && std::ifstream(file).is_open();
}

}  // namespace

void WarnAboutTexts(std::ostream& err, const std::string& source,
                    const mervane::CartSettings& settings) {
  for (const std::string& warning : mervane::AuthoringWarnings(settings))
    Warn(err, source, warning);
}

// A product without a picture is left alone: it has none to lose.
void WarnAboutPictures(std::ostream& err, const std::string& source,
                       const mervane::CartSettings& settings) {
  size_t n = 0;
  for (const mervane::CProduct& p : settings.products) {
    ++n;
    const std::string picture = mervane::ToUtf8(p.image);
    if (picture.empty() || Readable(PathFromUtf8(picture))) continue;
    Warn(err, source,
         "product " + std::to_string(n) + " \"" + mervane::ToUtf8(p.productId) + "\" picture \"" +
             picture + "\" cannot be read, so publishing copies none");
  }
}

void WarnAboutHeight(std::ostream& err, const std::string& source,
                     const mervane::CartSettings& settings) {
  const int32_t box = settings.bounds.bottom - settings.bounds.top;
  const int32_t cart = mervane::CartHeight(settings);
  if (cart <= box) return;
  Warn(err, source,
       "the cart is " + std::to_string(cart) + " px high, " + std::to_string(cart - box) +
           " px more than its " + std::to_string(box) +
           " px box: its menu and bottom bars come on top of the box's height, and the "
           "page's widget area grows to hold them");
}

}  // namespace ostrel
