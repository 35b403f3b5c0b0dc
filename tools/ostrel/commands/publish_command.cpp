#include <ostream>

#include "base/files.h"
#include "base/tool_error.h"
#include "cart/cart_warnings.h"
#include "cart/definition.h"
#include "cart/site_warnings.h"
#include "commands/invocation.h"
#include "widget/widget_host.h"

namespace ostrel {

// Publishes one widget's files into DIR through CopyFiles.
int RunPublish(Invocation& in) {
  mervane::CartSettings settings = ReadDefinition(in.PathOperand(0));
  WarnAboutTexts(in.err, in.Operand(0), settings);
  WarnAboutPictures(in.err, in.Operand(0), settings);
  WarnAboutPictureNames(in.err, {{in.Operand(0), &settings}});
  Widget widget = OpenWidget(in.Module(), settings);
  if (in.showProgress) {
    in.err << "publishing " << settings.products.Size() << " products..." << std::flush;
  }
  const int32_t result = widget->CopyFiles(FolderForModule(in.PathOperand(1)), OString());
  if (in.showProgress) in.err << " done\n";
  if (result != 1) {
    in.err << "ostrel: CopyFiles returned " << result
           << ": the checkout script could not be written\n";
    return kExitPublishFailed;
  }
  in.out << "published " << settings.products.Size() << " products into "
         << in.Operand(1) << "\n";
  return 0;
}

}  // namespace ostrel
