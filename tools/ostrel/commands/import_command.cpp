#include <ostream>

#include "base/files.h"
#include "cart/cart_warnings.h"
#include "cart/definition.h"
#include "cart/product_import.h"
#include "commands/invocation.h"

namespace ostrel {

// Replaces a definition's catalogue by the products of a CSV table.
int RunImportProducts(Invocation& in) {
  const std::filesystem::path table = in.PathOperand(1);
  mervane::ProductList products =
      ProductsFromCsv(ReadFileBytes(table), in.Operand(1),
                      std::filesystem::absolute(table).parent_path());
  ReplaceDefinitionProducts(in.PathOperand(0), products);
  WarnAboutTexts(in.err, in.Operand(0), ReadDefinition(in.PathOperand(0)));
  in.out << in.Operand(0) << ": " << products.Size() << " products imported\n";
  return 0;
}

}  // namespace ostrel
