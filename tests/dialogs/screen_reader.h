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

// Runs "tree" or "act" on the window and returns the reader's lines, each of
// `fields` fields; any other line (an error the reader met) throws.
std::vector<Fields> ReadWindow(const char* command, HWND window, size_t fields);

// "listen": hears the events of the window from construction until Stop,
// which returns them (event, child id, name, value).
class ReaderSession {
 public:
  ReaderSession(const char* command, HWND window);
  ~ReaderSession();
  ReaderSession(const ReaderSession&) = delete;
  ReaderSession& operator=(const ReaderSession&) = delete;
  std::vector<Fields> Stop(size_t fields);

 private:
  PROCESS_INFORMATION process_ = {};
  HANDLE output_ = nullptr;
  std::string read_;
};

}  // namespace mervane::dialogs

#endif  // MERVANE_TESTS_DIALOGS_SCREEN_READER_H_
