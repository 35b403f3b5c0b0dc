#include "cart/definition.h"

#include <set>

#include "base/files.h"
#include "base/tool_error.h"
#include "cart/definition_fields.h"
#include "cart/json_fields.h"

namespace ostrel {

namespace fs = std::filesystem;
using mervane::CartSettings;
using mervane::CFontStyle;
using mervane::CProduct;
using mervane::ProductList;

namespace {

// Fills a record from a JSON object; keys left out keep their values.
class JsonReader {
 public:
  JsonReader(const Json& object, std::string where, const fs::path& baseFolder)
      : object_(ExpectObject(object, where)),
        where_(std::move(where)),
        baseFolder_(baseFolder) {}

  void Int(std::string_view name, int32_t& v) {
    if (const Json* j = Find(name)) v = JsonToInt32(*j, Where(name));
  }
  void Flag(std::string_view name, int32_t& v) {
    if (const Json* j = Find(name)) v = JsonToFlag(*j, Where(name));
  }
  void Color(std::string_view name, OColor& v) {
    if (const Json* j = Find(name)) v = JsonToColor(*j, Where(name));
  }
  void Text(std::string_view name, OString& v) {
    if (const Json* j = Find(name)) v = JsonToText(*j, Where(name));
  }
  void Image(std::string_view name, OString& v) {
    if (const Json* j = Find(name)) v = JsonToPath(*j, Where(name), baseFolder_);
  }
  void TextList(std::string_view name, OStringList& v) {
    if (const Json* j = Find(name)) v = JsonToTextList(*j, Where(name));
  }
  void Rect(std::string_view name, ORect& v) {
    if (const Json* j = Find(name)) v = JsonToRect(*j, Where(name));
  }
  void Style(std::string_view name, CFontStyle& v) {
    if (const Json* j = Find(name)) {
      JsonReader reader(*j, Where(name), baseFolder_);
      VisitStyleFields(v, reader);
      reader.RejectUnknownKeys();
    }
  }
  void Products(std::string_view name, ProductList& v) {
    const Json* j = Find(name);
    if (j == nullptr) return;
    const Json& array = ExpectArray(*j, Where(name));
    v.Resize(0);
    for (size_t i = 0; i < array.size(); ++i) {
      CProduct product;
      JsonReader reader(array[i], Where(name) + "[" + std::to_string(i) + "]",
                        baseFolder_);
      VisitProductFields(product, reader);
      reader.RejectUnknownKeys();
      v.Append(product);
    }
  }

  void RejectUnknownKeys() const {
    for (const auto& item : object_.items()) {
      if (!known_.contains(item.key())) throw BadInput(Where(item.key()) + ": unknown key");
    }
  }

 private:
  const Json* Find(std::string_view name) {
    known_.insert(std::string(name));
    auto it = object_.find(std::string(name));
    return it == object_.end() ? nullptr : &*it;
  }
  std::string Where(std::string_view name) const { return KeyPlace(where_, name); }

  const Json& object_;
  std::string where_;
  const fs::path& baseFolder_;
  std::set<std::string, std::less<>> known_;
};

// Builds a JSON object with every field of a record.
class JsonWriter {
 public:
  explicit JsonWriter(const fs::path& baseFolder) : baseFolder_(baseFolder) {}

  void Int(std::string_view name, int32_t v) { Put(name, Json(v)); }
  void Flag(std::string_view name, int32_t v) { Put(name, FlagToJson(v)); }
  void Color(std::string_view name, OColor v) { Put(name, ColorToJson(v)); }
  void Text(std::string_view name, const OString& v) { Put(name, TextToJson(v)); }
  void Image(std::string_view name, const OString& v) {
    Put(name, PathToJson(v, baseFolder_));
  }
  void TextList(std::string_view name, const OStringList& v) {
    Put(name, TextListToJson(v));
  }
  void Rect(std::string_view name, const ORect& v) { Put(name, RectToJson(v)); }
  void Style(std::string_view name, const CFontStyle& v) {
    JsonWriter writer(baseFolder_);
    VisitStyleFields(v, writer);
    Put(name, writer.Result());
  }
  void Products(std::string_view name, const ProductList& v) {
    Put(name, ProductsToJson(v, baseFolder_));
  }

  static Json ProductsToJson(const ProductList& products, const fs::path& baseFolder) {
    Json array = Json::array();
    for (const CProduct& p : products) {
      JsonWriter writer(baseFolder);
      VisitProductFields(p, writer);
      array.push_back(writer.Result());
    }
    return array;
  }

  const Json& Result() const { return object_; }

 private:
  void Put(std::string_view name, Json value) {
    object_[std::string(name)] = std::move(value);
  }

  const fs::path& baseFolder_;
  Json object_ = Json::object();
};

std::string Dump(const Json& json) { return json.dump(2) + "\n"; }

fs::path FolderOf(const fs::path& file) {
  return fs::absolute(file).parent_path();
}

}  // namespace

const OStringList& DefaultPublishFolders() {
  static const OStringList folders = {
      OSTR("jpg|images"), OSTR("jpeg|images"), OSTR("png|images"),
      OSTR("gif|images"), OSTR("css|styles"),  OSTR("js|scripts")};
  return folders;
}

CartSettings DefaultDefinition() {
  CartSettings settings;
  settings.publishFolders = DefaultPublishFolders();
  return settings;
}

CartSettings ParseDefinition(std::string_view json, const fs::path& baseFolder,
                             const std::string& source) {
  const Json object = ParseJsonText(json, source);
  if (!object.is_object()) throw BadInput(source + ": expected a JSON object");
  CartSettings settings = DefaultDefinition();
  try {
    JsonReader reader(object, "", baseFolder);
    VisitCartFields(settings, reader);
    reader.RejectUnknownKeys();
  } catch (const ToolError& e) {
    throw BadInput(source + ": " + e.what());
  }
  return settings;
}

CartSettings ReadDefinition(const fs::path& file) {
  return ParseDefinition(ReadFileBytes(file), FolderOf(file), PathToUtf8(file));
}

std::string FormatDefinition(const CartSettings& settings,
                             const fs::path& baseFolder) {
  JsonWriter writer(baseFolder);
  VisitCartFields(settings, writer);
  return Dump(writer.Result());
}

void ReplaceDefinitionProducts(const fs::path& file, const ProductList& products) {
  ReadDefinition(file);
  Json json = ParseJsonText(ReadFileBytes(file), PathToUtf8(file));
  json["products"] = JsonWriter::ProductsToJson(products, FolderOf(file));
  WriteFileBytes(file, Dump(json));
}

}  // namespace ostrel
