#include "output/ready_script.h"

namespace mervane {

// Not built yet.
OString BuildDocumentReadyScript(const CartSettings&) { return OString(); }

}  // namespace mervane
