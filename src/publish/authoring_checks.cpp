#include "publish/authoring_checks.h"

#include <initializer_list>
#include <utility>

#include "framework/text.h"
#include "model/gateways.h"

namespace mervane {

namespace {

struct Hazard {
  const OChar* text;  // what to look for
  bool anyOf;         // any single character of `text` rather than all of it
  const char* name;
};

const Hazard kDoubleQuote{OSTR("\""), false, "a double quote (\")"};
const Hazard kApostrophe{OSTR("'"), false, "an apostrophe (')"};
const Hazard kBackslash{OSTR("\\"), false, "a backslash (\\)"};
const Hazard kLineBreak{OSTR("\r\n"), true, "a line break"};
const Hazard kEndTag{OSTR("</"), false, "\"</\" (as in </script>)"};
const Hazard kDollar{OSTR("$"), false, "a dollar sign ($)"};

bool Holds(const OString& text, const Hazard& h) {
  return (h.anyOf ? text.find_first_of(h.text) : text.find(h.text)) != OString::npos;
}

using Findings = std::vector<std::string>;

void Check(Findings& out, const std::string& subject, const OString& text, const char* place,
           std::initializer_list<Hazard> hazards) {
  for (const Hazard& h : hazards) {
    if (Holds(text, h))
      out.push_back(subject + " holds " + h.name + ", written unchanged into " + place);
  }
}

std::string Quoted(const OString& text) { return "\"" + ToUtf8(text) + "\""; }

void CheckProducts(Findings& out, const CartSettings& s, bool handsOff) {
  size_t n = 0;
  for (const CProduct& p : s.products) {
    const std::string product = "product " + std::to_string(++n) + " " + Quoted(p.productId);
    Check(out, product + " id", p.productId, "the page markup's pid attribute", {kDoubleQuote});
    Check(out, product + " price", p.price, "the page markup's pprice attribute", {kDoubleQuote});
    if (handsOff) {
      const char* table = "a double-quoted string of the document-ready script";
      for (const auto& [what, text] : {std::pair{" id", &p.productId}, std::pair{" name", &p.name},
                                       std::pair{" price", &p.price}})
        Check(out, product + what, *text, table, {kDoubleQuote, kBackslash, kLineBreak, kEndTag});
    } else if (s.paymentProcessor == kBuiltInScript) {
      const char* table = "the checkout script's product table";
      Check(out, product + " id", p.productId, table,
            {kDoubleQuote, kApostrophe, kBackslash, kDollar});
      Check(out, product + " price", p.price, table, {kApostrophe, kBackslash});
    }
  }
}

// Gateway fields and the form target stand in single-quoted script strings
// that build an attribute in double quotes.
void CheckGatewayForm(Findings& out, const CartSettings& s) {
  const char* form = "a single-quoted string of the document-ready script";
  const std::initializer_list<Hazard> hazards = {kApostrophe, kDoubleQuote, kBackslash, kEndTag};
  if (s.paymentProcessor == kOtherTarget)
    Check(out, "setting checkoutUrl", s.checkoutUrl, form, hazards);
  for (const OString& stored : s.hiddenFields) {
    const HiddenField field = CutHiddenField(stored);
    const std::string subject = "gateway field " + Quoted(field.name);
    Check(out, subject + " name", field.name, form, hazards);
    Check(out, subject + " value", field.value, form, hazards);
  }
}

void CheckCartScriptTexts(Findings& out, const CartSettings& s) {
  for (const CartText& t : kCartTexts) {
    const Hazard& delimiter = t.quote == '"' ? kDoubleQuote : kApostrophe;
    Check(out, "setting " + std::string(t.name), s.*t.field, "its quoted string in the cart script",
          {delimiter, kBackslash, kLineBreak});
  }
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
