// The host's side of one widget: handing in run-time values, loading and
// storing its block through Serialize, and replacing the "$ID$" token.
#ifndef OSTREL_TOOL_WIDGET_HOST_H_
#define OSTREL_TOOL_WIDGET_HOST_H_

#include <cstdint>
#include <string>
#include <vector>

#include "model/cart_settings.h"
#include "widget/module_loader.h"

namespace ostrel {

// A block as the module's memory archive holds it.
using Bytes = std::vector<uint8_t>;

// The block that `settings` stores, built with the project's model code.
Bytes StoreBlock(const mervane::CartSettings& settings);
// Reads one block from `ar` into `settings`; throws BadInput naming `what`.
void ParseBlock(COstrelArchive& ar, mervane::CartSettings& settings,
                const std::string& what);

// A new widget holding `settings`: SetID, SetPublishFolders and Move with
// its run-time values, then Serialize loading the block built from it.
Widget OpenWidget(const ExtensionModule& module,
                  const mervane::CartSettings& settings);

// Serialize loading from `ar`; throws BadInput naming `what` when the
// widget reports an archive error.
void LoadWidget(COstrelExtension& widget, COstrelArchive& ar,
                const std::string& what);
// Serialize storing into a new archive.
Bytes StoreWidget(COstrelExtension& widget);

// The widget's stored settings, read back from its block, with the
// run-time values (bounds, publish folders) that the host handed in.
mervane::CartSettings ReadBackWidget(COstrelExtension& widget,
                                     const mervane::CartSettings& handedIn);

// The element id the host gives a widget, and the token replacement.
std::string ElementId(int32_t id);
OString ReplaceIdToken(OString text, const std::string& elementId);

}  // namespace ostrel

#endif  // OSTREL_TOOL_WIDGET_HOST_H_
