// The platform layer: everything the portable core needs from the operating
// system. Each function has one implementation in posix/ and one in win32/.
#ifndef MERVANE_PLATFORM_PLATFORM_H_
#define MERVANE_PLATFORM_PLATFORM_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "ostrel/types.h"

namespace mervane::platform {

// 8-bit text in the system's code page to UTF-16 (Windows: CP_ACP;
// elsewhere: Windows-1252).
OString DecodeAnsi(std::string_view bytes);

// The bytes of one of the library's own resources, found by name (letter
// case ignored) and type. False when there is no such resource.
bool LoadModuleResource(std::string_view name, std::string_view type,
                        std::string& bytes);

// A new copy of the 16 x 16, 24-bit toolbar picture (resource 1000), owned
// by the caller; null when it cannot be loaded.
OBitmapHandle LoadToolbarBitmap();

}  // namespace mervane::platform

#endif  // MERVANE_PLATFORM_PLATFORM_H_
