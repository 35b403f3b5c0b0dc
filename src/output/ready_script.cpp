#include "output/ready_script.h"

#include "framework/text_length.h"
#include "model/gateways.h"
#include "model/product_walk.h"

namespace mervane {

namespace {

const OChar* Switch(int32_t flag) { return flag != 0 ? OSTR("true") : OSTR("false"); }

// The row of the plug-in's option at `order` (1, 2, ...), or null past the
// last one.
const CartField* PluginOption(int order) {
  for (const CartField& row : kCartFields) {
    if (row.pluginOrder == order) return &row;
  }
  return nullptr;
}

// Starts the cart plug-in on the widget's container with its options; a
// gateway's cart hands its checkout to cartCheckout.
template <typename Out>
void AppendPluginCall(Out& out, const CartSettings& s) {
  out += OSTR("   $(\"#$ID$\").mervane(\r\n");
  out += OSTR("   {\r\n");
  for (int order = 1; const CartField* row = PluginOption(order); ++order) {
    if (order > 1) out += OSTR(",\r\n");
    out += OSTR("         ");
    for (char c : row->name) out += static_cast<OChar>(c);
    out += OSTR(": ");
    out += Switch(s.*row->field.integer);
  }
  if (s.paymentProcessor != kBuiltInScript) {
    out += OSTR(",\r\n");
    out += OSTR("         onCheckout: function(Obj){ cartCheckout(Obj); }\r\n");
  }
  out += OSTR("   });\r\n");
}

template <typename Out>
void AppendProductTable(Out& out, const ProductList& products) {
  out += OSTR("   var cartProducts = [");
  bool first = true;
  ForEachProduct(products, [&](const CProduct& p) {
    if (!first) out += OSTR(",\r\n                       ");
    first = false;
    out += OSTR("{sku:\"");
    out += p.productId;
    out += OSTR("\", name:\"");
    out += p.name;
    out += OSTR("\", price:\"");
    out += p.price;
    out += OSTR("\"}");
  });
  out += OSTR("];\r\n");
}

// function cartGetName / cartGetPrice: the member of the first product whose
// sku matches, or ''. `returnIndent` differs between the two by design.
template <typename Out>
void AppendLookup(Out& out, const OChar* function, const OChar* member,
                  const OChar* returnIndent) {
  out += OSTR("   function ");
  out += function;
  out += OSTR("(sku)\r\n");
  out += OSTR("   {\r\n");
  out += OSTR("      for (var i = 0; i < cartProducts.length; i++)\r\n");
  out += OSTR("      {\r\n");
  out += OSTR("         if (cartProducts[i].sku == sku)\r\n");
  out += OSTR("         {\r\n");
  out += returnIndent;
  out += OSTR("return cartProducts[i].");
  out += member;
  out += OSTR(";\r\n");
  out += OSTR("         }\r\n");
  out += OSTR("      }\r\n");
  out += OSTR("      return '';\r\n");
  out += OSTR("   }\r\n");
}

// Adds each cart line to the description and the amount. The amount is
// rounded to whole cents at every line, so that binary fractions never add up
// to float noise (3.3000000000000003) in the posted total.
template <typename Out>
void AppendTotalsLoopBody(Out& out) {
  out += OSTR("         description += valueArray[0];\r\n");
  out += OSTR("         description += \", \";\r\n");
  out += OSTR("         description += cartGetName(valueArray[0]);\r\n");
  out += OSTR("         description += \", Qty. \";\r\n");
  out += OSTR("         description += valueArray[1];\r\n");
  out += OSTR("         description += \"\\n\";\r\n");
  out += OSTR("         amount = Math.round((amount + parseFloat(cartGetPrice(valueArray[0])) * valueArray[1]) * 100) / 100;\r\n");
}

// One numbered hidden input of a cart line. The first one's value-opening
// line has no semicolon; the browser inserts it.
template <typename Out>
void AppendItemField(Out& out, const OChar* stem, const OChar* valueLine,
                     bool first) {
  out += OSTR("         html += '<input type=\"hidden\" name=\"");
  out += stem;
  out += OSTR("';\r\n");
  out += OSTR("         html += item;\r\n");
  out += first ? OSTR("         html += '\" value=\"'\r\n")
               : OSTR("         html += '\" value=\"';\r\n");
  out += OSTR("         html += ");
  out += valueLine;
  out += OSTR(";\r\n");
  out += OSTR("         html += '\" />';\r\n");
}

// Writes item_number_n, quantity_n, amount_n and item_name_n per cart line.
template <typename Out>
void AppendItemisedLoopBody(Out& out) {
  out += OSTR("         var item = n+1;\r\n");
  AppendItemField(out, OSTR("item_number_"), OSTR("valueArray[0]"), true);
  AppendItemField(out, OSTR("quantity_"), OSTR("valueArray[1]"), false);
  AppendItemField(out, OSTR("amount_"), OSTR("cartGetPrice(valueArray[0])"), false);
  AppendItemField(out, OSTR("item_name_"), OSTR("cartGetName(valueArray[0])"), false);
}

template <typename Out>
void AppendCartLoop(Out& out, bool itemised) {
  out += OSTR("      obj.children(\"option\").each(function(n) \r\n");
  out += OSTR("      {\r\n");
  out += OSTR("         var value = $(this).attr('value');\r\n");
  out += OSTR("         var valueArray = value.split('|');\r\n");
  if (itemised)
    AppendItemisedLoopBody(out);
  else
    AppendTotalsLoopBody(out);
  out += OSTR("      });\r\n");
}

template <typename Out>
void AppendTotalsField(Out& out, OStringView field, const OChar* variable) {
  if (field.empty()) return;
  out += OSTR("      html += '<input type=\"hidden\" name=\"");
  out += field;
  out += OSTR("\" value=\"';\r\n");
  out += OSTR("      html += ");
  out += variable;
  out += OSTR(";\r\n");
  out += OSTR("      html += '\" />';\r\n");
}

// A line break cannot stand in a single-quoted script string: each one is
// written as its escape, so a multi-line value posts unchanged.
OString EscapeLineBreaks(const OString& text) {
  OString out;
  out.reserve(text.size());
  for (OChar c : text) {
    switch (static_cast<char16_t>(c)) {
      case u'\r': out += OSTR("\\r"); break;
      case u'\n': out += OSTR("\\n"); break;
      case u'\u2028': out += OSTR("\\u2028"); break;
      case u'\u2029': out += OSTR("\\u2029"); break;
      default: out += c;
    }
  }
  return out;
}

// "_AMOUNT_" and "_DESCRIPTION_" insert the computed totals where the loop
// computes them; the itemised loop does not, so there they stay literal.
OString GatewayFieldValue(const OString& value, bool hasTotals) {
  if (hasTotals && value == OSTR("_AMOUNT_")) return OSTR("' + amount + '");
  if (hasTotals && value == OSTR("_DESCRIPTION_")) return OSTR("' + description + '");
  return EscapeLineBreaks(value);
}

template <typename Out>
void AppendGatewayFields(Out& out, const OStringList& hiddenFields,
                         bool hasTotals) {
  for (const OString& stored : hiddenFields) {
    const HiddenField field = CutHiddenField(stored);
    out += OSTR("      html += '<input type=\"hidden\" name=\"");
    out += EscapeLineBreaks(field.name);
    out += OSTR("\" value=\"");
    out += GatewayFieldValue(field.value, hasTotals);
    out += OSTR("\" />';\r\n");
  }
}

OString FormTarget(const CartSettings& s) {
  if (const Gateway* gateway = FindGateway(s.paymentProcessor))
    return OString(gateway->address);
  return s.checkoutUrl;
}

// cartCheckout(obj): builds a form for the processor's target from the cart
// lines, adds the totals and gateway fields, and submits it.
template <typename Out>
void AppendCheckout(Out& out, const CartSettings& s) {
  const bool itemised = s.paymentProcessor == kPayPal;
  const Gateway* gateway = FindGateway(s.paymentProcessor);
  out += OSTR("   function cartCheckout(obj)\r\n");
  out += OSTR("   {\r\n");
  if (!itemised) {
    out += OSTR("      var description = '';\r\n");
    out += OSTR("      var amount = 0;\r\n");
  }
  out += OSTR("      var html = '<form action=\"");
  out += FormTarget(s);
  out += OSTR("\" method=\"post\">';\r\n");
  AppendCartLoop(out, itemised);
  if (gateway != nullptr) {
    AppendTotalsField(out, gateway->descriptionField, OSTR("description"));
    AppendTotalsField(out, gateway->amountField, OSTR("amount"));
  }
  AppendGatewayFields(out, s.hiddenFields, !itemised);
  out += OSTR("      html += '<\\/form>';\r\n");
  out += OSTR("      var form = $(html);\r\n");
  out += OSTR("      $('body').append(form);\r\n");
  out += OSTR("      $(form).submit();\r\n");
  out += OSTR("   }\r\n");
}


template <typename Out>
void AppendReadyScript(Out& out, const CartSettings& settings) {
  AppendPluginCall(out, settings);
  if (!HandsOffCheckout(settings.paymentProcessor)) return;
  AppendProductTable(out, settings.products);
  AppendLookup(out, OSTR("cartGetName"), OSTR("name"), OSTR("             "));
  AppendLookup(out, OSTR("cartGetPrice"), OSTR("price"), OSTR("            "));
  AppendCheckout(out, settings);
}

}  // namespace

OString BuildDocumentReadyScript(const CartSettings& settings) {
  return BuildSized([&settings](auto& out) { AppendReadyScript(out, settings); });
}

}  // namespace mervane
