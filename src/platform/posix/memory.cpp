#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#include "platform/platform.h"

namespace mervane::platform {

namespace {

constexpr uintptr_t kLargePage = uintptr_t{2} << 20;

uintptr_t RoundDown(uintptr_t address, uintptr_t unit) { return address & ~(unit - 1); }
uintptr_t RoundUp(uintptr_t address, uintptr_t unit) { return RoundDown(address + unit - 1, unit); }

}  // namespace

// The whole large pages inside the block are advised; a block too small to
// hold a few of them is not worth the calls. Then the block's pages are
// mapped in one call: the small pages at either end would otherwise cost a
// fault each, and under a hypervisor one fault takes microseconds.
void PrepareLargeBlock(void* data, size_t bytes) {
#ifdef MADV_HUGEPAGE
  const uintptr_t first = reinterpret_cast<uintptr_t>(data);
  const uintptr_t begin = RoundUp(first, kLargePage);
  const uintptr_t end = RoundDown(first + bytes, kLargePage);
  if (end <= begin + 2 * kLargePage) return;
  madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
#ifdef MADV_POPULATE_WRITE
  const uintptr_t page = static_cast<uintptr_t>(sysconf(_SC_PAGESIZE));
  const uintptr_t mappedBegin = RoundUp(first, page);
  const uintptr_t mappedEnd = RoundDown(first + bytes, page);
  madvise(reinterpret_cast<void*>(mappedBegin), mappedEnd - mappedBegin, MADV_POPULATE_WRITE);
#endif
#else
  (void)data, (void)bytes;
#endif
}

}  // namespace mervane::platform
