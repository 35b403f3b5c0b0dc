// The product catalogue of one cart.
#ifndef MERVANE_MODEL_PRODUCT_H_
#define MERVANE_MODEL_PRODUCT_H_

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "model/field_member.h"
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

using ProductMember = FieldMember<CProduct>;

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

// Bytes that the smallest product a load accepts takes: the version and
// its fields.
inline constexpr uint64_t kShortestStoredProduct = 4 + ShortestStoredRows(kProductFields);

}  // namespace mervane

#endif  // MERVANE_MODEL_PRODUCT_H_
