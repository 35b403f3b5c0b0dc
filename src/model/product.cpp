#include "model/product.h"

#include "framework/archive.h"

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
