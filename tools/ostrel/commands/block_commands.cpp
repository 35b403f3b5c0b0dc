#include <ostream>

#include "base/files.h"
#include "base/tool_error.h"
#include "cart/definition.h"
#include "commands/invocation.h"
#include "widget/widget_host.h"

namespace ostrel {

// Stores the widget that a definition describes into a block file, the way
// the host saves it into a project.
int RunSave(Invocation& in) {
  Widget widget = OpenWidget(in.Module(), ReadDefinition(in.PathOperand(0)));
  const Bytes block = StoreWidget(*widget);
  WriteFileBytes(in.PathOperand(1), std::string(block.begin(), block.end()));
  in.out << in.Operand(1) << ": " << block.size() << " bytes\n";
  return 0;
}

// Opens a block file the way the host opens a project, and prints the
// definition that the widget stores back.
int RunLoad(Invocation& in) {
  const std::string name = in.Operand(0);
  const mervane::CartSettings handedIn = DefaultDefinition();
  Widget widget = in.Module().CreateWidget();
  widget->SetPublishFolders(handedIn.publishFolders);
  widget->Move(handedIn.bounds);
  const std::string file = ReadFileBytes(in.PathOperand(0));
  COstrelMemoryArchive ar(Bytes(file.begin(), file.end()));
  LoadWidget(*widget, ar, name);
  if (ar.BytesLeft() != 0) {
    throw BadInput(name + ": " + std::to_string(ar.BytesLeft()) +
                   " bytes follow the block");
  }
  in.out << FormatDefinition(ReadBackWidget(*widget, handedIn), {});
  return 0;
}

}  // namespace ostrel
