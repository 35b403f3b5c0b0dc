// What the host stand-in needs from the operating system. Each function has
// one implementation in posix/ and one in win32/.
#ifndef OSTREL_TOOL_SYSTEM_H_
#define OSTREL_TOOL_SYSTEM_H_

#include <filesystem>
#include <string>
#include <vector>

namespace ostrel::system {

// The program's arguments after its name, in UTF-8.
std::vector<std::string> CommandLineArguments(int argc, char** argv);

// Loads a dynamic library; null with `error` filled when it cannot.
void* OpenLibrary(const std::filesystem::path& path, std::string& error);
void* FindSymbol(void* library, const char* name);
void CloseLibrary(void* library);

// The folder that holds the running program.
std::filesystem::path ExecutableFolder();

// True when standard error is an interactive terminal.
bool StderrIsTerminal();

// Makes standard output pass bytes unchanged (no line-end translation).
void UseBinaryStdout();

// A TCP port on 127.0.0.1 that is free right now, or 0 when none is found.
int FindFreePort();

// Replaces this process by `program` with `args` (searched on PATH). Returns
// only on failure, with `error` filled.
void ReplaceProcess(const std::string& program,
                    const std::vector<std::string>& args, std::string& error);

// False where `ostrel serve` cannot run.
bool CanServe();

// False where the module has no properties dialog to show.
bool HasPropertiesDialog();

}  // namespace ostrel::system

#endif  // OSTREL_TOOL_SYSTEM_H_
