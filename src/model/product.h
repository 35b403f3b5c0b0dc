// The product catalogue of one cart.
#ifndef MERVANE_MODEL_PRODUCT_H_
#define MERVANE_MODEL_PRODUCT_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ostrel/types.h"

namespace mervane {

class Archive;

struct CProduct {
  OString name;
  OString price;          // as typed, e.g. "9.95"
  OString reserved1;      // carried through the project, never edited
  OString image;          // full local path of the picture, or empty
  OString description;
  OString reserved2;
  OString productId;      // the SKU: the product's identifier in the cart
  OString reserved3;
  OString category;
  OStringList reservedList1;
  OStringList reservedList2;

  // Version 100, nine strings in storage order (which differs from the field
  // order above), then the two lists. The version read back is ignored.
  void Serialize(Archive& ar);

  bool operator==(const CProduct&) const = default;
};

// Products in display order, held by value.
class ProductList {
 public:
  size_t Size() const { return items_.size(); }
  // Grows with empty products at the end or drops products from the end.
  void Resize(size_t n) { items_.resize(n); }
  CProduct& operator[](size_t i) { return items_[i]; }
  const CProduct& operator[](size_t i) const { return items_[i]; }
  void Append(const CProduct& p) { items_.push_back(p); }
  void Insert(size_t at, const CProduct& p) { items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), p); }
  void Erase(size_t at) { items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(at)); }

  // Count, then every product. Loading resizes to the stored count first,
  // so products already in the list are overwritten in place.
  void Serialize(Archive& ar);

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  bool operator==(const ProductList&) const = default;

 private:
  std::vector<CProduct> items_;
};

// Bytes that the smallest product a load accepts takes: version, nine empty
// strings of one byte each (8-bit form) and two empty lists.
constexpr uint64_t kShortestStoredProduct = 4 + 9 * 1 + 2 * 2;

}  // namespace mervane

#endif  // MERVANE_MODEL_PRODUCT_H_
