#include "platform/platform.h"

namespace mervane::platform {

// Windows gives large pages only to processes holding the lock-pages right,
// and never to memory the C++ heap has already handed out.
void PrepareLargeBlock(void*, size_t) {}

}  // namespace mervane::platform
