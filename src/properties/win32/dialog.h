// The one base of every dialog and property page of the editor. A single
// static dialog procedure finds the object that owns the window and hands
// each message to a small virtual handler; a handler that returns false
// leaves the message to the system. No exception may unwind through the
// system's message loop: a handler that throws ends its dialog as cancelled.
#ifndef MERVANE_PROPERTIES_WIN32_DIALOG_H_
#define MERVANE_PROPERTIES_WIN32_DIALOG_H_

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace mervane {

// The module that holds the editor's code and its dialog templates.
HINSTANCE EditorModule();

// The font a window draws its text in; null for the system font.
inline HFONT FontOf(HWND window) {
  return reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
}

class Dialog {
 public:
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;
  virtual ~Dialog() = default;

  HWND Window() const { return window_; }

 protected:
  Dialog() = default;

  // WM_INITDIALOG; true lets the system give the focus to the first control.
  virtual bool OnInitDialog() { return true; }
  virtual bool OnCommand(int /*id*/, int /*code*/) { return false; }
  virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) {
    return false;
  }
  // Any other message; sets result when it handles one.
  virtual bool OnMessage(UINT /*message*/, WPARAM, LPARAM, INT_PTR& /*result*/) {
    return false;
  }

  // A handler threw: the dialog closes without keeping anything.
  virtual void OnFailure() = 0;

  HWND Item(int id) const { return GetDlgItem(window_, id); }
  std::wstring ItemText(int id) const;
  void SetItemText(int id, const std::wstring& text) const;

  // The procedure of every dialog; WM_INITDIALOG carries the owning object.
  static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                    LPARAM lParam);

 private:
  INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

// A dialog run modally from a named template of the module.
class ModalDialog : public Dialog {
 public:
  // The code passed to End (IDOK, IDCANCEL), or -1 when it cannot be shown.
  INT_PTR Run(HWND parent, const wchar_t* templateName);

 protected:
  void End(INT_PTR code) { EndDialog(Window(), code); }
  // OK and Cancel end the dialog unless a page overrides them.
  bool OnCommand(int id, int code) override;
  virtual bool OnOk() { return true; }
  void OnFailure() override { End(IDCANCEL); }
};

// A page of a property sheet built from a named template of the module.
class PropertyPage : public Dialog {
 public:
  // The page's description for PropertySheetW, pointing back at this page.
  PROPSHEETPAGEW Describe(const wchar_t* templateName, DWORD flags);

  // True when the page accepted the sheet's OK and no Cancel followed. A
  // page that was never shown takes no part and stays false.
  bool Accepted() const { return accepted_; }
  // True when one of the page's handlers failed; the sheet then keeps nothing.
  bool Failed() const { return failed_; }

 protected:
  // PSN_APPLY: the sheet closes with OK; false keeps it open.
  virtual bool OnApply() { return true; }
  // PSN_HELP: the page's Help button; opens the editor's help document.
  virtual void OnHelp();
  // Pages that handle more notifications pass the others on to this one.
  bool OnNotify(const NMHDR& header, LRESULT& result) override;
  void OnFailure() override;

 private:
  static INT_PTR CALLBACK PageProcedure(HWND window, UINT message,
                                        WPARAM wParam, LPARAM lParam);

  bool accepted_ = false;
  bool failed_ = false;
};

}  // namespace mervane

#endif  // MERVANE_PROPERTIES_WIN32_DIALOG_H_
