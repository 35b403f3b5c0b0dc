#include "framework/text.h"

#include <cstdint>

namespace mervane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

void AppendUtf16(OString& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<OChar>(c);
  } else {
    c -= 0x10000;
    out += static_cast<OChar>(0xD800 + (c >> 10));
    out += static_cast<OChar>(0xDC00 + (c & 0x3FF));
  }
}

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

// Decodes one UTF-8 sequence at bytes[i], advancing i; rejects overlong
// forms, surrogates and values past U+10FFFF.
char32_t DecodeUtf8At(std::string_view bytes, size_t& i) {
  unsigned char lead = static_cast<unsigned char>(bytes[i++]);
  if (lead < 0x80) return lead;
  int extra;
  char32_t c;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, minimum = 0x10000;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= bytes.size()) return kReplacement;
    unsigned char next = static_cast<unsigned char>(bytes[i]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    c = (c << 6) | (next & 0x3F);
    ++i;
  }
  if (c < minimum || c > 0x10FFFF || IsHighSurrogate(c) || IsLowSurrogate(c))
    return kReplacement;
  return c;
}

}  // namespace

std::string ToUtf8(const OString& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t u = static_cast<char16_t>(text[i]);
    if (IsHighSurrogate(u) && i + 1 < text.size() &&
        IsLowSurrogate(static_cast<char16_t>(text[i + 1]))) {
      char32_t low = static_cast<char16_t>(text[++i]);
      AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
    } else if (IsHighSurrogate(u) || IsLowSurrogate(u)) {
      AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, u);
    }
  }
  return out;
}

OString FromUtf8(std::string_view bytes) {
  OString out;
  out.reserve(bytes.size());
  size_t i = 0;
  while (i < bytes.size()) AppendUtf16(out, DecodeUtf8At(bytes, i));
  return out;
}

OString FromAscii(std::string_view ascii) {
  OString out(ascii.size(), OChar());
  for (size_t i = 0; i < ascii.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(ascii[i]);
    out[i] = static_cast<OChar>(c < 0x80 ? c : kReplacement);
  }
  return out;
}

OString ToLower(OString text) {
  for (OChar& c : text) {
    char16_t u = static_cast<char16_t>(c);
    if ((u >= u'A' && u <= u'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
      c = static_cast<OChar>(u + 32);
  }
  return text;
}

void ReplaceAll(OString& text, const OString& from, const OString& to) {
  if (from.empty()) return;
  OString out;
  size_t start = 0;
  for (size_t hit = text.find(from); hit != OString::npos;
       hit = text.find(from, start)) {
    out.append(text, start, hit - start);
    out += to;
    start = hit + from.size();
  }
  if (start == 0) return;
  out.append(text, start, OString::npos);
  text.swap(out);
}

OString IntToText(long long value) {
  return FromAscii(std::to_string(value));
}

OString OneLine(const OString& text) {
  OString line;
  line.reserve(text.size());
  ForEachOneLineChar(text, text.size(), [&](OChar c) { line += c; });
  return line;
}

}  // namespace mervane
