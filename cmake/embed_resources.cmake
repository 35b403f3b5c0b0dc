# Script mode: writes a C++ source holding the bytes of the given files.
#   cmake -DOUTPUT=out.cpp -DFILES="a.js|b.php" -P embed_resources.cmake
# Each file becomes one entry named after its upper-cased file name, typed
# by its upper-cased extension.
string(REPLACE "|" ";" FILES "${FILES}")
set(entries "")
set(arrays "")
set(index 0)
foreach(path IN LISTS FILES)
  get_filename_component(name "${path}" NAME)
  get_filename_component(ext "${path}" LAST_EXT)
  string(TOUPPER "${name}" name)
  string(SUBSTRING "${ext}" 1 -1 type)
  string(TOUPPER "${type}" type)
  file(READ "${path}" hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
  string(APPEND arrays "const unsigned char kData${index}[] = {${bytes}0};\n")
  string(APPEND entries "    {\"${name}\", \"${type}\", kData${index}, ${size}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE "${OUTPUT}.tmp"
"// Generated at build time from src/resources; do not edit.
#include \"resources/embedded.h\"

namespace mervane {
namespace {
${arrays}}  // namespace

const EmbeddedResource kEmbeddedResources[] = {
${entries}};
const size_t kEmbeddedResourceCount = ${index};

}  // namespace mervane
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
