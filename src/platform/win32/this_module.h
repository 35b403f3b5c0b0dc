// The library's own module, found from an address inside it: where its
// resources and the window classes it registers live. Windows only.
#ifndef MERVANE_PLATFORM_WIN32_THIS_MODULE_H_
#define MERVANE_PLATFORM_WIN32_THIS_MODULE_H_

#include <windows.h>

namespace mervane::platform {

HINSTANCE ThisModule();

}  // namespace mervane::platform

#endif  // MERVANE_PLATFORM_WIN32_THIS_MODULE_H_
