#include <ostream>

#include "base/files.h"
#include "base/system.h"
#include "base/tool_error.h"
#include "cart/definition.h"
#include "commands/invocation.h"
#include "widget/widget_host.h"

namespace ostrel {

// Opens the widget's properties sheet as the editor does when an author asks
// for them, and writes the cart back when the sheet changed it. Properties
// reports nothing to its host, so an unchanged block is all that tells
// Cancel (or OK without an edit) apart.
int RunProperties(Invocation& in) {
  if (!system::HasPropertiesDialog()) {
    throw BadInput(
        "the properties dialog lives in the Windows module: run the Windows "
        "build's ostrel.exe (under Wine here); this module's Properties does nothing");
  }
  const std::filesystem::path file = in.PathOperand(0);
  const mervane::CartSettings cart = ReadDefinition(file);
  Widget widget = OpenWidget(in.Module(), cart);
  const Bytes before = StoreWidget(*widget);
  widget->Properties(nullptr);
  if (StoreWidget(*widget) == before) {
    in.out << in.Operand(0) << ": left untouched (cancelled, or nothing changed)\n";
    return kExitOk;
  }
  WriteFileBytes(file, FormatDefinition(ReadBackWidget(*widget, cart),
                                        std::filesystem::absolute(file).parent_path()));
  in.out << in.Operand(0) << ": edited cart written\n";
  return kExitOk;
}

}  // namespace ostrel
