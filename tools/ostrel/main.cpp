// ostrel: a command-line stand-in for the site editor that hosts the
// mervane.uoex extension.
#include <iostream>

#include "base/system.h"
#include "commands/command_line.h"

int main(int argc, char** argv) {
  ostrel::system::UseBinaryStdout();
  return ostrel::RunCommandLine(ostrel::system::CommandLineArguments(argc, argv),
                                std::cout, std::cerr,
                                ostrel::system::StderrIsTerminal());
}
