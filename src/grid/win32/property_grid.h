// The property grid window: a two-column tree of categories and property
// values over a store, a store selector above it and a description pane
// below. Values are edited in place: text and numbers in an edit box, lists
// and colours in a drop-down popup, check boxes by a click or the space bar.
//
// The window is of the class kWindowClass, usually a control of a dialog
// template that the owning object takes over with Attach.
#ifndef MERVANE_GRID_WIN32_PROPERTY_GRID_H_
#define MERVANE_GRID_WIN32_PROPERTY_GRID_H_

#include <windows.h>

#include <memory>
#include <set>
#include <vector>

#include "grid/property_store.h"

namespace mervane {

class CExtGridPopup;

class CExtPropertyGridCtrl {
 public:
  static constexpr wchar_t kWindowClass[] = L"CExtPropertyGridCtrl";
  // Registers the window class with the module that holds the templates.
  static void RegisterWindowClass(HINSTANCE module);

  CExtPropertyGridCtrl();
  CExtPropertyGridCtrl(const CExtPropertyGridCtrl&) = delete;
  CExtPropertyGridCtrl& operator=(const CExtPropertyGridCtrl&) = delete;
  virtual ~CExtPropertyGridCtrl();

  // Takes over a window of the grid's class; the window keeps its place.
  void Attach(HWND window);
  HWND Window() const { return window_; }

  // Stores are listed in the selector in the order added; not owned.
  void AddStore(CExtPropertyStore* store);
  void SelectStore(CExtPropertyStore* store);
  void ShowStoreSelector(bool show);
  const CExtGridCellAllocator& CellAllocator() const { return allocator_; }

  CExtPropertyItem* SelectedItem() const;
  // Selects an item of the current store, unfolding its category.
  void SelectItem(const CExtPropertyItem* item);

 protected:
  // The input of a value completed: the grid repaints it.
  virtual void OnPropertyInputComplete(CExtPropertyValue& value);
  // A value went back to its default: the grid repaints it.
  virtual void OnPropertyValueReset(CExtPropertyValue& value);
  // A key press before the grid acts on it; true when it was taken.
  virtual bool PreTranslateKey(const MSG& /*message*/) { return false; }

 private:
  struct Row {
    CExtPropertyItem* item;
    int depth;
  };
  enum class Zone { kNone, kFold, kName, kValue, kButton, kUpButton, kDownButton };

  static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK EditProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // Layout.
  void Layout();
  void RebuildRows();
  int RowHeight() const { return rowHeight_; }
  RECT ListRect() const;
  RECT DescriptionRect() const;
  RECT RowRect(size_t row) const;
  RECT ValueRect(size_t row) const;
  int VisibleRows() const;
  void UpdateScrollBar();
  void ScrollTo(int topRow);
  void EnsureVisible(size_t row);
  bool HitTest(POINT point, size_t& row, Zone& zone) const;

  // Painting.
  void Paint(HDC dc);
  void PaintRow(HDC dc, size_t row);
  void PaintValue(HDC dc, const CExtPropertyValue& value, RECT area, bool selected);
  void PaintDescription(HDC dc);

  // Input.
  bool OnKeyDown(UINT key, bool alt);
  void OnLeftButtonDown(POINT point, bool doubleClick);
  void OnContextMenu(POINT screenPoint);
  void MoveSelection(int rows);
  void SetSelection(size_t row);
  void Fold(size_t row, bool open);

  // Editing.
  CExtPropertyValue* SelectedValue() const;
  void StartEditing();
  void OpenDropDown();
  void StepSelected(bool up);
  void ToggleSelected();
  void CommitEdit(int move);
  void CancelEdit();
  void ClosePopup(bool picked);
  void ResetSelected();
  void Completed(CExtPropertyValue& value);

  HWND window_ = nullptr;
  HWND selector_ = nullptr;
  HWND scrollBar_ = nullptr;
  HWND editor_ = nullptr;
  std::unique_ptr<CExtGridPopup> popup_;
  HFONT font_ = nullptr;
  HFONT boldFont_ = nullptr;
  int rowHeight_ = 18;
  int topRow_ = 0;
  size_t selected_ = 0;
  bool showSelector_ = true;
  std::vector<CExtPropertyStore*> stores_;
  CExtPropertyStore* store_ = nullptr;
  std::vector<Row> rows_;
  std::set<const CExtPropertyItem*> folded_;
  CExtGridCellAllocator allocator_;
};

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_PROPERTY_GRID_H_
