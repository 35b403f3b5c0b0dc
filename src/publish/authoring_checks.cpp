#include "publish/authoring_checks.h"

#include "framework/text.h"
#include "model/gateways.h"
#include "output/page_markup.h"
#include "output/quoting.h"
#include "output/ready_script.h"
#include "publish/cart_script.h"
#include "publish/checkout_script.h"

namespace mervane {

namespace {

using Findings = std::vector<std::string>;

const char* NameOf(OChar special) {
  switch (static_cast<char16_t>(special)) {
    case u'"': return "a double quote (\")";
    case u'\'': return "an apostrophe (')";
    case u'\\': return "a backslash (\\)";
    case u'$': return "a dollar sign ($)";
    case u'\r':
    case u'\n': return "a line break";
    default: return "a special character";
  }
}

// One finding per special character of `quoting` that the text holds and
// its generator leaves as it is (a line break once), and one for "</" in a
// script element.
void Check(Findings& out, const std::string& subject, const OString& text,
           const Quoting& quoting) {
  const auto say = [&](const char* what) {
    out.push_back(subject + " holds " + what + ", written unchanged into " + quoting.place);
  };
  bool lineBreak = false;
  for (OChar c : quoting.special) {
    if (quoting.escaped.find(c) != OStringView::npos || text.find(c) == OString::npos) continue;
    const bool isBreak = kLineBreaks.find(c) != OStringView::npos;
    if (!(isBreak && lineBreak)) say(NameOf(c));
    lineBreak = lineBreak || isBreak;
  }
  if (quoting.inScriptElement && text.find(OSTR("</")) != OString::npos)
    say("\"</\" (as in </script>)");
}

std::string Quoted(const OString& text) { return "\"" + ToUtf8(text) + "\""; }

void CheckProducts(Findings& out, const CartSettings& s, bool handsOff) {
  size_t n = 0;
  for (const CProduct& p : s.products) {
    const std::string product = "product " + std::to_string(++n) + " " + Quoted(p.productId);
    Check(out, product + " id", p.productId, kProductIdAttribute);
    Check(out, product + " price", p.price, kProductPriceAttribute);
    if (handsOff) {
      Check(out, product + " id", p.productId, kReadyProductTable);
      Check(out, product + " name", p.name, kReadyProductTable);
      Check(out, product + " price", p.price, kReadyProductTable);
    } else if (s.paymentProcessor == kBuiltInScript) {
      Check(out, product + " id", p.productId, kCheckoutTableKey);
      Check(out, product + " id", p.productId, kCheckoutTableValue);
      Check(out, product + " price", p.price, kCheckoutTableValue);
    }
  }
}

void CheckGatewayForm(Findings& out, const CartSettings& s) {
  if (s.paymentProcessor == kOtherTarget)
    Check(out, "setting checkoutUrl", s.checkoutUrl, kReadyFormTarget);
  for (const OString& stored : s.hiddenFields) {
    const HiddenField field = CutHiddenField(stored);
    const std::string subject = "gateway field " + Quoted(field.name);
    Check(out, subject + " name", field.name, kReadyGatewayField);
    Check(out, subject + " value", field.value, kReadyGatewayField);
  }
}

void CheckCartScriptTexts(Findings& out, const CartSettings& s) {
  for (const CartText& t : kCartTexts)
    Check(out, "setting " + std::string(t.name), s.*t.field, CartScriptQuoting(t));
}

}  // namespace

std::vector<std::string> AuthoringWarnings(const CartSettings& settings) {
  Findings out;
  const bool handsOff = HandsOffCheckout(settings.paymentProcessor);
  CheckProducts(out, settings, handsOff);
  if (handsOff) CheckGatewayForm(out, settings);
  CheckCartScriptTexts(out, settings);
  return out;
}

}  // namespace mervane
