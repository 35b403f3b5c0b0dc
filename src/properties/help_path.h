// Where the editor's help document lives: beside the module, same name.
#ifndef MERVANE_PROPERTIES_HELP_PATH_H_
#define MERVANE_PROPERTIES_HELP_PATH_H_

#include "ostrel/types.h"

namespace mervane {

// The module's own path with every ".oex", then every ".uoex", replaced by
// ".pdf".
OString HelpDocumentPath(OString modulePath);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_HELP_PATH_H_
