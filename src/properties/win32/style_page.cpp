#include "properties/win32/style_page.h"

#include "resources/resource_ids.h"

namespace mervane {

bool CMervanePage2::OnInitDialog() {
  FillPageWithGrid();
  return true;
}

// The sheet sizes its pages to the tab area, after their creation.
bool CMervanePage2::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR&) {
  if (message == WM_SIZE) FillPageWithGrid();
  return false;
}

void CMervanePage2::FillPageWithGrid() const {
  RECT client = {};
  GetClientRect(Window(), &client);
  MoveWindow(Item(IDC_STYLE_GRID), 0, 0, client.right, client.bottom, TRUE);
}

}  // namespace mervane
