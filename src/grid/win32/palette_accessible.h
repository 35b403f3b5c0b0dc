// The colour palette as a screen reader sees it: a list named after the
// grid item it edits, its 40 swatches list items named by their colour
// (#RRGGBB), the cell's colour selected and the lit place focused, then the
// "More colors..." button. Moving the highlight is announced as a focus
// change with the place's child id.
#ifndef MERVANE_GRID_WIN32_PALETTE_ACCESSIBLE_H_
#define MERVANE_GRID_WIN32_PALETTE_ACCESSIBLE_H_

#include "grid/win32/grid_popups.h"

namespace mervane {

// Called once the popup has its window; the popup must outlive its window.
void ExposePalette(CExtGridColorPopup& popup, const OString& name);

}  // namespace mervane

#endif  // MERVANE_GRID_WIN32_PALETTE_ACCESSIBLE_H_
