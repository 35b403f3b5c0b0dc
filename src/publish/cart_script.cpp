#include "publish/cart_script.h"

#include "framework/text.h"

namespace mervane {

OString FillCartScriptPlaceholders(const CartSettings& settings, OString script) {
  for (const CartText& t : kCartTexts) ReplaceAll(script, t.token, settings.*t.field);
  return script;
}

}  // namespace mervane
