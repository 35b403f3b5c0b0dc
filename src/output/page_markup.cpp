#include "output/page_markup.h"

#include <cstdio>

#include "framework/text.h"
#include "model/publish_folders.h"
#include "platform/files.h"

namespace mervane {

namespace {

// Where the published copy of a product's picture lies, relative to the page.
OString PictureReference(const CartSettings& settings, const OString& image) {
  OString folder = GetPublishSubFolder(settings.publishFolders, image);
  if (!folder.empty()) folder += OSTR('/');
  return folder + ExtractFileName(image);
}

void AppendProductLine(OString& out, const CartSettings& settings,
                       const CProduct& p) {
  out += OSTR("<input type=\"hidden\" pimage=\"");
  out += PictureReference(settings, p.image);
  out += OSTR("\" pprice=\"");
  out += p.price;
  out += OSTR("\" pdesc=\"");
  out += EncodeHtml(p.description);
  out += OSTR("\" pcategory=\"");
  out += EncodeHtml(p.category);
  out += OSTR("\" pname=\"");
  out += EncodeHtml(p.name);
  out += OSTR("\" pid=\"");
  out += p.productId;
  out += OSTR("\">\r\n");
}

}  // namespace

OString BuildPageMarkup(const CartSettings& settings) {
  OString out = OSTR("<form action=\"");
  if (settings.paymentProcessor == kBuiltInScript) out += settings.phpFileName;
  out += OSTR("\" method=\"post\">\r\n");
  out += OSTR("<div id=\"$ID$\" class=\"mvMain\">\r\n");
  for (const CProduct& p : settings.products) AppendProductLine(out, settings, p);
  out += OSTR("</div>\r\n");
  out += OSTR("</form>\r\n");
  return out;
}

OString EncodeHtml(const OString& text) {
  OString out;
  out.reserve(text.size());
  for (OChar c : text) {
    const char16_t unit = static_cast<char16_t>(c);
    switch (unit) {
      case u'\n': out += OSTR("<br>"); break;
      case u'\r': break;
      case u'"': out += OSTR("&quot;"); break;
      case u'\'': out += OSTR("&#39;"); break;
      case u'&': out += OSTR("&amp;"); break;
      case u'<': out += OSTR("&lt;"); break;
      case u'>': out += OSTR("&gt;"); break;
      default:
        if (unit > 127) {
          out += OSTR("&#");
          out += IntToText(unit);
          out += OSTR(';');
        } else if (unit != 0) {
          out += c;
        }
    }
  }
  return out;
}

OString ExtractFileName(const OString& path) {
  size_t slash = path.find_last_of(platform::FileNameSeparators());
  return slash == OString::npos ? path : path.substr(slash + 1);
}

}  // namespace mervane
