// Loads arbitrary bytes as a widget's project block. Every input must end in
// a clean load or the archive's error: no crash, no out-of-bounds read, no
// allocation out of proportion to the input.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "framework/archive.h"
#include "model/cart_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  COstrelMemoryArchive stream(std::vector<uint8_t>(data, data + size));
  mervane::Archive ar(stream);
  mervane::CartSettings settings;
  try {
    settings.Serialize(ar);
  } catch (const mervane::ArchiveError&) {
    return 0;
  }
  // A block that loads must store and load again to the same bytes.
  COstrelMemoryArchive out;
  mervane::Archive writer(out);
  settings.Serialize(writer);
  COstrelMemoryArchive again(out.Bytes());
  mervane::Archive reader(again);
  mervane::CartSettings copy;
  copy.Serialize(reader);
  if (again.BytesLeft() != 0) __builtin_trap();
  return 0;
}
