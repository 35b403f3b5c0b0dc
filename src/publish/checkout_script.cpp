#include "publish/checkout_script.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_set>
#include <utility>
#include <vector>

#include "framework/text.h"
#include "framework/text_length.h"
#include "model/product_walk.h"
#include "output/page_markup.h"
#include "platform/platform.h"

namespace mervane {

namespace {

// Writes text on to `out` as the inside of a PHP string literal: a
// backslash before every character in `special`. PHP reads back exactly the
// stored text, and no catalogue entry can end the literal early; text
// without those characters is written unchanged.
template <typename Out>
class PhpLiteralBody {
 public:
  PhpLiteralBody(Out& out, OStringView special) : out_(out), special_(special) {}
  PhpLiteralBody& operator+=(OStringView text) {
    for (OChar c : text) *this += c;
    return *this;
  }
  PhpLiteralBody& operator+=(OChar c) {
    if (special_.find(c) != OStringView::npos) out_ += OSTR('\\');
    out_ += c;
    return *this;
  }

 private:
  Out& out_;
  OStringView special_;
};

// One "   \"id\" =>array(...)" entry of the PHP product table.
template <typename Out>
void AppendProductEntry(Out& out, const CProduct& p) {
  out += OSTR("   \"");
  PhpLiteralBody<Out>(out, kCheckoutTableKey.escaped) += p.productId;
  out += OSTR("\" =>array('product_id'=>'");
  PhpLiteralBody<Out>(out, kCheckoutTableValue.escaped) += p.productId;
  out += OSTR("', 'product_name'=>'");
  PhpLiteralBody<Out> name(out, kCheckoutTableValue.escaped);
  AppendEncodedHtml(name, p.name);
  out += OSTR("', 'product_price'=>'");
  PhpLiteralBody<Out>(out, kCheckoutTableValue.escaped) += p.price;
  out += OSTR("')");
}

// The PHP array literal, keyed by product id, in catalogue order; an id
// that an earlier catalogue holds is left out of the later ones.
template <typename Out>
void AppendProductTable(Out& out, const Catalogues& catalogues) {
  out += OSTR("array(");
  const OChar* separator = OSTR("\r\n");
  std::unordered_set<OStringView> earlier;
  for (size_t i = 0; i < catalogues.size(); ++i) {
    ForEachProduct(*catalogues[i], [&](const CProduct& p) {
      if (!earlier.empty() && earlier.count(p.productId) != 0) return;
      out += separator;
      AppendProductEntry(out, p);
      separator = OSTR(",\r\n");
    });
    if (i + 1 == catalogues.size()) break;
    for (const CProduct& p : *catalogues[i]) earlier.insert(p.productId);
  }
  out += OSTR(')');
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

// Every "_PRODUCTS_", left to right, becomes the table, written straight
// into a result sized beforehand.
OString ReplaceProducts(const Catalogues& catalogues, OString text) {
  const OStringView token = OSTR("_PRODUCTS_");
  const OStringView view(text);
  std::vector<size_t> hits;
  for (size_t hit = view.find(token); hit != OStringView::npos;
       hit = view.find(token, hit + token.size()))
    hits.push_back(hit);
  if (hits.empty()) return text;
  return BuildSized([&](auto& out) {
    size_t start = 0;
    for (size_t hit : hits) {
      out += view.substr(start, hit - start);
      AppendProductTable(out, catalogues);
      start = hit + token.size();
    }
    out += view.substr(start);
  });
}

OString ReplaceProducts(const ProductList& products, OString text) {
  return ReplaceProducts(Catalogues{&products}, std::move(text));
}

Catalogues SharedCatalogues(const CartSettings& cart,
                            const std::vector<const CartSettings*>& carts) {
  Catalogues shared;
  for (const CartSettings* other : carts) {
    if (other == &cart || (other->paymentProcessor == kBuiltInScript &&
                           other->phpFileName == cart.phpFileName))
      shared.push_back(&other->products);
  }
  if (std::find(carts.begin(), carts.end(), &cart) == carts.end())
    shared.insert(shared.begin(), &cart.products);
  return shared;
}

}  // namespace mervane
