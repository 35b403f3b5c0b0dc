// The cells of the property grid: what one value of the grid holds, how it
// shows as text, and how it is copied, cloned and archived. Cells know
// nothing of windows; the grid window draws them and runs their editors.
//
// Every cell class is registered by name, so that a grid's allocator (or an
// archive) can create one from its name alone.
#ifndef MERVANE_GRID_GRID_CELLS_H_
#define MERVANE_GRID_GRID_CELLS_H_

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "framework/archive.h"
#include "ostrel/types.h"

namespace mervane {

class CExtGridCell;
using CellPtr = std::unique_ptr<CExtGridCell>;

// Creates cells by class name; a grid may carry its own.
class CExtGridCellAllocator {
 public:
  virtual ~CExtGridCellAllocator() = default;
  // Null when no class of that name is registered.
  virtual CellPtr Create(std::string_view className) const;
};

// The cell classes known by name, each with its factory.
void RegisterCellClass(std::string_view className, std::function<CellPtr()> factory);
CellPtr CreateCellOfClass(std::string_view className);

class CExtGridCell {
 public:
  virtual ~CExtGridCell() = default;

  virtual std::string_view ClassName() const = 0;
  // The text the grid shows for the cell.
  virtual OString Text() const = 0;
  // Takes over what another cell holds, as far as the two classes share it.
  virtual void Assign(const CExtGridCell& source) = 0;
  virtual void Serialize(Archive& ar) = 0;

  // A new cell of this class holding the same content: created by the
  // allocator when one is given, by the class registry otherwise.
  virtual CellPtr Clone(const CExtGridCellAllocator* allocator) const;
  // True when both cells are of one class and archive to the same bytes.
  bool SameContent(const CExtGridCell& other) const;
};

class CExtGridCellString : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellString";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override { return text; }
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;

  OString text;
};

class CExtGridCellCheckBox : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellCheckBox";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override;
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;

  bool checked = false;
};

// A list of strings with one selected entry (or none) and a drop-down list
// box to pick from. With no entry selected the cell shows its own text.
class CExtGridCellComboBox : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellComboBox";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override;
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;

  // Styles of the drop-down list box the grid window opens (LBS_* values).
  virtual uint32_t ListBoxStyle() const { return 0; }
  // Selects the entry equal to the text; false (and no selection) if none.
  bool SelectText(const OString& entry);
  bool HasSelection() const;

  OStringList items;
  int32_t selected = -1;
  OString text;           // shown while nothing is selected
  bool listOnly = false;  // the value can only be picked, never typed
};

// A value of variant type, as the spin cell holds it.
struct CExtVariant {
  enum Type : uint16_t { kEmpty = 0, kInt32 = 3 };  // VT_EMPTY, VT_I4
  Type type = kInt32;
  int32_t value = 0;
};

// A number with up and down buttons.
class CExtGridCellUpDown : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellUpDown";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override;
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;

  virtual bool CanGoUp() const { return true; }
  virtual bool CanGoDown() const { return true; }
  // One step, when the cell allows it; true when the value moved.
  bool StepUp();
  bool StepDown();

  CExtVariant value;
};

// A colour (0x00BBGGRR) picked from a drop-down palette, whose custom-colour
// button opens the system's colour dialog.
class CExtGridCellColor : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellColor";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override;
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;

  OColor color = 0;
  // Shows the colour's hexadecimal value beside its swatch.
  bool showValueText = false;
  OString customButtonCaption;
};

}  // namespace mervane

#endif  // MERVANE_GRID_GRID_CELLS_H_
