// Product tables: the CSV reader and the import that builds products from it.
#include "cart/product_import.h"

#include <gtest/gtest.h>

#include "base/tool_error.h"
#include "cart/csv_table.h"
#include "framework/text.h"
#include "ostrel_test_support.h"

namespace ostrel {
namespace {

using mervane::FromUtf8;
using Fields = std::vector<std::string>;

std::vector<Fields> FieldsOf(std::string_view text) {
  std::vector<Fields> rows;
  for (const CsvRecord& r : ParseCsv(text, "t.csv")) rows.push_back(r.fields);
  return rows;
}

// The import reads the whole table first, so the reader's errors show too.
std::string ErrorOf(std::string_view text) {
  try {
    ProductsFromCsv(text, "p.csv", "/base");
  } catch (const ToolError& e) {
    EXPECT_EQ(e.status(), kExitBadInput);
    return e.what();
  }
  return "no error";
}

TEST(CsvTable, QuotedCommasQuotesAndLineBreaks) {
  EXPECT_EQ(FieldsOf("a,b\r\n\"x, y\",\"say \"\"hi\"\"\"\r\n\"two\r\nlines\",z\n"),
            (std::vector<Fields>{{"a", "b"}, {"x, y", "say \"hi\""}, {"two\r\nlines", "z"}}));
}

TEST(CsvTable, ByteOrderMarkEmptyFieldsAndLineEnds) {
  EXPECT_EQ(FieldsOf("\xEF\xBB\xBFname,price\n,\n\ncr\rend,\"\"\r\nlast,row"),
            (std::vector<Fields>{{"name", "price"}, {"", ""}, {"cr"}, {"end", ""},
                                 {"last", "row"}}));
}

TEST(ProductImport, ColumnsInAnyOrderWithPicturesFromTheTableFolder) {
  testing::TempFolder folder;
  mervane::ProductList products = ProductsFromCsv(
      "category,productId,name,price,image,description\r\n"
      "Cakes,C1,\"Crème brûlée, large\",4.50,pics/c1.png,\"Line one\nline two\"\r\n"
      "Bread,B1,Rye,3,,\r\n",
      "p.csv", folder.path());
  ASSERT_EQ(products.Size(), 2u);
  EXPECT_EQ(products[0].name, FromUtf8("Crème brûlée, large"));
  EXPECT_EQ(products[0].category, OSTR("Cakes"));
  EXPECT_EQ(products[0].productId, OSTR("C1"));
  EXPECT_EQ(products[0].price, OSTR("4.50"));
  EXPECT_EQ(products[0].description, OSTR("Line one\nline two"));
  EXPECT_EQ(products[0].image, PathForModule(folder / "pics/c1.png"));
  EXPECT_TRUE(products[1].image.empty() && products[1].description.empty());
  EXPECT_TRUE(products[1].reserved1.empty() && products[1].reservedList1.empty());
}

// A record is named by the line it starts on, breaks in quoted fields counted.
TEST(ProductImport, MalformedQuotesUnknownOrRepeatedColumnsAndRaggedRowsNameTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"name\n\"open\nstill open", "p.csv:3: a quoted field opened on line 2 is not closed"},
      {"name\n\"x\"y,z", "p.csv:2: text after a closing quote"},
      {"name\nb\"c", "p.csv:2: a quote inside an unquoted field"},
      {"name,colour\n", "p.csv:1: column \"colour\" is not a product field "
                        "(name, price, image, description, productId, category)"},
      {"name,price,name\n", "p.csv:1: column \"name\" appears twice"},
      {"name,price\n\"A\nA\",1\n\"B\nB\",2,3\n", "p.csv:4: 3 fields where the header has 2"},
  };
  for (const auto& [csv, message] : cases) EXPECT_EQ(ErrorOf(csv), message) << csv;
}

}  // namespace
}  // namespace ostrel
