#include "output/page_markup.h"

#include "framework/text.h"
#include "framework/text_length.h"
#include "model/publish_folders.h"
#include "platform/files.h"

namespace mervane {

namespace {

OStringView FileNamePart(const OString& path) {
  size_t slash = path.find_last_of(platform::FileNameSeparators());
  return slash == OString::npos ? OStringView(path) : OStringView(path).substr(slash + 1);
}

// Where the published copy of a product's picture lies, relative to the page.
template <typename Out>
void AppendPictureReference(Out& out, const CartSettings& settings, const OString& image) {
  const OString folder = GetPublishSubFolder(settings.publishFolders, image);
  if (!folder.empty()) {
    out += folder;
    out += OSTR('/');
  }
  out += FileNamePart(image);
}

template <typename Out>
void AppendProductLine(Out& out, const CartSettings& settings, const CProduct& p) {
  out += OSTR("<input type=\"hidden\" pimage=\"");
  AppendPictureReference(out, settings, p.image);
  out += OSTR("\" pprice=\"");
  out += p.price;
  out += OSTR("\" pdesc=\"");
  AppendEncodedHtml(out, p.description);
  out += OSTR("\" pcategory=\"");
  AppendEncodedHtml(out, p.category);
  out += OSTR("\" pname=\"");
  AppendEncodedHtml(out, p.name);
  out += OSTR("\" pid=\"");
  out += p.productId;
  out += OSTR("\">\r\n");
}

template <typename Out>
void AppendPageMarkup(Out& out, const CartSettings& settings) {
  out += OSTR("<form action=\"");
  if (settings.paymentProcessor == kBuiltInScript) out += settings.phpFileName;
  out += OSTR("\" method=\"post\">\r\n");
  out += OSTR("<div id=\"$ID$\" class=\"mvMain\">\r\n");
  for (const CProduct& p : settings.products) AppendProductLine(out, settings, p);
  out += OSTR("</div>\r\n");
  out += OSTR("</form>\r\n");
}

}  // namespace

OString BuildPageMarkup(const CartSettings& settings) {
  return BuildSized([&settings](auto& out) { AppendPageMarkup(out, settings); });
}

OString EncodeHtml(const OString& text) {
  return BuildSized([&text](auto& out) { AppendEncodedHtml(out, text); });
}

OString ExtractFileName(const OString& path) { return OString(FileNamePart(path)); }

}  // namespace mervane
