// Drives the editor's real modal dialogs the way a user would, from a second
// thread and with window messages only, while the dialog runs its own loop
// on the test's thread. Every wait is bounded: a dialog that does not reach
// the expected state fails its test in seconds.
#ifndef MERVANE_TESTS_DIALOGS_DIALOG_DRIVER_H_
#define MERVANE_TESTS_DIALOGS_DIALOG_DRIVER_H_

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

namespace mervane::dialogs {

// How long any one step may take.
constexpr DWORD kStepTimeoutMs = 5000;

class Driver {
 public:
  explicit Driver(DWORD dialogThread) : dialogThread_(dialogThread) {}

  // The visible top-level windows of the dialog thread.
  std::vector<HWND> Windows() const;
  // The enabled top-level window of the dialog thread with this caption.
  HWND WaitForWindow(const std::wstring& caption) const;
  void WaitUntilClosed(HWND window) const;
  // A control of `parent`, once it exists.
  HWND Control(HWND parent, int id) const;
  // The window with the keyboard focus on the dialog thread.
  HWND Focus() const;

  // Property sheets: the page shown, selecting a page by index, and the
  // sheet's buttons (PSBTN_OK, PSBTN_CANCEL, PSBTN_HELP).
  HWND CurrentPage(HWND sheet) const;
  HWND SelectPage(HWND sheet, int index) const;
  void Press(HWND sheet, int button) const;
  // The close box of any top-level window.
  void Close(HWND window) const;

  // Controls. Clicks are posted, so a click that opens a dialog does not
  // block the driver.
  void Click(HWND button) const;
  // Clicks a dialog's button and waits until the dialog has closed.
  void Finish(HWND dialog, int button) const;
  void SetText(HWND control, const std::wstring& text) const;
  std::wstring Text(HWND control) const;

  // Waits until `done` holds; throws naming `what` when it does not.
  void WaitUntil(const std::function<bool()>& done, const std::string& what) const;

 private:
  DWORD dialogThread_;
};

// The texts that `message` reads from the first `count` items of a control
// (tabs, list columns, list rows), each followed by ",".
template <typename Item>
std::wstring ItemTexts(HWND control, UINT message, int count, UINT mask = 0) {
  std::wstring texts;
  for (int i = 0; i < count; ++i) {
    wchar_t text[64] = {};
    Item item = {};
    item.mask = mask;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(control, message, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    texts += text + std::wstring(L",");
  }
  return texts;
}

// A list view's first column, row by row.
std::wstring ListRows(HWND list);
// Each of a list view's first columns is at least as wide as its text (a
// heading or a row's) in the list's font between the header's margins.
bool ColumnsHold(HWND list, const std::vector<std::wstring>& texts);

// A list's column widths, and whether they all lie within its view.
std::vector<int> ColumnWidths(HWND list);
bool ColumnsInView(HWND list);
// The row of a list with the focus mark and the one selected row (-1 none).
int FocusedRow(HWND list);
int SelectedRow(HWND list);
// Moves the pointer over a list's cell and gives back the text of the tip
// that the list shows there ("" when it shows none).
std::wstring TipOver(HWND list, int row, int column);

// Runs `modal` on this thread while `script` drives it from a second one.
// Returns what went wrong in the script, empty when it ran to its end. A
// failing script closes every window it left open so that `modal` returns.
std::string RunDriven(const std::function<void()>& modal,
                      const std::function<void(const Driver&)>& script);

}  // namespace mervane::dialogs

#endif  // MERVANE_TESTS_DIALOGS_DIALOG_DRIVER_H_
