#include "host/open_carts.h"

#include <algorithm>

namespace mervane {

namespace {

// One host thread calls every operation, so the list needs no lock.
std::vector<const CartSettings*>& Carts() noexcept {
  static std::vector<const CartSettings*> carts;
  return carts;
}

}  // namespace

OpenCart::OpenCart(const CartSettings& settings) : settings_(settings) {
  Carts().push_back(&settings_);
}

OpenCart::~OpenCart() {
  std::vector<const CartSettings*>& carts = Carts();
  carts.erase(std::find(carts.begin(), carts.end(), &settings_));
}

const std::vector<const CartSettings*>& OpenCart::All() noexcept { return Carts(); }

}  // namespace mervane
