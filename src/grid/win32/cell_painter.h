// Draws a cell's value into its area of a grid row, as the cell describes
// it, and the one-line text drawing that the grid uses throughout.
#ifndef MERVANE_GRID_WIN32_CELL_PAINTER_H_
#define MERVANE_GRID_WIN32_CELL_PAINTER_H_

#include <windows.h>

#include "grid/cell_host.h"

namespace mervane {

// Text on one line, vertically centred and cut with an ellipsis; line
// breaks and tabs show as spaces.
void DrawOneLine(HDC dc, const OString& text, RECT area);

class CExtGridCellPainter : public CExtGridCellCanvas {
 public:
  // Buttons are squares of the area's height at its right end, drawn only
  // when the value is selected.
  CExtGridCellPainter(HDC dc, RECT area, bool selected);

  void Write(const OString& text) override;
  void CheckBox(bool checked) override;
  void Swatch(OColor color) override;
  void DropButton() override;
  void SpinButtons(bool canGoUp, bool canGoDown) override;

 private:
  HDC dc_;
  RECT next_;  // where the next part goes
  RECT button_;
  bool selected_;
};

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_CELL_PAINTER_H_
