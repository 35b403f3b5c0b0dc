#include "dialog_driver.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <vector>

namespace mervane::dialogs {

namespace {

constexpr DWORD kPollMs = 10;

std::vector<HWND> ThreadWindows(DWORD thread) {
  std::vector<HWND> windows;
  EnumThreadWindows(
      thread,
      [](HWND window, LPARAM found) {
        if (IsWindowVisible(window)) {
          reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

// The dialogs open on `thread`: its visible windows other than `kept`.
std::vector<HWND> OpenDialogs(DWORD thread, const std::vector<HWND>& kept) {
  std::vector<HWND> open = ThreadWindows(thread);
  std::erase_if(open, [&](HWND w) { return std::find(kept.begin(), kept.end(), w) != kept.end(); });
  return open;
}

// Cancels what a script left open, innermost dialog first. A dialog that
// will not close ends the run rather than hang it.
void CloseEverything(DWORD thread, const std::vector<HWND>& kept) {
  ULONGLONG deadline = GetTickCount64() + kStepTimeoutMs;
  for (auto open = OpenDialogs(thread, kept); !open.empty(); open = OpenDialogs(thread, kept)) {
    if (GetTickCount64() > deadline) {
      std::fputs("dialog driver: a dialog does not close; stopping\n", stderr);
      TerminateProcess(GetCurrentProcess(), 3);
    }
    for (HWND window : open) {
      if (IsWindowEnabled(window)) PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    }
    Sleep(50);
  }
}

}  // namespace

// A modal loop notices that its dialog has ended only when its next message
// arrives; an idle test thread would wait for one, so each poll sends one.
void Driver::WaitUntil(const std::function<bool()>& done, const std::string& what) const {
  for (ULONGLONG deadline = GetTickCount64() + kStepTimeoutMs; !done(); Sleep(kPollMs)) {
    PostThreadMessageW(dialogThread_, WM_NULL, 0, 0);
    if (GetTickCount64() > deadline) throw std::runtime_error("timed out waiting for " + what);
  }
}

std::vector<HWND> Driver::Windows() const { return ThreadWindows(dialogThread_); }

HWND Driver::WaitForWindow(const std::wstring& caption) const {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND window : Windows()) {
          if (IsWindowEnabled(window) && Text(window) == caption) found = window;
        }
        return found != nullptr;
      },
      "a window captioned with the expected text");
  return found;
}

void Driver::WaitUntilClosed(HWND window) const {
  WaitUntil([window] { return !IsWindow(window); }, "the window to close");
}

HWND Driver::Control(HWND parent, int id) const {
  HWND control = nullptr;
  WaitUntil([&] { return (control = GetDlgItem(parent, id)) != nullptr; },
            "control " + std::to_string(id));
  return control;
}

HWND Driver::Focus() const {
  GUITHREADINFO info = {};
  info.cbSize = sizeof(info);
  GetGUIThreadInfo(dialogThread_, &info);
  return info.hwndFocus;
}

HWND Driver::CurrentPage(HWND sheet) const {
  return reinterpret_cast<HWND>(SendMessageW(sheet, PSM_GETCURRENTPAGEHWND, 0, 0));
}

HWND Driver::SelectPage(HWND sheet, int index) const {
  SendMessageW(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index), 0);
  HWND page = nullptr;
  WaitUntil(
      [&] {
        page = CurrentPage(sheet);
        return page != nullptr && IsWindowVisible(page) &&
               SendMessageW(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(page), 0) ==
                   index;
      },
      "page " + std::to_string(index));
  return page;
}

void Driver::Press(HWND sheet, int button) const {
  PostMessageW(sheet, PSM_PRESSBUTTON, static_cast<WPARAM>(button), 0);
}

void Driver::Close(HWND window) const { PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0); }

void Driver::Click(HWND button) const { PostMessageW(button, BM_CLICK, 0, 0); }

void Driver::Finish(HWND dialog, int button) const {
  Click(Control(dialog, button));
  WaitUntilClosed(dialog);
}

void Driver::SetText(HWND control, const std::wstring& text) const {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::wstring Driver::Text(HWND control) const {
  std::wstring text(static_cast<size_t>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0)) + 1,
                    L'\0');
  text.resize(static_cast<size_t>(SendMessageW(control, WM_GETTEXT, text.size(),
                                               reinterpret_cast<LPARAM>(text.data()))));
  return text;
}

std::wstring ListRows(HWND list) {
  return ItemTexts<LVITEMW>(list, LVM_GETITEMTEXTW,
                            static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)));
}

bool ColumnsHold(HWND list, const std::vector<std::wstring>& texts) {
  auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const LRESULT margins = 2 * SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0);
  WPARAM column = 0;
  return std::all_of(texts.begin(), texts.end(), [&](const std::wstring& text) {
    return SendMessageW(list, LVM_GETCOLUMNWIDTH, column++, 0) >=
           SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(text.c_str())) + margins;
  });
}

std::vector<int> ColumnWidths(HWND list) {
  auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  std::vector<int> widths;
  for (LRESULT c = 0, n = SendMessageW(header, HDM_GETITEMCOUNT, 0, 0); c < n; ++c) {
    widths.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(c), 0)));
  }
  return widths;
}

bool ColumnsInView(HWND list) {
  RECT client = {};
  GetClientRect(list, &client);
  int sum = 0;
  for (int width : ColumnWidths(list)) sum += width;
  return sum <= client.right;
}

int FocusedRow(HWND list) {
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
}

int SelectedRow(HWND list) {
  if (SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) != 1) return -1;
  return static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

// The tip is the thread's tooltip window that holds a tool for the list.
std::wstring TipOver(HWND list, int row, int column) {
  RECT cell = {};
  cell.top = column;
  cell.left = LVIR_LABEL;
  SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&cell));
  SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2));
  std::vector<HWND> tips;
  EnumThreadWindows(
      GetWindowThreadProcessId(list, nullptr),
      [](HWND window, LPARAM found) {
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (lstrcmpiW(name, TOOLTIPS_CLASSW) == 0) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tips));
  for (HWND tip : tips) {
    std::wstring text(4096, L'\0');
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof(tool);
    tool.hwnd = list;
    tool.uId = reinterpret_cast<UINT_PTR>(list);
    if (!SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool))) continue;
    tool.lpszText = text.data();
    SendMessageW(tip, TTM_GETTEXTW, text.size(), reinterpret_cast<LPARAM>(&tool));
    text.resize(wcslen(text.c_str()));
    return text;
  }
  return L"(no tip)";
}

std::string RunDriven(const std::function<void()>& modal,
                      const std::function<void(const Driver&)>& script) {
  const DWORD dialogThread = GetCurrentThreadId();
  const std::vector<HWND> kept = ThreadWindows(dialogThread);
  std::string failure;
  std::thread driving([&] {
    Driver driver(dialogThread);
    try {
      script(driver);
      driver.WaitUntil([&] { return OpenDialogs(dialogThread, kept).empty(); },
                       "the dialogs to close at the end of the script");
    } catch (const std::exception& e) {
      failure = e.what();
      CloseEverything(dialogThread, kept);
    }
  });
  modal();
  driving.join();
  return failure;
}

}  // namespace mervane::dialogs
