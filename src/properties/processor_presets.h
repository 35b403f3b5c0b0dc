// What the options page does with the payment processor list: the entries
// it shows, when the URL field takes input, what a new pick presets and which
// editor the Edit button opens.
#ifndef MERVANE_PROPERTIES_PROCESSOR_PRESETS_H_
#define MERVANE_PROPERTIES_PROCESSOR_PRESETS_H_

#include <cstdint>
#include <span>
#include <string_view>

#include "properties/page_copies.h"

namespace mervane {

// The list's entries; an entry's position is its processor value.
std::span<const std::basic_string_view<OChar>> ProcessorEntries();

// Only "Other" posts to the URL the user types.
bool IsUrlEditable(int32_t processor);

// A new pick in the list: the copies take the processor, and its preset
// replaces the URL text (except for "Other") and every hidden field.
void ChooseProcessor(OptionsPageCopies& copies, int32_t processor);

// The built-in checkout edits its script; every other processor its fields.
bool EditsCheckoutScript(int32_t processor);

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_PROCESSOR_PRESETS_H_
