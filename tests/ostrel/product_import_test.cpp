#include "product_import.h"

#include <gtest/gtest.h>

#include "framework/text.h"
#include "ostrel_test_support.h"
#include "tool_error.h"

namespace ostrel {
namespace {

using mervane::FromUtf8;

std::string ErrorOf(std::string_view text) {
  try {
    ProductsFromCsv(text, "p.csv", "/base");
  } catch (const ToolError& e) {
    return e.what();
  }
  return "no error";
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

TEST(ProductImport, RejectsUnknownOrRepeatedColumnsAndRaggedRows) {
  EXPECT_EQ(ErrorOf("name,colour\n"),
            "p.csv:1: column \"colour\" is not a product field "
            "(name, price, image, description, productId, category)");
  EXPECT_EQ(ErrorOf("name,price,name\n"), "p.csv:1: column \"name\" appears twice");
  // A record is named by the line it starts on, breaks in quoted fields counted.
  EXPECT_EQ(ErrorOf("name,price\n\"A\nA\",1\n\"B\nB\",2,3\n"),
            "p.csv:4: 3 fields where the header has 2");
}

}  // namespace
}  // namespace ostrel
