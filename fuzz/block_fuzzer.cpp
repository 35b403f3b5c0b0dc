// Loads arbitrary bytes as a widget's project block. Every input must end in
// a clean load or the archive's error: no crash, no out-of-bounds read, no
// allocation out of proportion to the input. A block that loads must store,
// load again to the same cart, field by field, and store again to the same
// bytes: a field that reads or writes wrong then shows as a finding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/archive.h"
#include "model/cart_settings.h"

namespace {

using Bytes = std::vector<uint8_t>;

// False when the archive reports an error; `left` receives the unread bytes.
bool Load(Bytes bytes, mervane::CartSettings& settings, size_t& left) {
  COstrelMemoryArchive stream(std::move(bytes));
  mervane::Archive ar(stream);
  try {
    settings.Serialize(ar);
  } catch (const mervane::ArchiveError&) {
    return false;
  }
  left = stream.BytesLeft();
  return true;
}

Bytes Store(mervane::CartSettings& settings) {
  COstrelMemoryArchive out;
  mervane::Archive ar(out);
  settings.Serialize(ar);
  return out.Bytes();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  mervane::CartSettings first;
  size_t left = 0;
  if (!Load(Bytes(data, data + size), first, left)) return 0;
  const Bytes stored = Store(first);
  mervane::CartSettings second;
  if (!Load(stored, second, left) || left != 0) __builtin_trap();
  if (!(second == first)) __builtin_trap();
  if (Store(second) != stored) __builtin_trap();
  return 0;
}
