#include <windows.h>

#include "platform/platform.h"
#include "platform/win32/this_module.h"
#include "resources/resource_ids.h"

namespace mervane::platform {

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                         GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ThisModule), &module);
  return module;
}

namespace {

std::wstring Widen(std::string_view ascii) {
  return std::wstring(ascii.begin(), ascii.end());
}

}  // namespace

bool LoadModuleResource(std::string_view name, std::string_view type,
                        std::string& bytes) {
  HMODULE module = ThisModule();
  HRSRC found = FindResourceW(module, Widen(name).c_str(), Widen(type).c_str());
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (data == nullptr) return false;
  bytes.assign(static_cast<const char*>(data), SizeofResource(module, found));
  return true;
}

OBitmapHandle LoadToolbarBitmap() {
  return static_cast<HBITMAP>(LoadImageW(ThisModule(),
                                         MAKEINTRESOURCEW(IDB_TOOLBAR),
                                         IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace mervane::platform
