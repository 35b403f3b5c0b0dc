// The property grid's content: a store of categories in order, categories
// holding property values in order, each value with a name, a description,
// an active cell that the user edits and a default cell that a reset returns
// to.
#ifndef MERVANE_GRID_PROPERTY_STORE_H_
#define MERVANE_GRID_PROPERTY_STORE_H_

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "grid/grid_cells.h"

namespace mervane {

class CExtPropertyItem {
 public:
  CExtPropertyItem(OString name, OString description)
      : name_(std::move(name)), description_(std::move(description)) {}
  virtual ~CExtPropertyItem() = default;

  virtual bool IsCategory() const = 0;
  const OString& Name() const { return name_; }
  const OString& Description() const { return description_; }
  void SetDescription(OString text) { description_ = std::move(text); }
  CExtPropertyItem* Parent() const { return parent_; }

  // Children in order; a value may hold values of its own.
  const std::vector<std::unique_ptr<CExtPropertyItem>>& Children() const {
    return children_;
  }
  // Appends a child and returns it.
  CExtPropertyItem* Insert(std::unique_ptr<CExtPropertyItem> child);

 private:
  OString name_;
  OString description_;
  CExtPropertyItem* parent_ = nullptr;
  std::vector<std::unique_ptr<CExtPropertyItem>> children_;
};

class CExtPropertyCategory : public CExtPropertyItem {
 public:
  using CExtPropertyItem::CExtPropertyItem;
  bool IsCategory() const override { return true; }
};

class CExtPropertyValue : public CExtPropertyItem {
 public:
  explicit CExtPropertyValue(OString name) : CExtPropertyItem(std::move(name), {}) {}
  bool IsCategory() const override { return false; }

  // Creates the active cell from a registered class; false when unknown.
  bool CreateValueCell(std::string_view className,
                       const CExtGridCellAllocator* allocator);
  CExtGridCell* ValueActive() const { return active_.get(); }
  CExtGridCell* ValueDefault() const { return default_.get(); }
  // The default becomes a copy of the active cell as it is now.
  void TakeActiveAsDefault(const CExtGridCellAllocator* allocator);
  // True while the active cell differs from the default.
  bool IsModified() const;
  // The active cell takes the default's content again.
  void Reset();
  // A number the store's owner gives the value to find what it stands for.
  size_t Tag() const { return tag_; }
  void SetTag(size_t tag) { tag_ = tag; }

 private:
  CellPtr active_;
  CellPtr default_;
  size_t tag_ = 0;
};

class CExtPropertyStore {
 public:
  explicit CExtPropertyStore(OString name) : name_(std::move(name)) {}
  const OString& Name() const { return name_; }
  const std::vector<std::unique_ptr<CExtPropertyCategory>>& Categories() const {
    return categories_;
  }
  CExtPropertyCategory* AddCategory(OString name, OString description);

 private:
  OString name_;
  std::vector<std::unique_ptr<CExtPropertyCategory>> categories_;
};

// Offers a changed value to a handler, then its enclosing values in turn,
// never a category, until the handler takes one. Returns the item taken,
// or null.
template <typename Handler>
CExtPropertyItem* ReportChange(CExtPropertyItem* item, Handler&& handler) {
  for (; item != nullptr && !item->IsCategory(); item = item->Parent()) {
    if (handler(*item)) return item;
  }
  return nullptr;
}

}  // namespace mervane

#endif  // MERVANE_GRID_PROPERTY_STORE_H_
