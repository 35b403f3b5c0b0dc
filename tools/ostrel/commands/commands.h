// The commands of the host stand-in. Each returns the exit status or throws
// ToolError; operand counts are checked before they run.
#ifndef OSTREL_TOOL_COMMANDS_H_
#define OSTREL_TOOL_COMMANDS_H_

#include "commands/invocation.h"

namespace ostrel {

int RunInfo(Invocation& in);            // info
int RunRender(Invocation& in);          // render CART.json html|head|ready|resources
int RunPublish(Invocation& in);         // publish CART.json DIR
int RunSave(Invocation& in);            // save CART.json BLOCK
int RunLoad(Invocation& in);            // load BLOCK
int RunImportProducts(Invocation& in);  // import-products CART.json PRODUCTS.csv
int RunSite(Invocation& in);            // site SITE.json DIR
int RunSiteLoad(Invocation& in);        // site-load PROJECT
int RunServe(Invocation& in);           // serve DIR
int RunPreview(Invocation& in);         // preview CART.json OUT.png [--size WxH]
int RunProperties(Invocation& in);      // properties CART.json

}  // namespace ostrel

#endif  // OSTREL_TOOL_COMMANDS_H_
