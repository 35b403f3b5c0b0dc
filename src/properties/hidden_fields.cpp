#include "properties/hidden_fields.h"

namespace mervane {

FieldRows ParseFieldRows(const OStringList& entries) {
  FieldRows rows;
  for (const OString& entry : entries) {
    const size_t bar = entry.find(OSTR('|'));
    if (bar == OString::npos) continue;
    rows.push_back({entry.substr(0, bar), entry.substr(bar + 1)});
  }
  return rows;
}

OStringList RebuildFields(const FieldRows& rows) {
  OStringList entries;
  entries.reserve(rows.size());
  for (const FieldRow& row : rows) entries.push_back(row.name + OSTR('|') + row.value);
  return entries;
}

}  // namespace mervane
