// The properties sheet under test: opened for real on a cart, driven by a
// script, and the cart's stored block to compare afterwards.
#ifndef MERVANE_TESTS_DIALOGS_SHEET_HARNESS_H_
#define MERVANE_TESTS_DIALOGS_SHEET_HARNESS_H_

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "dialog_driver.h"
#include "model/cart_settings.h"

namespace mervane::dialogs {

inline constexpr wchar_t kSheetCaption[] = L"Mervane Properties";

// The block that Serialize stores for `settings`.
std::vector<uint8_t> StoredBlock(const CartSettings& settings);

struct SheetRun {
  bool ok = false;      // EditProperties reported OK
  std::string failure;  // what went wrong in the script; empty when nothing
};

// Opens the sheet on `settings` over `parent` and runs `script` on it with
// the sheet window; the script must close the sheet.
SheetRun RunSheet(CartSettings& settings,
                  const std::function<void(const Driver&, HWND sheet)>& script,
                  HWND parent = nullptr);

}  // namespace mervane::dialogs

#endif  // MERVANE_TESTS_DIALOGS_SHEET_HARNESS_H_
