#include "model/product.h"

#include <iterator>

#include "framework/archive.h"

namespace mervane {

namespace {

constexpr int32_t kProductVersion = 100;

// Every field of CProduct has exactly one row: the check below stops
// compiling when a field is added or removed without its row. It compares
// addresses within one sample product and reads nothing.
const CProduct kSample;

constexpr const void* FieldAddress(const ProductMember& m) {
  return m.text != nullptr ? static_cast<const void*>(&(kSample.*m.text))
                           : static_cast<const void*>(&(kSample.*m.list));
}

constexpr bool EachProductFieldHasOneRow() {
  const auto& [name, price, reserved1, image, description, reserved2, productId, reserved3,
               category, reservedList1, reservedList2] = kSample;
  const void* const declared[] = {&name, &price, &reserved1, &image, &description,
                                  &reserved2, &productId, &reserved3, &category,
                                  &reservedList1, &reservedList2};
  for (const void* field : declared) {
    int rows = 0;
    for (const ProductField& row : kProductFields) rows += FieldAddress(row.field) == field;
    if (rows != 1) return false;
  }
  return std::size(declared) == kProductFields.size();
}
static_assert(EachProductFieldHasOneRow());

}  // namespace

void CProduct::Serialize(Archive& ar) {
  int32_t version = kProductVersion;
  ar.Serialize(version);
  for (const ProductField& row : kProductFields) {
    if (row.field.text != nullptr) ar.Serialize(this->*row.field.text);
    if (row.field.list != nullptr) ar.Serialize(this->*row.field.list);
  }
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
