#include "platform/memory.h"

namespace mervane::platform {

// Large pages need the lock-pages right here (see memory.h).
void PrepareLargeBlock(void*, size_t) {}

}  // namespace mervane::platform
