// The property grid as a screen reader sees it: an outline named after the
// page it fills, its categories outline items that fold, their values
// outline items whose value is what the grid shows, spelled out. Every item
// is an object of its own, numbered as CExtOutlineIds says, so the grid can
// name an item in its events by that number.
//
// Nothing is made until a listener asks (WM_GETOBJECT). The objects reach
// the grid only through a link that the grid cuts when its window goes;
// from then on every call answers RPC_E_DISCONNECTED.
#ifndef MERVANE_GRID_WIN32_GRID_ACCESSIBLE_H_
#define MERVANE_GRID_WIN32_GRID_ACCESSIBLE_H_

#include <windows.h>

#include <memory>

namespace mervane {

class CExtPropertyGridCtrl;

struct CExtGridAccessLink {
  CExtPropertyGridCtrl* grid = nullptr;
};

// The grid's answer to WM_GETOBJECT: its outline for OBJID_CLIENT, the
// system's answer otherwise. Makes the link on the first question.
LRESULT AnswerGridObject(CExtPropertyGridCtrl& grid, std::shared_ptr<CExtGridAccessLink>& link,
                         WPARAM wParam, LPARAM lParam);

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_GRID_ACCESSIBLE_H_
