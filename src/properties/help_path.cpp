#include "properties/help_path.h"

#include "framework/text.h"

namespace mervane {

OString HelpDocumentPath(OString modulePath) {
  ReplaceAll(modulePath, OSTR(".oex"), OSTR(".pdf"));
  ReplaceAll(modulePath, OSTR(".uoex"), OSTR(".pdf"));
  return modulePath;
}

}  // namespace mervane
