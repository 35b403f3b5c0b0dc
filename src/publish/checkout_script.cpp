#include "publish/checkout_script.h"

#include <string>

#include "framework/text.h"
#include "output/page_markup.h"
#include "platform/platform.h"

namespace mervane {

namespace {

// The text as the inside of a PHP string literal: a backslash before every
// character in `special`. PHP reads back exactly the stored text, and no
// catalogue entry can end the literal early; text without those characters
// is written unchanged.
OString PhpLiteralBody(const OString& text, const OString& special) {
  OString out;
  out.reserve(text.size());
  for (OChar c : text) {
    if (special.find(c) != OString::npos) out += OSTR('\\');
    out += c;
  }
  return out;
}

OString SingleQuoted(const OString& text) {
  return PhpLiteralBody(text, OSTR("\\'"));
}

OString DoubleQuoted(const OString& text) {
  return PhpLiteralBody(text, OSTR("\\\"$"));
}

// One "   \"id\" =>array(...),\r\n" entry of the PHP product table.
void AppendProductEntry(OString& out, const CProduct& p) {
  out += OSTR("   \"");
  out += DoubleQuoted(p.productId);
  out += OSTR("\" =>array('product_id'=>'");
  out += SingleQuoted(p.productId);
  out += OSTR("', 'product_name'=>'");
  out += SingleQuoted(EncodeHtml(p.name));
  out += OSTR("', 'product_price'=>'");
  out += SingleQuoted(p.price);
  out += OSTR("'),\r\n");
}

bool IsEntrySeparator(OChar c) {
  return c == OSTR(',') || c == OSTR('\r') || c == OSTR('\n');
}

// The PHP array literal, keyed by product id, in catalogue order.
OString BuildProductTable(const ProductList& products) {
  OString out = OSTR("array(\r\n");
  for (const CProduct& p : products) AppendProductEntry(out, p);
  while (IsEntrySeparator(out.back())) out.pop_back();
  out += OSTR(')');
  return out;
}

}  // namespace

OString GetDefaultCheckoutScript() {
  std::string bytes;
  platform::LoadModuleResource("MERVANE_CHECKOUT.PHP", "PHP", bytes);
  return FromUtf8(bytes);
}

OString ShownCheckoutScript(const OString& stored) {
  return stored.empty() ? GetDefaultCheckoutScript() : stored;
}

OString StoredCheckoutScript(const OString& shown) {
  return shown == GetDefaultCheckoutScript() ? OString() : shown;
}

OString ReplaceProducts(const ProductList& products, OString text) {
  ReplaceAll(text, OSTR("_PRODUCTS_"), BuildProductTable(products));
  return text;
}

}  // namespace mervane
