// The cells of the property grid: what one value of the grid holds, how it
// shows, how it is edited, and how it is copied, cloned and archived. Each
// kind answers for itself; the grid window only asks (cell_host.h).
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
#include "grid/cell_host.h"
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
  // The value as text.
  virtual OString Text() const = 0;
  // Takes over what another cell holds, as far as the two classes share it.
  virtual void Assign(const CExtGridCell& source) = 0;
  virtual void Serialize(Archive& ar) = 0;

  // A new cell of this class holding the same content: created by the
  // allocator when one is given, by the class registry otherwise.
  virtual CellPtr Clone(const CExtGridCellAllocator* allocator) const;

  // A cell's value is its text, a number and whether it was picked. The
  // number is a spin's integer, a colour, a check box's 1 or 0; 0 for text.
  virtual int64_t Number() const { return 0; }
  // False for a list with no entry selected, which shows its own text.
  virtual bool HasValue() const { return true; }
  // True when the values are equal, whatever else the cells hold.
  bool SameValue(const CExtGridCell& other) const {
    return Number() == other.Number() && HasValue() == other.HasValue() &&
           Text() == other.Text();
  }

  // The value as a listener hears it (a screen reader's value); by default
  // its text.
  virtual OString Spoken() const { return Text(); }

  // Draws the value; by default its text.
  virtual void Draw(CExtGridCellCanvas& canvas) const { canvas.Write(Text()); }
  // F4 or Alt+Down: the cell's drop-down, when it has one.
  virtual void DropDown(CExtGridCellEditors&) {}
  // Enter, F2 or a click on the value; by default what F4 does.
  virtual void Edit(CExtGridCellEditors& editors) { DropDown(editors); }
  // A click on the button at the right end of the value, in its upper half
  // or its lower; false when the cell shows no button.
  virtual bool PressButton(bool /*upperHalf*/, CExtGridCellEditors&) { return false; }
  // False when the cell has no use for the key, which the grid then takes.
  virtual bool PressKey(CExtGridKey, CExtGridCellEditors&) { return false; }
  // What was typed into the cell's edit box; true when the value changed.
  virtual bool TakeText(const OString&) { return false; }
};

class CExtGridCellString : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellString";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override { return text; }
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;
  void Edit(CExtGridCellEditors& editors) override { editors.EditText(text); }
  bool TakeText(const OString& typed) override;

  OString text;
};

class CExtGridCellCheckBox : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellCheckBox";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override;
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;
  int64_t Number() const override { return checked ? 1 : 0; }
  // "checked" or "not checked".
  OString Spoken() const override;
  void Draw(CExtGridCellCanvas& canvas) const override { canvas.CheckBox(checked); }
  // An edit, or the space bar, flips the mark.
  void Edit(CExtGridCellEditors& editors) override;
  bool PressKey(CExtGridKey key, CExtGridCellEditors& editors) override;

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
  bool HasValue() const override { return HasSelection(); }
  void Draw(CExtGridCellCanvas& canvas) const override;
  // An edit, F4 and the button all drop the list.
  void DropDown(CExtGridCellEditors& editors) override { editors.DropList(*this); }
  bool PressButton(bool upperHalf, CExtGridCellEditors& editors) override;

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
  int64_t Number() const override { return value.value; }
  void Draw(CExtGridCellCanvas& canvas) const override;
  void Edit(CExtGridCellEditors& editors) override { editors.EditNumber(Text()); }
  // The upper button and + step up, the lower button and - step down.
  bool PressButton(bool upperHalf, CExtGridCellEditors& editors) override;
  bool PressKey(CExtGridKey key, CExtGridCellEditors& editors) override;
  // A decimal integer, optionally negative; any other text changes nothing.
  bool TakeText(const OString& typed) override;

  virtual bool CanGoUp() const { return true; }
  virtual bool CanGoDown() const { return true; }
  // One step, when the cell allows it; true when the value moved.
  bool StepUp();
  bool StepDown();

  CExtVariant value;
};

// A colour (0x00BBGGRR) as "#RRGGBB".
OString ColorText(OColor color);

// A colour (0x00BBGGRR) picked from a drop-down palette, whose custom-colour
// button opens the system's colour dialog.
class CExtGridCellColor : public CExtGridCell {
 public:
  static constexpr std::string_view kClassName = "CExtGridCellColor";
  std::string_view ClassName() const override { return kClassName; }
  OString Text() const override;
  void Assign(const CExtGridCell& source) override;
  void Serialize(Archive& ar) override;
  int64_t Number() const override { return color; }
  void Draw(CExtGridCellCanvas& canvas) const override;
  // An edit, F4 and the button all drop the palette.
  void DropDown(CExtGridCellEditors& editors) override { editors.DropPalette(*this); }
  bool PressButton(bool upperHalf, CExtGridCellEditors& editors) override;

  OColor color = 0;
  // Shows the colour's hexadecimal value beside its swatch.
  bool showValueText = false;
  OString customButtonCaption;
};

}  // namespace mervane

#endif  // MERVANE_GRID_GRID_CELLS_H_
