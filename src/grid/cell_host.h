// What a cell asks of the window that shows it. Cells know nothing of
// windows: each kind says what to draw and how it is edited through these
// two interfaces, and the grid window implements them for its platform.
#ifndef MERVANE_GRID_CELL_HOST_H_
#define MERVANE_GRID_CELL_HOST_H_

#include "ostrel/types.h"

namespace mervane {

class CExtGridCellComboBox;
class CExtGridCellColor;

// Draws one value, part after part from the left of its area. Buttons show
// at the right end, and only while the value is selected.
class CExtGridCellCanvas {
 public:
  virtual void Write(const OString& text) = 0;
  virtual void CheckBox(bool checked) = 0;
  virtual void Swatch(OColor color) = 0;
  virtual void DropButton() = 0;
  virtual void SpinButtons(bool canGoUp, bool canGoDown) = 0;

 protected:
  ~CExtGridCellCanvas() = default;
};

// The keys a cell may take before the grid uses them.
enum class CExtGridKey { kSpace, kPlus, kMinus };

// Edits the selected value.
class CExtGridCellEditors {
 public:
  // An edit box over the value, holding the text; what is typed comes back
  // through the cell's TakeText.
  virtual void EditText(const OString& text) = 0;
  // The same on one line, beside the spin buttons.
  virtual void EditNumber(const OString& text) = 0;
  // Drop-downs that write the picked value into the cell.
  virtual void DropList(CExtGridCellComboBox& cell) = 0;
  virtual void DropPalette(CExtGridCellColor& cell) = 0;
  // The cell changed its own value: a toggle or a step.
  virtual void ValueChanged() = 0;

 protected:
  ~CExtGridCellEditors() = default;
};

}  // namespace mervane

#endif  // MERVANE_GRID_CELL_HOST_H_
