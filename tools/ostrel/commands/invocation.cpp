#include "commands/invocation.h"

#include "base/files.h"

namespace ostrel {

Invocation::Invocation(std::vector<std::string> operands,
                       std::map<std::string, std::string> options,
                       std::ostream& out, std::ostream& err, bool showProgress)
    : out(out),
      err(err),
      showProgress(showProgress),
      operands_(std::move(operands)),
      options_(std::move(options)) {}

Invocation::~Invocation() = default;

std::filesystem::path Invocation::PathOperand(size_t index) const {
  return PathFromUtf8(Operand(index));
}

std::string Invocation::Option(const std::string& name,
                               const std::string& fallback) const {
  auto it = options_.find(name);
  return it == options_.end() ? fallback : it->second;
}

const ExtensionModule& Invocation::Module() {
  if (!module_) {
    std::filesystem::path path =
        Has("module") ? PathFromUtf8(Option("module", "")) : DefaultModulePath();
    module_ = std::make_unique<ExtensionModule>(path);
  }
  return *module_;
}

}  // namespace ostrel
