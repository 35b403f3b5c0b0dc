// A product catalogue from a CSV table. The header row names product fields
// (name, price, image, description, productId, category) in any order;
// fields it leaves out stay empty. Picture paths are taken from the table's
// folder when relative.
#ifndef OSTREL_TOOL_PRODUCT_IMPORT_H_
#define OSTREL_TOOL_PRODUCT_IMPORT_H_

#include <filesystem>
#include <string>
#include <string_view>

#include "model/product.h"

namespace ostrel {

// Throws BadInput naming `source` and the line for an unknown or repeated
// column or a row with another number of fields than the header.
mervane::ProductList ProductsFromCsv(std::string_view text, const std::string& source,
                                     const std::filesystem::path& tableFolder);

}  // namespace ostrel

#endif  // OSTREL_TOOL_PRODUCT_IMPORT_H_
