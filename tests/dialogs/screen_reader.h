// The test's screen reader: the msaa_reader program run as a second process
// on a window of the sheet, as an MSAA client is. Every wait is bounded.
#ifndef MERVANE_TESTS_DIALOGS_SCREEN_READER_H_
#define MERVANE_TESTS_DIALOGS_SCREEN_READER_H_

#include <windows.h>

#include <string>
#include <vector>

namespace mervane::dialogs {

// One line of the reader's output, split at its tabs.
using Fields = std::vector<std::string>;

// Runs "tree" or "act" on the window and returns the reader's lines.
std::vector<Fields> ReadWindow(const char* command, HWND window);

// A reader that runs while the test acts: "listen" hears the events of the
// window's process from construction until Stop, which returns them (event,
// window, child id, name, value); "hold" keeps objects of the window until
// Stop and then asks them. With `pump`, waiting dispatches this thread's
// messages, for a window that lives on it.
class ReaderSession {
 public:
  ReaderSession(const char* command, HWND window, bool pump = false);
  ~ReaderSession();
  ReaderSession(const ReaderSession&) = delete;
  ReaderSession& operator=(const ReaderSession&) = delete;
  std::vector<Fields> Stop();

 private:
  PROCESS_INFORMATION process_ = {};
  HANDLE output_ = nullptr;
  std::string read_;
  bool pump_;
};

}  // namespace mervane::dialogs

#endif  // MERVANE_TESTS_DIALOGS_SCREEN_READER_H_
