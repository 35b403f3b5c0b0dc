// A cart definition: the settings of one widget as a readable JSON object
// whose keys are the record field names (see definition_fields.h).
//
// Missing keys take the defaults; an unknown key or a value of the wrong
// kind is a ToolError with exit status 2 naming the key. Colours are
// "#RRGGBB", or the raw 0x00BBGGRR number when bits above the lowest 24 are
// set. Relative picture paths are resolved against the definition's folder.
#ifndef OSTREL_TOOL_DEFINITION_H_
#define OSTREL_TOOL_DEFINITION_H_

#include <filesystem>
#include <string>
#include <string_view>

#include "model/cart_settings.h"

namespace ostrel {

// The host's publish folder table when a definition names none.
const OStringList& DefaultPublishFolders();

// The module's defaults with the host's default publish folder table.
mervane::CartSettings DefaultDefinition();

// `source` names the text in error messages.
mervane::CartSettings ParseDefinition(std::string_view json,
                                      const std::filesystem::path& baseFolder,
                                      const std::string& source);
mervane::CartSettings ReadDefinition(const std::filesystem::path& file);

// JSON text with every key. Pictures inside `baseFolder` are written
// relative to it; pass an empty folder to keep every path as stored.
std::string FormatDefinition(const mervane::CartSettings& settings,
                             const std::filesystem::path& baseFolder);

// Rewrites the definition file with `products` in place of its catalogue,
// keeping its other keys as they are.
void ReplaceDefinitionProducts(const std::filesystem::path& file,
                               const mervane::ProductList& products);

}  // namespace ostrel

#endif  // OSTREL_TOOL_DEFINITION_H_
