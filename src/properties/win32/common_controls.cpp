#include "properties/win32/common_controls.h"

#include <string>

#include "properties/win32/dialog.h"

namespace mervane {

namespace {

using PropertySheetFn = INT_PTR(WINAPI*)(LPCPROPSHEETHEADERW);
using InitControlsFn = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);

HANDLE CreateModuleContext() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(EditorModule(), path, MAX_PATH);
  ACTCTXW request = {};
  request.cbSize = sizeof(request);
  request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
  request.lpSource = path;
  request.hModule = EditorModule();
  request.lpResourceName = ISOLATIONAWARE_MANIFEST_RESOURCE_ID;
  return CreateActCtxW(&request);
}

// Functions are taken from the library loaded inside the context, which is
// version 6; the module's import table may have bound an older one.
template <typename Fn>
Fn Function(HMODULE library, const char* name, Fn fallback) {
  FARPROC found = library != nullptr ? GetProcAddress(library, name) : nullptr;
  return found != nullptr ? reinterpret_cast<Fn>(reinterpret_cast<void*>(found))
                          : fallback;
}

}  // namespace

CommonControls::CommonControls() : context_(CreateModuleContext()) {
  if (context_ != INVALID_HANDLE_VALUE && !ActivateActCtx(context_, &cookie_)) {
    cookie_ = 0;
  }
  library_ = LoadLibraryW(L"comctl32.dll");
  INITCOMMONCONTROLSEX classes = {sizeof(classes),
                                  ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  Function<InitControlsFn>(library_, "InitCommonControlsEx", &InitCommonControlsEx)(
      &classes);
}

CommonControls::~CommonControls() {
  if (library_ != nullptr) FreeLibrary(library_);
  if (cookie_ != 0) DeactivateActCtx(0, cookie_);
  if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
}

INT_PTR CommonControls::ShowPropertySheet(const PROPSHEETHEADERW& header) const {
  return Function<PropertySheetFn>(library_, "PropertySheetW", &::PropertySheetW)(&header);
}

}  // namespace mervane
