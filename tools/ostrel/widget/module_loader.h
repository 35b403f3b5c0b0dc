// Loads the extension module the way the host does: by path, through its
// five exported functions only.
#ifndef OSTREL_TOOL_MODULE_LOADER_H_
#define OSTREL_TOOL_MODULE_LOADER_H_

#include <filesystem>
#include <memory>
#include <string>

#include "ostrel/extension.h"

namespace ostrel {

// Deletes a widget through the module's own export.
struct WidgetDeleter {
  DeleteExtensionObjectFn deleteFn = nullptr;
  void operator()(COstrelExtension* widget) const { deleteFn(widget); }
};
using Widget = std::unique_ptr<COstrelExtension, WidgetDeleter>;

class ExtensionModule {
 public:
  // Throws ToolError when the module cannot be loaded or lacks an export.
  explicit ExtensionModule(const std::filesystem::path& path);
  ~ExtensionModule();
  ExtensionModule(const ExtensionModule&) = delete;
  ExtensionModule& operator=(const ExtensionModule&) = delete;

  // A new widget with the module's defaults. Throws ToolError when the
  // module returns null.
  Widget CreateWidget() const;

  std::string ToolbarText() const;
  std::string Description() const;

 private:
  void* library_ = nullptr;
  GetToolbarTextFn toolbarText_ = nullptr;
  GetDescriptionFn description_ = nullptr;
  CreateExtensionObjectFn create_ = nullptr;
  DeleteExtensionObjectFn delete_ = nullptr;
};

// mervane.uoex in the folder that holds the running program.
std::filesystem::path DefaultModulePath();

}  // namespace ostrel

#endif  // OSTREL_TOOL_MODULE_LOADER_H_
