#include "widget/module_loader.h"

#include "base/files.h"
#include "base/system.h"
#include "base/tool_error.h"
#include "framework/text.h"

namespace ostrel {

namespace {

template <typename Fn>
Fn Resolve(void* library, const char* name, const std::filesystem::path& path) {
  auto fn = reinterpret_cast<Fn>(system::FindSymbol(library, name));
  if (fn == nullptr) {
    throw Failure(PathToUtf8(path) + ": the module does not export " + name);
  }
  return fn;
}

template <typename Fn>
std::string AskText(Fn fn) {
  OChar buffer[256];
  uint32_t n = fn(buffer, 256);
  return mervane::ToUtf8(OString(buffer, n < 256 ? n : 255));
}

}  // namespace

ExtensionModule::ExtensionModule(const std::filesystem::path& path) {
  std::string error;
  library_ = system::OpenLibrary(path, error);
  if (library_ == nullptr) {
    throw Failure("cannot load the module " + PathToUtf8(path) + ": " + error +
                  " (give its path with --module)");
  }
  try {
    // Every module has all five exports, though ostrel shows no toolbar.
    Resolve<GetToolbarBitmapFn>(library_, "GetToolbarBitmap", path);
    toolbarText_ = Resolve<GetToolbarTextFn>(library_, "GetToolbarText", path);
    description_ = Resolve<GetDescriptionFn>(library_, "GetDescription", path);
    create_ = Resolve<CreateExtensionObjectFn>(library_, "CreateExtensionObject", path);
    delete_ = Resolve<DeleteExtensionObjectFn>(library_, "DeleteExtensionObject", path);
  } catch (...) {
    system::CloseLibrary(library_);
    throw;
  }
}

ExtensionModule::~ExtensionModule() { system::CloseLibrary(library_); }

Widget ExtensionModule::CreateWidget() const {
  Widget widget(create_(), WidgetDeleter{delete_});
  if (!widget) throw Failure("the module could not create a widget");
  return widget;
}

std::string ExtensionModule::ToolbarText() const { return AskText(toolbarText_); }

std::string ExtensionModule::Description() const { return AskText(description_); }

std::filesystem::path DefaultModulePath() {
  return system::ExecutableFolder() / "mervane.uoex";
}

}  // namespace ostrel
