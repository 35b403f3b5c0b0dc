// Conversions between the module's UTF-16 text and byte encodings.
#ifndef MERVANE_FRAMEWORK_TEXT_H_
#define MERVANE_FRAMEWORK_TEXT_H_

#include <string>
#include <string_view>

#include "ostrel/types.h"

namespace mervane {

// UTF-16 to UTF-8. An unpaired surrogate becomes U+FFFD.
std::string ToUtf8(const OString& text);
// UTF-8 to UTF-16. Malformed sequences become U+FFFD.
OString FromUtf8(std::string_view bytes);
// ASCII-only literal or text to UTF-16 (bytes above 127 map to U+FFFD).
OString FromAscii(std::string_view ascii);

// Lower-cases A-Z and the Latin-1 capitals; other characters are kept.
OString ToLower(OString text);

// Replaces every occurrence of `from` in `text` by `to`, left to right.
void ReplaceAll(OString& text, const OString& from, const OString& to);

// Decimal text of a signed integer.
OString IntToText(long long value);

// The text as one line for a list row or a grid value: every carriage
// return, line feed and tab shows as one space. A "\r\n" pair is one break
// and gives one space. The stored text is not touched.
OString OneLine(const OString& text);

// The characters of OneLine(text.substr(0, limit)), one by one, without
// building the line.
template <typename Visit>
void ForEachOneLineChar(const OString& text, size_t limit, Visit&& visit) {
  const size_t end = limit < text.size() ? limit : text.size();
  for (size_t i = 0; i < end; ++i) {
    const OChar c = text[i];
    if (c == '\r' && i + 1 < end && text[i + 1] == '\n') continue;
    visit((c == '\r' || c == '\n' || c == '\t') ? OChar(' ') : c);
  }
}

}  // namespace mervane

#endif  // MERVANE_FRAMEWORK_TEXT_H_
