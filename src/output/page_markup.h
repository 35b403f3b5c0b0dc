// The markup that stands at the widget's place on a page.
#ifndef MERVANE_OUTPUT_PAGE_MARKUP_H_
#define MERVANE_OUTPUT_PAGE_MARKUP_H_

#include "model/cart_settings.h"
#include "ostrel/types.h"

namespace mervane {

// A form, the "$ID$" container and one hidden input per product.
OString BuildPageMarkup(const CartSettings& settings);

// Makes text safe for an HTML attribute value; line feeds become "<br>".
OString EncodeHtml(const OString& text);

// The file name at the end of a stored picture path: the part after its last
// separator ("\\"; on Linux also "/"), or the whole path.
OString ExtractFileName(const OString& path);

}  // namespace mervane

#endif  // MERVANE_OUTPUT_PAGE_MARKUP_H_
