#include "screen_reader.h"

#include <sstream>
#include <stdexcept>

#include "dialog_driver.h"

namespace mervane::dialogs {

namespace {

// The build gives the program's path the Unix way; Wine reaches / as Z:.
std::string ReaderPath() {
  std::string path = std::string("Z:") + MSAA_READER;
  for (char& c : path) c = c == '/' ? '\\' : c;
  return path;
}

// Starts the reader with its output on a pipe that `output` reads.
PROCESS_INFORMATION Start(const char* command, HWND window, HANDLE& output) {
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE write = nullptr;
  if (!CreatePipe(&output, &write, &inherit, 0)) throw std::runtime_error("no pipe");
  SetHandleInformation(output, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = write;
  startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
  std::string line = "\"" + ReaderPath() + "\" " + command + " " +
                     std::to_string(reinterpret_cast<INT_PTR>(window));
  PROCESS_INFORMATION process = {};
  BOOL started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                nullptr, &startup, &process);
  CloseHandle(write);
  if (!started) throw std::runtime_error("the reader does not start");
  return process;
}

// What the pipe holds now, added to `read`; false once the writer is gone.
bool Drain(HANDLE output, std::string& read) {
  DWORD waiting = 0, got = 0;
  if (!PeekNamedPipe(output, nullptr, 0, nullptr, &waiting, nullptr)) return false;
  size_t at = read.size();
  read.resize(at + waiting);
  bool ok = waiting == 0 || ReadFile(output, read.data() + at, waiting, &got, nullptr);
  read.resize(at + got);
  return ok;
}

// Reads until the reader's "end", within the step's time, without it.
std::string Finish(PROCESS_INFORMATION& process, HANDLE output, std::string read) {
  DWORD end = GetTickCount() + kStepTimeoutMs;
  auto complete = [&] { return read.size() >= 5 && read.substr(read.size() - 5) == "end\r\n"; };
  while (Drain(output, read) && !complete() && GetTickCount() < end) Sleep(10);
  bool ended = complete();
  if (WaitForSingleObject(process.hProcess, 1000) != WAIT_OBJECT_0) {
    TerminateProcess(process.hProcess, 1);
  }
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(output);
  process = {};
  if (!ended) throw std::runtime_error("the reader does not finish: " + read.substr(0, 200));
  return read.substr(0, read.size() - 5);
}

std::vector<Fields> Lines(const std::string& text, size_t count) {
  std::vector<Fields> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    Fields fields;
    std::istringstream parts(line);
    for (std::string field; std::getline(parts, field, '\t');) fields.push_back(field);
    if (!line.empty() && line.back() == '\t') fields.emplace_back();
    if (fields.size() != count) throw std::runtime_error("the reader says " + line);
    lines.push_back(fields);
  }
  return lines;
}

}  // namespace

std::vector<Fields> ReadWindow(const char* command, HWND window, size_t fields) {
  HANDLE output = nullptr;
  PROCESS_INFORMATION process = Start(command, window, output);
  return Lines(Finish(process, output, {}), fields);
}

ReaderSession::ReaderSession(const char* command, HWND window) {
  process_ = Start(command, window, output_);
  DWORD end = GetTickCount() + kStepTimeoutMs;
  while (read_.find('\n') == std::string::npos && Drain(output_, read_) && GetTickCount() < end) {
    Sleep(10);
  }
  if (read_.rfind("ready", 0) != 0) {
    Finish(process_, output_, read_);
    throw std::runtime_error("the reader is not ready: " + read_);
  }
  read_.erase(0, read_.find('\n') + 1);
}

ReaderSession::~ReaderSession() {
  if (process_.hProcess == nullptr) return;
  TerminateProcess(process_.hProcess, 1);
  CloseHandle(process_.hProcess);
  CloseHandle(process_.hThread);
  CloseHandle(output_);
}

std::vector<Fields> ReaderSession::Stop(size_t fields) {
  PostThreadMessageW(process_.dwThreadId, WM_QUIT, 0, 0);
  return Lines(Finish(process_, output_, read_), fields);
}

}  // namespace mervane::dialogs
