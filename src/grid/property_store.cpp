#include "grid/property_store.h"

namespace mervane {

CExtPropertyItem* CExtPropertyItem::Insert(std::unique_ptr<CExtPropertyItem> child) {
  child->parent_ = this;
  children_.push_back(std::move(child));
  return children_.back().get();
}

bool CExtPropertyValue::CreateValueCell(std::string_view className,
                                        const CExtGridCellAllocator* allocator) {
  active_ = allocator != nullptr ? allocator->Create(className) : CreateCellOfClass(className);
  return active_ != nullptr;
}

void CExtPropertyValue::TakeActiveAsDefault(const CExtGridCellAllocator* allocator) {
  default_ = active_ != nullptr ? active_->Clone(allocator) : nullptr;
}

bool CExtPropertyValue::IsModified() const {
  return active_ != nullptr && default_ != nullptr && !active_->SameValue(*default_);
}

void CExtPropertyValue::Reset() {
  if (active_ != nullptr && default_ != nullptr) active_->Assign(*default_);
}

CExtPropertyCategory* CExtPropertyStore::AddCategory(OString name, OString description) {
  categories_.push_back(
      std::make_unique<CExtPropertyCategory>(std::move(name), std::move(description)));
  return categories_.back().get();
}

}  // namespace mervane
