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

#include "grid/outline_ids.h"
#include "grid/property_store.h"

namespace mervane {

class CExtGridPopup;
struct CExtGridAccessLink;

// Edits the cells of its values as each cell asks (CExtGridCellEditors).
class CExtPropertyGridCtrl : private CExtGridCellEditors {
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

  // What the grid's accessible object (grid_accessible.h) reads.
  const CExtPropertyStore* Store() const { return store_; }
  const CExtOutlineIds& OutlineIds() const { return ids_; }
  // The caption of the page (or window) the grid fills.
  OString PageName() const;
  bool IsFolded(const CExtPropertyItem* item) const { return folded_.count(item) != 0; }
  // The item's row in screen coordinates; false when no row shows the item
  // (its category is folded).
  bool ItemScreenRect(const CExtPropertyItem* item, RECT& screen) const;
  // True when the item's row lies in the visible part of the list.
  bool IsRowShown(const CExtPropertyItem* item) const;
  const CExtPropertyItem* ItemAtScreen(POINT screen) const;
  // The item `step` rows below (above, when negative) the item's row.
  const CExtPropertyItem* RowNeighbour(const CExtPropertyItem* item, int step) const;
  // The grid, its in-place editor or its popup has the keyboard focus.
  bool HasFocusInside() const;
  // An item's default action, done once the caller has returned: a category
  // folds or unfolds, a value is edited.
  void PostDefaultAction(const CExtPropertyItem* item);

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
  // Where a click lands; kButton is the square at the right end of a value.
  enum class Zone { kNone, kFold, kName, kValue, kButton };

  static LRESULT CALLBACK WindowProcedure(HWND, UINT, WPARAM, LPARAM);
  static LRESULT CALLBACK EditProcedure(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
  LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT HandleEditorMessage(HWND editor, UINT message, WPARAM wParam, LPARAM lParam);

  // Message handlers.
  void OnPaint();
  void OnSetFont(HFONT font);
  LRESULT OnGetDlgCode(const MSG* pending) const;
  bool OnKeyDown(UINT message, WPARAM key, LPARAM lParam);
  void OnLeftButtonDown(POINT point, bool doubleClick);
  void OnScroll(int code);
  void OnContextMenu(POINT screenPoint);
  void OnCommand(int id, int code);
  LRESULT OnNcDestroy(WPARAM wParam, LPARAM lParam);
  void DoDefaultAction(long id);

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
  size_t RowOf(const CExtPropertyItem* item) const;  // rows_.size() when none

  // Painting.
  void Paint(HDC dc);
  void PaintRow(HDC dc, size_t row);
  void PaintDescription(HDC dc);

  // Input.
  bool HandleKey(UINT key, bool alt);
  bool CellTakes(CExtGridKey key);
  void PressButton(POINT point);
  void MoveSelection(int rows);
  void SetSelection(size_t row);
  void Fold(size_t row, bool open);

  // Editing.
  CExtPropertyValue* SelectedValue() const;
  CExtGridCell* SelectedCell() const;
  void StartEditing();
  void OpenDropDown();
  void OpenEditor(const OString& text, bool number);
  void CommitEdit(int move);
  void CancelEdit();
  RECT ScreenValueRect() const;
  void ShowPopup(std::unique_ptr<CExtGridPopup> popup);
  void ClosePopup(bool picked);
  void ResetSelected();
  void Completed(CExtPropertyValue& value);
  // Tells listeners (screen readers) what happened to an item.
  void Announce(DWORD event, const CExtPropertyItem* item) const;
  void CutAccessLink();

  // CExtGridCellEditors, for the selected value's cell.
  void EditText(const OString& text) override;
  void EditNumber(const OString& text) override;
  void DropList(CExtGridCellComboBox& cell) override;
  void DropPalette(CExtGridCellColor& cell) override;
  void ValueChanged() override;

  HWND window_ = nullptr;
  HWND selector_ = nullptr;
  HWND scrollBar_ = nullptr;
  HWND editor_ = nullptr;
  std::unique_ptr<CExtGridPopup> popup_;
  // The value whose cell the popup edits. Its pick may be reported after
  // the selection has moved on: a message sent to the grid, as assistive
  // technology sends them, overtakes the popup's posted "done".
  CExtPropertyValue* popupValue_ = nullptr;
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
  CExtOutlineIds ids_;
  std::shared_ptr<CExtGridAccessLink> accessLink_;  // made when a listener first asks
};

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_PROPERTY_GRID_H_
