// Which sub-folder of the published site receives files of a given type.
#ifndef MERVANE_MODEL_PUBLISH_FOLDERS_H_
#define MERVANE_MODEL_PUBLISH_FOLDERS_H_

#include "ostrel/types.h"

namespace mervane {

// The folder for fileName's extension among the host's "ext|folder" entries,
// lower-cased, without separators; empty when no entry matches or the name
// has no extension. Extensions compare without case and without the dot;
// when several entries match, the last one wins. An entry without "|" maps
// its extension to the empty folder.
OString GetPublishSubFolder(const OStringList& publishFolders,
                            const OString& fileName);

}  // namespace mervane

#endif  // MERVANE_MODEL_PUBLISH_FOLDERS_H_
