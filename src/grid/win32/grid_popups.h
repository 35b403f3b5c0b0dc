// The grid's drop-down popups: the entries of a combo-box cell in a list
// box, and a colour palette with a button for the system's colour dialog.
// A popup writes the picked value into its cell and then posts kPopupDone
// to the grid, which destroys it; the grid never waits on a popup.
#ifndef MERVANE_GRID_WIN32_GRID_POPUPS_H_
#define MERVANE_GRID_WIN32_GRID_POPUPS_H_

#include <windows.h>

#include "grid/grid_cells.h"

namespace mervane {

// Posted to the grid; wParam is 1 when a value was picked, 0 when the popup
// was left without one.
constexpr UINT kPopupDone = WM_APP + 0x51;

class CExtGridPopup {
 public:
  CExtGridPopup(const CExtGridPopup&) = delete;
  CExtGridPopup& operator=(const CExtGridPopup&) = delete;
  virtual ~CExtGridPopup();
  HWND Window() const { return window_; }

 protected:
  explicit CExtGridPopup(HWND grid) : grid_(grid) {}
  // Places the popup under the area (above it when the screen ends), shows
  // it and gives it the focus.
  void Show(const RECT& screenArea, SIZE size);
  void Done(bool picked);

  HWND window_ = nullptr;
  HWND grid_;
  bool done_ = false;
};

class CExtGridListPopup : public CExtGridPopup {
 public:
  CExtGridListPopup(HWND grid, CExtGridCellComboBox& cell, const RECT& screenArea, HFONT font);

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Pick();

  CExtGridCellComboBox& cell_;
};

class CExtGridColorPopup : public CExtGridPopup {
 public:
  static constexpr int kColumns = 8;
  static constexpr int kRows = 5;
  // The places the highlight moves over: the swatches in rows, then the
  // custom-colour button.
  static constexpr int kButtonPlace = kColumns * kRows;
  static constexpr int kMoreColorsButton = 1;
  // Nothing lit: the cell's colour is none of the swatches.
  static constexpr int kNoPlace = -1;

  CExtGridColorPopup(HWND grid, CExtGridCellColor& cell, const RECT& screenArea, HFONT font);

  // What the palette's accessible object (palette_accessible.h) reads.
  static COLORREF SwatchColor(int index);
  RECT SwatchRect(int index) const;
  int Highlighted() const { return highlight_; }
  OColor CurrentColor() const { return cell_.color; }
  HWND MoreColorsButton() const { return button_; }

 private:
  static LRESULT CALLBACK Procedure(HWND, UINT, WPARAM, LPARAM);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  RECT PlaceRect(int place) const;
  void Paint(HDC dc);
  void OnKeyDown(WPARAM key);
  void MoveHighlight(int step);
  void Highlight(int place);
  void Pick(int place);
  void ChooseCustomColor();

  CExtGridCellColor& cell_;
  HWND button_ = nullptr;
  int highlight_ = 0;
  bool choosing_ = false;
};

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_GRID_POPUPS_H_
