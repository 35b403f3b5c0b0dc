// The carts of the open project. The host creates one extension object per
// cart widget, and each object lists its settings here for its lifetime, so
// that publishing one cart can see every other.
#ifndef MERVANE_HOST_OPEN_CARTS_H_
#define MERVANE_HOST_OPEN_CARTS_H_

#include <vector>

#include "model/cart_settings.h"

namespace mervane {

class OpenCart {
 public:
  // Throws when the list cannot grow; CreateExtensionObject answers null.
  explicit OpenCart(const CartSettings& settings);
  ~OpenCart();
  OpenCart(const OpenCart&) = delete;
  OpenCart& operator=(const OpenCart&) = delete;

  // The settings of every open cart, in the order the host created them.
  static const std::vector<const CartSettings*>& All() noexcept;

 private:
  const CartSettings& settings_;
};

}  // namespace mervane

#endif  // MERVANE_HOST_OPEN_CARTS_H_
