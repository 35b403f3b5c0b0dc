// A field of a record, by its type, as the rows of the records' field tables
// name it; and the fewest bytes the rows' fields take in a block.
#ifndef MERVANE_MODEL_FIELD_MEMBER_H_
#define MERVANE_MODEL_FIELD_MEMBER_H_

#include <cstdint>

#include "ostrel/types.h"

namespace mervane {

class ProductList;

// Exactly one of the member pointers is set.
template <typename Record>
struct FieldMember {
  constexpr FieldMember(int32_t Record::*m) : integer(m) {}
  constexpr FieldMember(OColor Record::*m) : color(m) {}
  constexpr FieldMember(OString Record::*m) : text(m) {}
  constexpr FieldMember(OStringList Record::*m) : list(m) {}
  constexpr FieldMember(ProductList Record::*m) : products(m) {}
  constexpr FieldMember(ORect Record::*m) : rect(m) {}

  constexpr int Count() const {
    return (integer != nullptr) + (color != nullptr) + (text != nullptr) + (list != nullptr) +
           (products != nullptr) + (rect != nullptr);
  }
  // The fewest bytes the field takes in a block that loads: an empty 8-bit
  // string is one byte, an empty list or catalogue its two-byte count, an
  // integer or a colour four.
  constexpr uint64_t ShortestStored() const {
    return text != nullptr ? 1 : list != nullptr || products != nullptr ? 2 : 4;
  }

  int32_t Record::*integer = nullptr;
  OColor Record::*color = nullptr;
  OString Record::*text = nullptr;
  OStringList Record::*list = nullptr;
  ProductList Record::*products = nullptr;
  ORect Record::*rect = nullptr;
};

// The fewest bytes the fields of a table's stored rows take.
template <typename Rows>
constexpr uint64_t ShortestStoredRows(const Rows& rows) {
  uint64_t bytes = 0;
  for (const auto& row : rows) {
    if constexpr (requires { row.stored; }) {
      if (!row.stored) continue;
    }
    bytes += row.field.ShortestStored();
  }
  return bytes;
}

}  // namespace mervane

#endif  // MERVANE_MODEL_FIELD_MEMBER_H_
