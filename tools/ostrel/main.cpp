// ostrel: a command-line stand-in for the site editor that hosts the
// mervane.uoex extension.
#include <iostream>
#include <string>
#include <vector>

#include "command_line.h"
#include "system.h"

int main(int argc, char** argv) {
  ostrel::system::UseBinaryStdout();
  std::vector<std::string> args(argv + 1, argv + argc);
  return ostrel::RunCommandLine(args, std::cout, std::cerr,
                                ostrel::system::StderrIsTerminal());
}
