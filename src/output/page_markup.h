// The markup that stands at the widget's place on a page.
#ifndef MERVANE_OUTPUT_PAGE_MARKUP_H_
#define MERVANE_OUTPUT_PAGE_MARKUP_H_

#include "framework/text.h"
#include "model/cart_settings.h"
#include "ostrel/types.h"
#include "output/quoting.h"

namespace mervane {

// A form, the "$ID$" container and one hidden input per product.
OString BuildPageMarkup(const CartSettings& settings);

// A product's id and price stand as typed in double-quoted attributes; its
// other texts are encoded.
inline constexpr Quoting kProductIdAttribute{OSTR("\""), OSTR(""), false,
                                             "the page markup's pid attribute"};
inline constexpr Quoting kProductPriceAttribute{OSTR("\""), OSTR(""), false,
                                                "the page markup's pprice attribute"};

// Makes text safe for an HTML attribute value; line feeds become "<br>".
OString EncodeHtml(const OString& text);

// EncodeHtml, written onto `out` (a string, a TextLength, or anything with
// += for text and characters).
template <typename Out>
void AppendEncodedHtml(Out& out, const OString& text) {
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
}

// The file name at the end of a stored picture path: the part after its last
// separator ("\\"; on Linux also "/"), or the whole path.
OString ExtractFileName(const OString& path);

}  // namespace mervane

#endif  // MERVANE_OUTPUT_PAGE_MARKUP_H_
