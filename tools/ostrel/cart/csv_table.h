// Comma-separated text (RFC 4180): fields may be quoted, with commas, line
// breaks and doubled quotes inside; records end in CRLF or LF. A UTF-8
// byte-order mark at the start is skipped.
#ifndef OSTREL_TOOL_CSV_TABLE_H_
#define OSTREL_TOOL_CSV_TABLE_H_

#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

struct CsvRecord {
  int line = 0;  // where the record starts, from 1
  std::vector<std::string> fields;
};

// Throws BadInput naming `source` and the line of a malformed quote.
// Empty lines are skipped.
std::vector<CsvRecord> ParseCsv(std::string_view text, const std::string& source);

}  // namespace ostrel

#endif  // OSTREL_TOOL_CSV_TABLE_H_
