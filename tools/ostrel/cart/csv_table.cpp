#include "cart/csv_table.h"

#include "base/tool_error.h"

namespace ostrel {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class CsvParser {
 public:
  CsvParser(std::string_view text, const std::string& source)
      : text_(text), source_(source) {
    if (text_.starts_with(kByteOrderMark)) text_.remove_prefix(kByteOrderMark.size());
  }

  std::vector<CsvRecord> Records() {
    std::vector<CsvRecord> records;
    while (pos_ < text_.size()) {
      CsvRecord record = Record();
      if (!(record.fields.size() == 1 && record.fields[0].empty())) {
        records.push_back(std::move(record));
      }
    }
    return records;
  }

 private:
  CsvRecord Record() {
    CsvRecord record;
    record.line = line_;
    for (;;) {
      record.fields.push_back(Field());
      if (pos_ >= text_.size()) break;
      char c = text_[pos_++];
      if (c == ',') continue;
      SkipLineEnd(c);
      break;
    }
    return record;
  }

  std::string Field() {
    if (pos_ < text_.size() && text_[pos_] == '"') return QuotedField();
    size_t end = text_.find_first_of(",\r\n", pos_);
    if (end == std::string_view::npos) end = text_.size();
    std::string field(text_.substr(pos_, end - pos_));
    if (field.find('"') != std::string::npos) Fail("a quote inside an unquoted field");
    pos_ = end;
    return field;
  }

  std::string QuotedField() {
    const int start = line_;
    std::string field;
    ++pos_;
    for (;;) {
      if (pos_ >= text_.size()) Fail("a quoted field opened on line " +
                                     std::to_string(start) + " is not closed");
      char c = text_[pos_++];
      if (c == '"') {
        if (pos_ < text_.size() && text_[pos_] == '"') {
          field += '"';
          ++pos_;
          continue;
        }
        break;
      }
      if (c == '\n') ++line_;
      field += c;
    }
    if (pos_ < text_.size() && text_.find_first_of(",\r\n", pos_) != pos_) {
      Fail("text after a closing quote");
    }
    return field;
  }

  // `c` ended a record: a LF, or a CR that a LF may follow.
  void SkipLineEnd(char c) {
    if (c == '\r' && pos_ < text_.size() && text_[pos_] == '\n') ++pos_;
    ++line_;
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw BadInput(source_ + ":" + std::to_string(line_) + ": " + what);
  }

  std::string_view text_;
  const std::string& source_;
  size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace

std::vector<CsvRecord> ParseCsv(std::string_view text, const std::string& source) {
  return CsvParser(text, source).Records();
}

}  // namespace ostrel
