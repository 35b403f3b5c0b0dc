// The payment gateways: where each posts, which totals fields it takes, the
// hidden fields its choice presets, and how a stored hidden field reads.
#ifndef MERVANE_MODEL_GATEWAYS_H_
#define MERVANE_MODEL_GATEWAYS_H_

#include <cstdint>
#include <span>
#include <string_view>

#include "ostrel/types.h"

namespace mervane {

using OStringView = std::basic_string_view<OChar>;

struct Gateway {
  OStringView address;           // the form target, https
  OStringView descriptionField;  // totals fields; empty when not posted
  OStringView amountField;
  std::span<const OStringView> presetFields;  // "name|value" entries
};

// The gateway of payment processors 1 to 4; null for any other value.
const Gateway* FindGateway(int32_t processor);

// Whether the cart hands its checkout to the browser (processors 1 to 5):
// the ready script then carries the product table and cartCheckout, which
// posts the cart to the gateway or the other target.
bool HandsOffCheckout(int32_t processor);

// What choosing a processor on the options page does: sets the URL text
// (processor 0: the checkout script's name; 1 to 4: the gateway's address;
// otherwise left as it is) and replaces the hidden fields by the preset.
void ApplyProcessorPreset(int32_t processor, OString& urlText,
                          OStringList& hiddenFields);

// A stored hidden field as the ready script posts it: the name is the text
// before the first "|", the value the text between the first and the second
// "|" (empty without "|").
struct HiddenField {
  OString name;
  OString value;
};
HiddenField CutHiddenField(const OString& stored);

}  // namespace mervane

#endif  // MERVANE_MODEL_GATEWAYS_H_
