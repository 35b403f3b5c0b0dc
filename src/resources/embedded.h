// Files compiled into the library as resources. The table is generated at
// build time from the files in this folder.
#ifndef MERVANE_RESOURCES_EMBEDDED_H_
#define MERVANE_RESOURCES_EMBEDDED_H_

#include <cstddef>

namespace mervane {

struct EmbeddedResource {
  const char* name;   // upper-case file name, e.g. "JQUERY.MERVANE-2.0.JS"
  const char* type;   // "JS", "PHP" or "BMP"
  const unsigned char* data;
  size_t size;
};

extern const EmbeddedResource kEmbeddedResources[];
extern const size_t kEmbeddedResourceCount;

}  // namespace mervane

#endif  // MERVANE_RESOURCES_EMBEDDED_H_
