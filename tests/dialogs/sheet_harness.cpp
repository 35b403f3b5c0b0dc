#include "sheet_harness.h"

#include "framework/archive.h"
#include "ostrel/archive.h"
#include "properties/properties_editor.h"

namespace mervane::dialogs {

std::vector<uint8_t> StoredBlock(const CartSettings& settings) {
  CartSettings copy = settings;
  COstrelMemoryArchive stream;
  Archive ar(stream);
  copy.Serialize(ar);
  return stream.Bytes();
}

SheetRun RunSheet(CartSettings& settings,
                  const std::function<void(const Driver&, HWND sheet)>& script,
                  HWND parent) {
  SheetRun run;
  run.failure = RunDriven([&] { run.ok = EditProperties(settings, parent); },
                          [&](const Driver& driver) {
                            script(driver, driver.WaitForWindow(kSheetCaption));
                          });
  return run;
}

}  // namespace mervane::dialogs
