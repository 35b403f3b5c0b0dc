// The hidden-field editor's rows: a stored "name|value" entry becomes one
// row split at its first "|", and the rows become the entries again on OK.
#ifndef MERVANE_PROPERTIES_HIDDEN_FIELDS_H_
#define MERVANE_PROPERTIES_HIDDEN_FIELDS_H_

#include <vector>

#include "ostrel/types.h"

namespace mervane {

struct FieldRow {
  OString name;
  OString value;  // everything after the first "|", further bars included
  bool operator==(const FieldRow&) const = default;
};
using FieldRows = std::vector<FieldRow>;

// One row per entry that holds a "|", in order; the others get none.
FieldRows ParseFieldRows(const OStringList& entries);

// The entries of the rows, in order, each name, "|" and value.
OStringList RebuildFields(const FieldRows& rows);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_HIDDEN_FIELDS_H_
