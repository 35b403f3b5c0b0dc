#include "cart/site_warnings.h"

#include <ostream>
#include <unordered_map>

#include "framework/text.h"
#include "output/page_markup.h"
#include "publish/checkout_script.h"
#include "publish/stylesheet.h"

namespace ostrel {

namespace {

using mervane::CartSettings;
using mervane::CProduct;
using mervane::ToUtf8;

// One product as a warning names it.
struct Place {
  const NamedCart* cart;
  size_t number;  // from 1, in its cart
  const CProduct* product;
};

std::string Describe(const Place& p) {
  return p.cart->source + " product " + std::to_string(p.number) + " \"" +
         ToUtf8(p.product->productId) + "\"";
}

void Warn(std::ostream& err, const Place& at, const std::string& warning) {
  err << "ostrel: warning: " << at.cart->source << ": " << warning << "\n";
}

template <typename Visit>
void ForEachPlace(const NamedCart& cart, Visit visit) {
  size_t n = 0;
  for (const CProduct& p : cart.settings->products) visit(Place{&cart, ++n, &p});
}

const NamedCart* CartOf(const std::vector<NamedCart>& carts, const mervane::ProductList* products) {
  for (const NamedCart& cart : carts)
    if (&cart.settings->products == products) return &cart;
  return nullptr;
}

// The products of one checkout script's table, cart by cart: an id met in
// an earlier cart is compared with the entry that prices it.
void CompareSharedIds(std::ostream& err, const std::vector<NamedCart>& carts,
                      const mervane::Catalogues& shared) {
  std::unordered_map<OString, Place> pricing;
  for (const mervane::ProductList* products : shared) {
    const NamedCart* cart = CartOf(carts, products);
    ForEachPlace(*cart, [&](const Place& here) {
      auto [found, added] = pricing.try_emplace(here.product->productId, here);
      const Place& first = found->second;
      if (added || first.cart == cart) {
        found->second = here;  // within one cart PHP keeps the later entry
      } else if (first.product->name != here.product->name ||
                 first.product->price != here.product->price) {
        Warn(err, here, Describe(here) + " is \"" + ToUtf8(here.product->name) + "\" at " +
                            ToUtf8(here.product->price) + ", but " + Describe(first) + " is \"" +
                            ToUtf8(first.product->name) + "\" at " + ToUtf8(first.product->price) +
                            "; their checkout script " + ToUtf8(cart->settings->phpFileName) +
                            " takes the first");
      }
    });
  }
}

// The names of the texts in which two carts differ, comma-separated.
std::string DifferingTexts(const CartSettings& a, const CartSettings& b) {
  std::string names;
  for (const mervane::CartText& t : mervane::kCartTexts) {
    if (a.*t.field == b.*t.field) continue;
    names += (names.empty() ? "" : ", ") + std::string(t.name);
  }
  return names;
}

}  // namespace

// Pictures are compared by file name without regard to case, as the host's
// file system does; one picture used twice is no clash.
void WarnAboutPictureNames(std::ostream& err, const std::vector<NamedCart>& carts) {
  std::unordered_map<OString, Place> byName;
  for (const NamedCart& cart : carts) {
    ForEachPlace(cart, [&](const Place& here) {
      const OString& image = here.product->image;
      if (image.empty()) return;
      auto [found, added] = byName.try_emplace(mervane::ToLower(mervane::ExtractFileName(image)), here);
      if (added || found->second.product->image == image) return;
      Warn(err, here, Describe(here) + " picture \"" + ToUtf8(image) + "\" and " +
                          Describe(found->second) + " picture \"" +
                          ToUtf8(found->second.product->image) +
                          "\" share a file name, so the site shows the later for both");
      found->second = here;
    });
  }
}

// Carts publish in site order, so the last of those sharing a file writes it
// last. One warning a cart and file, against the first earlier cart that
// clashes.
void WarnAboutSharedFiles(std::ostream& err, const std::vector<NamedCart>& carts) {
  using Clash = std::string (*)(const CartSettings& later, const NamedCart& earlier);
  const Clash clashes[] = {
      [](const CartSettings& later, const NamedCart& earlier) {
        const std::string texts = DifferingTexts(later, *earlier.settings);
        if (texts.empty()) return texts;
        return "its texts differ from " + earlier.source + "'s (" + texts + "), but every cart of the site fills one " +
               std::string(mervane::kCartScriptFileName) + ", so each shows the texts of the last cart published";
      },
      [](const CartSettings& later, const NamedCart& earlier) {
        const CartSettings& e = *earlier.settings;
        if (mervane::ToLower(e.cssFileName) != mervane::ToLower(later.cssFileName) ||
            mervane::BuildStylesheet(e) == mervane::BuildStylesheet(later))
          return std::string();
        return "its styles differ from " + earlier.source + "'s, but both publish the stylesheet " +
               ToUtf8(later.cssFileName) + ", so each shows the styles of the last cart published";
      }};
  for (size_t i = 1; i < carts.size(); ++i) {
    for (Clash clash : clashes) {
      for (size_t j = 0; j < i; ++j) {
        const std::string warning = clash(*carts[i].settings, carts[j]);
        if (warning.empty()) continue;
        Warn(err, Place{&carts[i], 0, nullptr}, warning);
        break;
      }
    }
  }
}

void WarnAboutSharedIds(std::ostream& err, const std::vector<NamedCart>& carts) {
  std::vector<const CartSettings*> all;
  for (const NamedCart& cart : carts) all.push_back(cart.settings);
  for (const NamedCart& cart : carts) {
    if (cart.settings->paymentProcessor != mervane::kBuiltInScript) continue;
    const mervane::Catalogues shared = mervane::SharedCatalogues(*cart.settings, all);
    // Each script once: from the first cart that publishes it.
    if (shared.size() > 1 && shared.front() == &cart.settings->products)
      CompareSharedIds(err, carts, shared);
  }
}

}  // namespace ostrel
