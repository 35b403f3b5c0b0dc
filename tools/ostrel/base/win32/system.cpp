#include "base/system.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>
#include <shellapi.h>

#include <cstdio>

namespace ostrel::system {

// The narrow arguments are in the ANSI code page; the wide ones carry every
// character of a path.
std::vector<std::string> CommandLineArguments(int, char**) {
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; i < count; ++i) {
    int size = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
    std::string arg(size > 0 ? size - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, arg.data(), size, nullptr, nullptr);
    args.push_back(arg);
  }
  LocalFree(wide);
  return args;
}

void* OpenLibrary(const std::filesystem::path& path, std::string& error) {
  HMODULE library = LoadLibraryW(path.c_str());
  if (library == nullptr) {
    error = "LoadLibrary failed with error " + std::to_string(GetLastError());
  }
  return reinterpret_cast<void*>(library);
}

void* FindSymbol(void* library, const char* name) {
  return reinterpret_cast<void*>(
      GetProcAddress(static_cast<HMODULE>(library), name));
}

void CloseLibrary(void* library) { FreeLibrary(static_cast<HMODULE>(library)); }

std::filesystem::path ExecutableFolder() {
  wchar_t buffer[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
  return std::filesystem::path(std::wstring(buffer, n)).parent_path();
}

bool StderrIsTerminal() { return _isatty(_fileno(stderr)) != 0; }

void UseBinaryStdout() { _setmode(_fileno(stdout), _O_BINARY); }

int FindFreePort() { return 0; }

void ReplaceProcess(const std::string& program, const std::vector<std::string>&,
                    std::string& error) {
  error = program + ": not started, serving is not supported on Windows";
}

bool CanServe() { return false; }

bool HasPropertiesDialog() { return true; }

}  // namespace ostrel::system
