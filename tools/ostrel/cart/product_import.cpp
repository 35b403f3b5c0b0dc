#include "cart/product_import.h"

#include <array>

#include "base/files.h"
#include "base/tool_error.h"
#include "cart/csv_table.h"
#include "framework/text.h"

namespace ostrel {

using mervane::CProduct;

namespace {

struct Column {
  std::string_view name;
  OString CProduct::*field;
};

const std::array<Column, 6> kColumns = {{
    {"name", &CProduct::name},
    {"price", &CProduct::price},
    {"image", &CProduct::image},
    {"description", &CProduct::description},
    {"productId", &CProduct::productId},
    {"category", &CProduct::category},
}};

std::string ColumnNames() {
  std::string names;
  for (const Column& c : kColumns) names += (names.empty() ? "" : ", ") + std::string(c.name);
  return names;
}

std::vector<const Column*> HeaderColumns(const CsvRecord& header, const std::string& source) {
  std::vector<const Column*> columns;
  for (const std::string& name : header.fields) {
    const Column* found = nullptr;
    for (const Column& c : kColumns) {
      if (c.name == name) found = &c;
    }
    std::string where = source + ":" + std::to_string(header.line) + ": column \"" + name + "\"";
    if (found == nullptr) throw BadInput(where + " is not a product field (" + ColumnNames() + ")");
    for (const Column* c : columns) {
      if (c == found) throw BadInput(where + " appears twice");
    }
    columns.push_back(found);
  }
  return columns;
}

}  // namespace

mervane::ProductList ProductsFromCsv(std::string_view text, const std::string& source,
                                     const std::filesystem::path& tableFolder) {
  std::vector<CsvRecord> records = ParseCsv(text, source);
  mervane::ProductList products;
  if (records.empty()) return products;
  std::vector<const Column*> columns = HeaderColumns(records[0], source);
  for (size_t r = 1; r < records.size(); ++r) {
    const CsvRecord& record = records[r];
    if (record.fields.size() != columns.size()) {
      throw BadInput(source + ":" + std::to_string(record.line) + ": " +
                     std::to_string(record.fields.size()) + " fields where the header has " +
                     std::to_string(columns.size()));
    }
    CProduct product;
    for (size_t i = 0; i < columns.size(); ++i) {
      product.*columns[i]->field = mervane::FromUtf8(record.fields[i]);
    }
    product.image = ResolvePath(mervane::ToUtf8(product.image), tableFolder);
    products.Append(product);
  }
  return products;
}

}  // namespace ostrel
