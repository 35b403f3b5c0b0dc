#include "model/product.h"

#include <algorithm>

#include "framework/archive.h"
#include "platform/platform.h"

namespace mervane {

namespace {
constexpr int32_t kProductVersion = 100;
}

void CProduct::Serialize(Archive& ar) {
  int32_t version = kProductVersion;
  ar.Serialize(version);
  ar.Serialize(name);
  ar.Serialize(description);
  ar.Serialize(reserved2);
  ar.Serialize(productId);
  ar.Serialize(image);
  ar.Serialize(price);
  ar.Serialize(reserved1);
  ar.Serialize(reserved3);
  ar.Serialize(category);
  ar.Serialize(reservedList1);
  ar.Serialize(reservedList2);
}

// Growing past the capacity takes the whole new block at once, so a large
// catalogue's records land on pages that are mapped in one go. The capacity
// at least doubles, so growing one product at a time stays linear.
void ProductList::Resize(size_t n) {
  if (n > items_.capacity()) {
    items_.reserve(std::max(n, 2 * items_.capacity()));
    platform::PrepareLargeBlock(items_.data() + items_.size(),
                                (n - items_.size()) * sizeof(CProduct));
  }
  items_.resize(n);
}

ProductList& ProductList::operator=(const ProductList& other) {
  if (this == &other) return *this;
  Resize(other.Size());
  for (size_t i = 0; i < other.Size(); ++i) items_[i] = other.items_[i];
  return *this;
}

void ProductList::Serialize(Archive& ar) {
  if (ar.IsStoring()) {
    ar.WriteCount(static_cast<uint32_t>(items_.size()));
    for (CProduct& p : items_) p.Serialize(ar);
    return;
  }
  uint32_t n = ar.ReadCount();
  // A count the remaining bytes cannot hold is truncated data: fail before
  // growing the list to it.
  ar.Require(n * kShortestStoredProduct);
  Resize(n);
  // The products still to come take at least their shortest size, so the
  // archive may fetch that much ahead.
  for (size_t i = 0; i < n; ++i) {
    ar.Expect((n - i) * kShortestStoredProduct);
    items_[i].Serialize(ar);
  }
}

}  // namespace mervane
