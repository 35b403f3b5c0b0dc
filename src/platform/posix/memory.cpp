#include <sys/mman.h>

#include <cstdint>

#include "platform/platform.h"

namespace mervane::platform {

// Only whole large pages inside the block are advised; a block too small to
// hold a few of them is not worth the call.
void PrepareLargeBlock(void* data, size_t bytes) {
#ifdef MADV_HUGEPAGE
  constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
  const uintptr_t begin = (reinterpret_cast<uintptr_t>(data) + kLargePage - 1) & ~(kLargePage - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~(kLargePage - 1);
  if (end > begin + 2 * kLargePage)
    madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#else
  (void)data, (void)bytes;
#endif
}

}  // namespace mervane::platform
