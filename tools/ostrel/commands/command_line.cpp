#include "commands/command_line.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <ostream>

#include "base/tool_error.h"
#include "commands/invocation.h"

namespace ostrel {

// Each defined in its command's file. A command runs once its operands are
// counted, and returns the exit status or throws ToolError.
int RunInfo(Invocation& in);
int RunRender(Invocation& in);
int RunPublish(Invocation& in);
int RunSave(Invocation& in);
int RunLoad(Invocation& in);
int RunImportProducts(Invocation& in);
int RunSite(Invocation& in);
int RunSiteLoad(Invocation& in);
int RunServe(Invocation& in);
int RunPreview(Invocation& in);
int RunProperties(Invocation& in);

namespace {

struct Command {
  std::string_view name;
  size_t operands;
  std::string_view usage;
  int (*run)(Invocation&);
};

const std::array<Command, 11> kCommands = {{
    {"info", 0, "info", RunInfo},
    {"render", 2, "render CART.json html|head|ready|resources [--raw]", RunRender},
    {"publish", 2, "publish CART.json DIR", RunPublish},
    {"save", 2, "save CART.json BLOCK", RunSave},
    {"load", 1, "load BLOCK", RunLoad},
    {"import-products", 2, "import-products CART.json PRODUCTS.csv", RunImportProducts},
    {"site", 2, "site SITE.json DIR [--project FILE]", RunSite},
    {"site-load", 1, "site-load PROJECT", RunSiteLoad},
    {"serve", 1, "serve DIR [--port N] [--mail DIR]", RunServe},
    {"preview", 2, "preview CART.json OUT.png [--size WxH]", RunPreview},
    {"properties", 1, "properties CART.json", RunProperties},
}};

// Options that stand alone, and those that take the next argument.
const std::array<std::string_view, 2> kSwitches = {"raw", "help"};
const std::array<std::string_view, 6> kValueOptions = {"module", "jquery", "project",
                                                       "port",   "mail",   "size"};

template <size_t N>
bool Contains(const std::array<std::string_view, N>& names, const std::string& name) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

void PrintUsage(std::ostream& to) {
  to << "usage: ostrel [--module PATH] [--jquery PATH] COMMAND ...\n"
        "Plays the site editor's part for the mervane.uoex extension.\n"
        "commands:\n";
  for (const Command& c : kCommands) to << "  ostrel " << c.usage << "\n";
  to << "exit status: 0 done, 1 failure, 2 bad input, 3 publishing failed\n";
}

const Command* FindCommand(const std::string& name) {
  for (const Command& c : kCommands) {
    if (c.name == name) return &c;
  }
  return nullptr;
}

struct ParsedLine {
  std::vector<std::string> words;
  std::map<std::string, std::string> options;
};

ParsedLine Parse(const std::vector<std::string>& args) {
  ParsedLine line;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (!arg.starts_with("--")) {
      line.words.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    if (Contains(kSwitches, name)) {
      line.options[name] = "";
    } else if (!Contains(kValueOptions, name)) {
      throw BadInput("unknown option " + arg);
    } else if (i + 1 < args.size()) {
      line.options[name] = args[++i];
    } else {
      throw BadInput("option " + arg + " needs a value");
    }
  }
  return line;
}

int Dispatch(const std::vector<std::string>& args, std::ostream& out,
             std::ostream& err, bool showProgress) {
  ParsedLine line = Parse(args);
  if (line.options.contains("help")) {
    PrintUsage(out);
    return kExitOk;
  }
  if (line.words.empty()) {
    PrintUsage(err);
    return kExitBadInput;
  }
  const Command* command = FindCommand(line.words[0]);
  if (command == nullptr) throw BadInput("unknown command \"" + line.words[0] + "\"");
  if (line.words.size() - 1 != command->operands) {
    throw BadInput("usage: ostrel " + std::string(command->usage));
  }
  line.words.erase(line.words.begin());
  Invocation in(std::move(line.words), std::move(line.options), out, err, showProgress);
  return command->run(in);
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out,
                   std::ostream& err, bool showProgress) {
  try {
    return Dispatch(args, out, err, showProgress);
  } catch (const ToolError& e) {
    err << "ostrel: " << e.what() << "\n";
    return e.status();
  } catch (const std::exception& e) {
    err << "ostrel: " << e.what() << "\n";
    return kExitFailure;
  }
}

}  // namespace ostrel
