// Carts and texts shared by the page-text and publish generator tests.
#ifndef MERVANE_TESTS_UNIT_OUTPUT_CART_FIXTURES_H_
#define MERVANE_TESTS_UNIT_OUTPUT_CART_FIXTURES_H_

#include <string_view>

#include "model/cart_settings.h"
#include "test_support.h"

namespace mervane::testing {

inline CProduct Product(std::string_view id, std::string_view name,
                        std::string_view price) {
  CProduct p;
  p.productId = U(id);
  p.name = U(name);
  p.price = U(price);
  return p;
}

// Cake (SKU1, 10.00) and Tea (SKU2, 2.50), checked out through `processor`.
inline CartSettings CakeAndTeaCart(int32_t processor) {
  CartSettings c;
  c.paymentProcessor = processor;
  c.products.Append(Product("SKU1", "Cake", "10.00"));
  c.products.Append(Product("SKU2", "Tea", "2.50"));
  return c;
}

// Expected texts are written with "\n" line ends and compared as "\r\n".
inline OString Crlf(std::string_view text) {
  OString out = U(text);
  ReplaceAll(out, OSTR("\n"), OSTR("\r\n"));
  return out;
}

}  // namespace mervane::testing

#endif  // MERVANE_TESTS_UNIT_OUTPUT_CART_FIXTURES_H_
