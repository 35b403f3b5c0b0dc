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

std::string ErrorOf(std::string_view text) {
  try {
    ParseCsv(text, "t.csv");
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

TEST(CsvTable, MalformedQuotesNameTheLine) {
  EXPECT_EQ(ErrorOf("a\n\"open\nstill open"),
            "t.csv:3: a quoted field opened on line 2 is not closed");
  EXPECT_EQ(ErrorOf("a\n\"x\"y,z"), "t.csv:2: text after a closing quote");
  EXPECT_EQ(ErrorOf("a\nb\"c"), "t.csv:2: a quote inside an unquoted field");
}

}  // namespace
}  // namespace ostrel
