// A handler that throws must not unwind through the system's message loop:
// its dialog closes as cancelled, and a sheet with a failed page keeps
// nothing.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "dialog_driver.h"
#include "properties/win32/dialog.h"

namespace mervane::dialogs {
namespace {

class ThrowingDialog : public ModalDialog {
 protected:
  bool OnCommand(int id, int code) override {
    if (id == IDOK) throw std::runtime_error("OK failed");
    return ModalDialog::OnCommand(id, code);
  }
};

class ThrowingPage : public PropertyPage {
 protected:
  bool OnApply() override { throw std::bad_alloc(); }
};

TEST(Failure, AThrowingHandlerEndsItsDialogAsCancelled) {
  ThrowingDialog dialog;
  INT_PTR code = 0;
  EXPECT_EQ(RunDriven([&] { code = dialog.Run(nullptr, L"ADD_FIELD"); },
                      [](const Driver& d) { d.Finish(d.WaitForWindow(L"Add Field"), IDOK); }),
            "");
  EXPECT_EQ(code, IDCANCEL);

  ThrowingPage page;
  PROPSHEETPAGEW described = page.Describe(L"Options", 0);
  PROPSHEETHEADERW header = {};
  header.dwSize = sizeof(header);
  header.dwFlags = PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  header.pszCaption = L"Failing sheet";
  header.nPages = 1;
  header.ppsp = &described;
  EXPECT_EQ(RunDriven([&] { PropertySheetW(&header); },
                      [](const Driver& d) {
                        HWND sheet = d.WaitForWindow(L"Failing sheet");
                        d.Press(sheet, PSBTN_OK);
                        d.WaitUntilClosed(sheet);
                      }),
            "");
  EXPECT_TRUE(page.Failed());
  EXPECT_FALSE(page.Accepted());
}

}  // namespace
}  // namespace mervane::dialogs
