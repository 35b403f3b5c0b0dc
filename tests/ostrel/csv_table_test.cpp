#include "csv_table.h"

#include <gtest/gtest.h>

#include "tool_error.h"

namespace ostrel {
namespace {

using Fields = std::vector<std::string>;

std::vector<Fields> FieldsOf(std::string_view text) {
  std::vector<Fields> rows;
  for (const CsvRecord& r : ParseCsv(text, "t.csv")) rows.push_back(r.fields);
  return rows;
}

TEST(CsvTable, QuotedCommasQuotesAndLineBreaks) {
  EXPECT_EQ(FieldsOf("a,b\r\n\"x, y\",\"say \"\"hi\"\"\"\r\n\"two\nlines\",z\n"),
            (std::vector<Fields>{{"a", "b"}, {"x, y", "say \"hi\""}, {"two\nlines", "z"}}));
}
}  // namespace
}  // namespace ostrel
