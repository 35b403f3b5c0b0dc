// Reading and writing single definition values as JSON. Readers throw a
// ToolError with exit status 2 that names the value's place (`where`).
#ifndef OSTREL_TOOL_JSON_FIELDS_H_
#define OSTREL_TOOL_JSON_FIELDS_H_

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "ostrel/types.h"

namespace ostrel {

using Json = nlohmann::ordered_json;

// Throws BadInput naming `source` when `text` is not JSON.
Json ParseJsonText(std::string_view text, const std::string& source);

int32_t JsonToInt32(const Json& value, const std::string& where);
// true, false or an integer.
int32_t JsonToFlag(const Json& value, const std::string& where);
// "#RRGGBB" or an integer holding 0x00BBGGRR.
OColor JsonToColor(const Json& value, const std::string& where);
OString JsonToText(const Json& value, const std::string& where);
std::string JsonToString(const Json& value, const std::string& where);
OStringList JsonToTextList(const Json& value, const std::string& where);
// [left, top, right, bottom].
ORect JsonToRect(const Json& value, const std::string& where);
// A path; a relative one is taken from `baseFolder`.
OString JsonToPath(const Json& value, const std::string& where,
                   const std::filesystem::path& baseFolder);
const Json& ExpectObject(const Json& value, const std::string& where);
const Json& ExpectArray(const Json& value, const std::string& where);
// Throws for the first key of `object` that is not in `known`.
void RejectUnknownKeys(const Json& object, std::initializer_list<std::string_view> known,
                       const std::string& where);
// `where` + "." + name, or name alone at the top.
std::string KeyPlace(const std::string& where, std::string_view name);

Json FlagToJson(int32_t flag);
Json ColorToJson(OColor color);
Json TextToJson(const OString& text);
Json TextListToJson(const OStringList& list);
Json RectToJson(const ORect& rect);
// Relative to `baseFolder` when the path lies inside it.
Json PathToJson(const OString& path, const std::filesystem::path& baseFolder);

}  // namespace ostrel

#endif  // OSTREL_TOOL_JSON_FIELDS_H_
