// Version 6 of the common controls for the editor's windows. A module cannot
// rely on the host's manifest, so it activates a context built from its own
// (a resource of the module) and loads the controls inside it.
#ifndef MERVANE_PROPERTIES_WIN32_COMMON_CONTROLS_H_
#define MERVANE_PROPERTIES_WIN32_COMMON_CONTROLS_H_

#include <windows.h>
#include <commctrl.h>

namespace mervane {

// While an object lives, windows created on this thread are the version 6
// controls. When the context cannot be built, the module's own link to the
// controls is used and the windows get the older look.
class CommonControls {
 public:
  CommonControls();
  ~CommonControls();
  CommonControls(const CommonControls&) = delete;
  CommonControls& operator=(const CommonControls&) = delete;

  // PropertySheetW of the controls in use.
  INT_PTR ShowPropertySheet(const PROPSHEETHEADERW& header) const;

 private:
  HANDLE context_ = INVALID_HANDLE_VALUE;
  ULONG_PTR cookie_ = 0;
  HMODULE library_ = nullptr;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_COMMON_CONTROLS_H_
