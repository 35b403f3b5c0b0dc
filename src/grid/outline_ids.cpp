#include "grid/outline_ids.h"

#include <algorithm>

namespace mervane {

CExtOutlineIds::CExtOutlineIds(const CExtPropertyStore* store) {
  if (store == nullptr) return;
  for (const auto& category : store->Categories()) items_.push_back(category.get());
  auto addValues = [this](auto& self, const CExtPropertyItem& parent) -> void {
    for (const auto& child : parent.Children()) {
      items_.push_back(child.get());
      self(self, *child);
    }
  };
  for (const auto& category : store->Categories()) addValues(addValues, *category);
}

long CExtOutlineIds::IdOf(const CExtPropertyItem* item) const {
  auto found = std::find(items_.begin(), items_.end(), item);
  return item != nullptr && found != items_.end() ? static_cast<long>(found - items_.begin()) + 1
                                                  : 0;
}

CExtPropertyItem* CExtOutlineIds::ItemOf(long id) const {
  return id >= 1 && static_cast<size_t>(id) <= items_.size() ? items_[static_cast<size_t>(id - 1)]
                                                             : nullptr;
}

}  // namespace mervane
