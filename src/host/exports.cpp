// The five functions the host resolves by name.
#include <new>

#include "host/extension.h"
#include "platform/platform.h"

namespace {

const OChar kToolbarText[] = OSTR("Mervane");
const OChar kDescription[] =
    OSTR("A flexible and feature rich jQuery plug-in for a shopping cart.");

// Copies at most size - 1 characters and a terminator; returns size when the
// text does not fit, else its length.
uint32_t CopyText(const OChar* text, uint32_t length, OChar* buffer,
                  uint32_t size) noexcept {
  if (size == 0 || buffer == nullptr) return 0;
  uint32_t n = length < size ? length : size - 1;
  for (uint32_t i = 0; i < n; ++i) buffer[i] = text[i];
  buffer[n] = 0;
  return length < size ? length : size;
}

template <size_t N>
uint32_t CopyLiteral(const OChar (&text)[N], OChar* buffer, uint32_t size) noexcept {
  return CopyText(text, N - 1, buffer, size);
}

}  // namespace

// No exception leaves an export: the two that can fail answer null.
OSTREL_EXPORT OBitmapHandle GetToolbarBitmap() noexcept {
  try {
    return mervane::platform::LoadToolbarBitmap();
  } catch (...) {
    return nullptr;
  }
}

OSTREL_EXPORT uint32_t GetToolbarText(OChar* buffer, uint32_t size) noexcept {
  return CopyLiteral(kToolbarText, buffer, size);
}

OSTREL_EXPORT uint32_t GetDescription(OChar* buffer, uint32_t size) noexcept {
  return CopyLiteral(kDescription, buffer, size);
}

OSTREL_EXPORT COstrelExtension* CreateExtensionObject() noexcept {
  try {
    return new mervane::CMervaneExtension();
  } catch (...) {
    return nullptr;
  }
}

OSTREL_EXPORT void DeleteExtensionObject(COstrelExtension* object) noexcept {
  if (object != nullptr) object->Destroy();
}
