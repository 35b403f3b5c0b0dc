// Carts of a chosen size for the benchmarks.
#ifndef MERVANE_BENCHMARKS_BENCH_CARTS_H_
#define MERVANE_BENCHMARKS_BENCH_CARTS_H_

#include <string>

#include "framework/text.h"
#include "model/cart_settings.h"

namespace mervane::bench {

// A cart of n products with realistic field lengths.
inline CartSettings CartWithProducts(size_t n) {
  CartSettings cart;
  cart.products.Resize(n);
  for (size_t i = 0; i < n; ++i) {
    CProduct& p = cart.products[i];
    std::string k = std::to_string(i);
    p.name = FromAscii("Sourdough loaf no. " + k);
    p.price = FromAscii(std::to_string(1 + i % 40) + ".95");
    p.image = FromAscii("C:\\Shop\\Pictures\\loaf_" + k + ".jpg");
    p.description = FromAscii("Slow-fermented rye and wheat, baked daily.\r\nBatch " + k);
    p.productId = FromAscii("SKU" + k);
    p.category = i % 3 == 0 ? OSTR("Breads") : (i % 3 == 1 ? OSTR("Cakes") : OSTR("Pastries"));
  }
  return cart;
}

}  // namespace mervane::bench

#endif  // MERVANE_BENCHMARKS_BENCH_CARTS_H_
