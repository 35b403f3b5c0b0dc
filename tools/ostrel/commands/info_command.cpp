#include <ostream>

#include "commands/invocation.h"

namespace ostrel {

// What the host shows on its toolbar for the module.
int RunInfo(Invocation& in) {
  const ExtensionModule& module = in.Module();
  in.out << module.ToolbarText() << "\n" << module.Description() << "\n";
  return 0;
}

}  // namespace ostrel
