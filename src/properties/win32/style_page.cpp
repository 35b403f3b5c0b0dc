#include "properties/win32/style_page.h"

#include "properties/style_cells.h"
#include "resources/resource_ids.h"

namespace mervane {

// The grid's window class must exist before the page's template creates
// control 1001.
CMervanePage2::CMervanePage2(StylePageCopies& copies)
    : copies_(copies),
      grid_([this](CExtPropertyItem& item) { return OnPropertyChanged(item); }) {
  CExtPropertyGridCtrl::RegisterWindowClass(EditorModule());
}

bool CMervanePage2::OnInitDialog() {
  grid_.Attach(Item(IDC_STYLE_GRID));
  if (!store_) store_ = BuildStyleStore(copies_, EnumerateFontFaces(grid_.Window()));
  grid_.AddStore(store_.get());
  grid_.SelectStore(store_.get());
  grid_.ShowStoreSelector(false);
  FillPageWithGrid();
  return true;
}

bool CMervanePage2::OnPropertyChanged(const CExtPropertyItem& item) {
  return WriteStyleItem(copies_, item);
}

// The sheet sizes its pages to the tab area, after their creation.
bool CMervanePage2::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
  if (message == WM_SIZE) FillPageWithGrid();
  return false;
}

void CMervanePage2::FillPageWithGrid() const {
  RECT client = {};
  GetClientRect(Window(), &client);
  MoveWindow(grid_.Window(), 0, 0, client.right, client.bottom, TRUE);
}

}  // namespace mervane
