#include "cart/json_fields.h"

#include <algorithm>
#include <cstdio>
#include <limits>

#include "base/files.h"
#include "base/tool_error.h"
#include "framework/text.h"
#include "model/font_style.h"

namespace ostrel {

namespace fs = std::filesystem;

namespace {

constexpr OColor kLowest24Bits = 0xFFFFFF;

[[noreturn]] void Expected(const std::string& where, const std::string& what) {
  throw BadInput(where + ": expected " + what);
}

bool InRange(const Json& value, long long low, long long high) {
  if (value.is_number_unsigned()) {
    return value.get<unsigned long long>() <= static_cast<unsigned long long>(high);
  }
  long long n = value.get<long long>();
  return n >= low && n <= high;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// "#RRGGBB" as 0x00BBGGRR; false when the text has another form.
bool ParseHexColor(const std::string& text, OColor& color) {
  if (text.size() != 7 || text[0] != '#') return false;
  uint8_t rgb[3];
  for (int i = 0; i < 3; ++i) {
    int high = HexDigit(text[1 + 2 * i]);
    int low = HexDigit(text[2 + 2 * i]);
    if (high < 0 || low < 0) return false;
    rgb[i] = static_cast<uint8_t>(high * 16 + low);
  }
  color = mervane::Rgb(rgb[0], rgb[1], rgb[2]);
  return true;
}

}  // namespace

Json ParseJsonText(std::string_view text, const std::string& source) {
  try {
    return Json::parse(text);
  } catch (const Json::parse_error& e) {
    throw BadInput(source + ": not valid JSON: " + e.what());
  }
}

int32_t JsonToInt32(const Json& value, const std::string& where) {
  if (!value.is_number_integer() ||
      !InRange(value, std::numeric_limits<int32_t>::min(),
               std::numeric_limits<int32_t>::max())) {
    Expected(where, "a 32-bit integer");
  }
  return value.get<int32_t>();
}

int32_t JsonToFlag(const Json& value, const std::string& where) {
  if (value.is_boolean()) return value.get<bool>() ? 1 : 0;
  if (!value.is_number_integer()) Expected(where, "true, false or an integer");
  return JsonToInt32(value, where);
}

OColor JsonToColor(const Json& value, const std::string& where) {
  const char* form = "a colour \"#RRGGBB\" or an integer 0 to 4294967295";
  if (value.is_number_integer()) {
    if (!InRange(value, 0, std::numeric_limits<uint32_t>::max())) Expected(where, form);
    return value.get<OColor>();
  }
  OColor color = 0;
  if (!value.is_string() || !ParseHexColor(value.get<std::string>(), color)) {
    Expected(where, form);
  }
  return color;
}

OString JsonToText(const Json& value, const std::string& where) {
  return mervane::FromUtf8(JsonToString(value, where));
}

std::string JsonToString(const Json& value, const std::string& where) {
  if (!value.is_string()) Expected(where, "a string");
  return value.get<std::string>();
}

OStringList JsonToTextList(const Json& value, const std::string& where) {
  OStringList list;
  const Json& array = ExpectArray(value, where);
  for (size_t i = 0; i < array.size(); ++i) {
    list.push_back(JsonToText(array[i], where + "[" + std::to_string(i) + "]"));
  }
  return list;
}

ORect JsonToRect(const Json& value, const std::string& where) {
  if (!value.is_array() || value.size() != 4) {
    Expected(where, "[left, top, right, bottom]");
  }
  return ORect{JsonToInt32(value[0], where + "[0]"), JsonToInt32(value[1], where + "[1]"),
               JsonToInt32(value[2], where + "[2]"), JsonToInt32(value[3], where + "[3]")};
}

OString JsonToPath(const Json& value, const std::string& where,
                   const fs::path& baseFolder) {
  return ResolvePath(JsonToString(value, where), baseFolder);
}

const Json& ExpectObject(const Json& value, const std::string& where) {
  if (!value.is_object()) Expected(where, "an object");
  return value;
}

const Json& ExpectArray(const Json& value, const std::string& where) {
  if (!value.is_array()) Expected(where, "an array");
  return value;
}

void RejectUnknownKeys(const Json& object, std::initializer_list<std::string_view> known,
                       const std::string& where) {
  for (const auto& item : object.items()) {
    if (std::find(known.begin(), known.end(), item.key()) == known.end()) {
      throw BadInput(KeyPlace(where, item.key()) + ": unknown key");
    }
  }
}

std::string KeyPlace(const std::string& where, std::string_view name) {
  return where.empty() ? std::string(name) : where + "." + std::string(name);
}

Json FlagToJson(int32_t flag) {
  if (flag == 0 || flag == 1) return Json(flag == 1);
  return Json(flag);
}

Json ColorToJson(OColor color) {
  if (color > kLowest24Bits) return Json(color);
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color & 0xFF,
                (color >> 8) & 0xFF, (color >> 16) & 0xFF);
  return Json(text);
}

Json TextToJson(const OString& text) { return Json(mervane::ToUtf8(text)); }

Json TextListToJson(const OStringList& list) {
  Json array = Json::array();
  for (const OString& text : list) array.push_back(TextToJson(text));
  return array;
}

Json RectToJson(const ORect& rect) {
  return Json::array({rect.left, rect.top, rect.right, rect.bottom});
}

Json PathToJson(const OString& path, const fs::path& baseFolder) {
  if (path.empty() || baseFolder.empty()) return TextToJson(path);
  fs::path relative =
      PathFromUtf8(mervane::ToUtf8(path)).lexically_relative(baseFolder);
  if (relative.empty() || *relative.begin() == "..") return TextToJson(path);
  return Json(GenericPathToUtf8(relative));
}

}  // namespace ostrel
