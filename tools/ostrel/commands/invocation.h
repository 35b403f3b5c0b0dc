// One run of the host stand-in: the command's operands and options, where
// its output goes, and the extension module, loaded on first use.
#ifndef OSTREL_TOOL_INVOCATION_H_
#define OSTREL_TOOL_INVOCATION_H_

#include <filesystem>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "widget/module_loader.h"

namespace ostrel {

class Invocation {
 public:
  Invocation(std::vector<std::string> operands,
             std::map<std::string, std::string> options, std::ostream& out,
             std::ostream& err, bool showProgress);
  ~Invocation();

  const std::string& Operand(size_t index) const { return operands_.at(index); }
  std::filesystem::path PathOperand(size_t index) const;
  bool Has(const std::string& option) const { return options_.contains(option); }
  // The option's value, or `fallback` when it was not given.
  std::string Option(const std::string& name, const std::string& fallback) const;

  // The module given by --module, else the one next to this program.
  const ExtensionModule& Module();

  std::ostream& out;
  std::ostream& err;
  // Long work reports progress on `err` (only on a terminal).
  const bool showProgress;

 private:
  std::vector<std::string> operands_;
  std::map<std::string, std::string> options_;
  std::unique_ptr<ExtensionModule> module_;
};

}  // namespace ostrel

#endif  // OSTREL_TOOL_INVOCATION_H_
