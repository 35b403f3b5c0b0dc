#include "publish/publish_driver.h"

#include <string_view>

#include "framework/text.h"
#include "output/page_markup.h"
#include "platform/files.h"
#include "publish/cart_script.h"
#include "publish/checkout_script.h"
#include "publish/publish_files.h"
#include "publish/stylesheet.h"

namespace mervane {

namespace {

constexpr std::string_view kCartScriptType = "JS";

// Each picture goes by its own file name into its type's sub-folder; a copy
// that fails (no picture, empty path) is left out.
void CopyPictures(const CartSettings& settings, const OString& folder) {
  for (const CProduct& product : settings.products) {
    OString target = folder +
                     PrepareImagesFolder(settings.publishFolders, folder, product.image) +
                     ExtractFileName(product.image);
    platform::CopyFileReplacing(product.image, target);
  }
}

// The raw resource is extracted first, then read back, filled and rewritten.
void PublishCartScript(const CartSettings& settings, const OString& folder) {
  OString sub = PrepareImagesFolder(settings.publishFolders, folder, OSTR("x.js"));
  ExtractResourceFile(kCartScriptFileName, kCartScriptType, folder + sub);
  OString path = JoinPath(folder, sub + FromAscii(kCartScriptFileName));
  WriteTextFile(path, FillCartScriptPlaceholders(settings, ReadAnsiTextFile(path)));
}

void PublishStylesheet(const CartSettings& settings, const OString& folder) {
  OString sub = PrepareImagesFolder(settings.publishFolders, folder, OSTR("x.css"));
  WriteTextFile(folder + sub + settings.cssFileName, BuildStylesheet(settings));
}

// Always in the publish folder itself. False when it cannot be written.
bool PublishCheckoutScript(const CartSettings& settings, const OString& folder,
                           const Catalogues& catalogues) {
  OString script = ShownCheckoutScript(settings.checkoutScript);
  return WriteTextFile(folder + settings.phpFileName, ReplaceProducts(catalogues, script));
}

}  // namespace

int32_t CopyFiles(const CartSettings& settings, const OString& publishFolder,
                  const Catalogues& checkoutCatalogues) {
  CopyPictures(settings, publishFolder);
  PublishCartScript(settings, publishFolder);
  PublishStylesheet(settings, publishFolder);
  if (settings.paymentProcessor == kBuiltInScript &&
      !PublishCheckoutScript(settings, publishFolder, checkoutCatalogues))
    return 0;
  return 1;
}

int32_t CopyFiles(const CartSettings& settings, const OString& publishFolder) {
  return CopyFiles(settings, publishFolder, Catalogues{&settings.products});
}

}  // namespace mervane
