#include <windows.h>

#include "platform/platform.h"

namespace mervane::platform {

OString DecodeAnsi(std::string_view bytes) {
  if (bytes.empty()) return OString();
  int size = static_cast<int>(bytes.size());
  int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, nullptr, 0);
  if (n <= 0) return OString();
  OString text(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), size, text.data(), n);
  return text;
}

}  // namespace mervane::platform
