// The product catalogue of one cart.
#ifndef MERVANE_MODEL_PRODUCT_H_
#define MERVANE_MODEL_PRODUCT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
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

  // Version 100, then the fields in the order of kProductFields (which
  // differs from the order above). The version read back is ignored.
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

  // Count, then every product. Loading resizes to the stored count first,
  // so products already in the list are overwritten in place.
  void Serialize(Archive& ar);

  auto begin() const { return items_.begin(); }
  auto end() const { return items_.end(); }
  bool operator==(const ProductList&) const = default;

 private:
  std::vector<CProduct> items_;
};

// A field of CProduct, by its type: exactly one of the two is set.
struct ProductMember {
  constexpr ProductMember(OString CProduct::*m) : text(m) {}
  constexpr ProductMember(OStringList CProduct::*m) : list(m) {}
  OString CProduct::*text = nullptr;
  OStringList CProduct::*list = nullptr;
};

struct ProductField {
  ProductMember field;
  std::string_view name;  // the field's name, also its key in a cart definition
  bool picture;           // a local path, which a definition keeps relative to itself
};

#define MERVANE_FIELD(member) &CProduct::member, #member

// One row per field, in storage order.
inline constexpr std::array<ProductField, 11> kProductFields = {{
    {MERVANE_FIELD(name), false},
    {MERVANE_FIELD(description), false},
    {MERVANE_FIELD(reserved2), false},
    {MERVANE_FIELD(productId), false},
    {MERVANE_FIELD(image), true},
    {MERVANE_FIELD(price), false},
    {MERVANE_FIELD(reserved1), false},
    {MERVANE_FIELD(reserved3), false},
    {MERVANE_FIELD(category), false},
    {MERVANE_FIELD(reservedList1), false},
    {MERVANE_FIELD(reservedList2), false},
}};

#undef MERVANE_FIELD

// Bytes that the smallest product a load accepts takes: the version, each
// string empty and 8-bit (one byte), each list empty (its two-byte count).
constexpr uint64_t ShortestStoredProduct() {
  uint64_t bytes = 4;
  for (const ProductField& row : kProductFields) bytes += row.field.text != nullptr ? 1 : 2;
  return bytes;
}
inline constexpr uint64_t kShortestStoredProduct = ShortestStoredProduct();

}  // namespace mervane

#endif  // MERVANE_MODEL_PRODUCT_H_
