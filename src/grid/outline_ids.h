// The numbers by which a screen reader addresses a store's items (child
// ids): the categories 1..C in order, then the values under them, depth
// first. An item keeps its number while the store lives, whatever is folded
// or scrolled, so an event's id and a later question about it agree.
#ifndef MERVANE_GRID_OUTLINE_IDS_H_
#define MERVANE_GRID_OUTLINE_IDS_H_

#include <vector>

#include "grid/property_store.h"

namespace mervane {

class CExtOutlineIds {
 public:
  CExtOutlineIds() = default;
  // Null: no items.
  explicit CExtOutlineIds(const CExtPropertyStore* store);

  // 0 for an item that is not in the store.
  long IdOf(const CExtPropertyItem* item) const;
  // Null for a number that names no item.
  CExtPropertyItem* ItemOf(long id) const;

 private:
  std::vector<CExtPropertyItem*> items_;  // item i has the number i + 1
};

}  // namespace mervane

#endif  // MERVANE_GRID_OUTLINE_IDS_H_
