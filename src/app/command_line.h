// The command line, read before any window or display is opened so that
// --help and --version work without a display.
#pragma once

#include <string>

namespace tivorum {

struct CommandLine {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  // Help or version text for standard output, or the error for standard
  // error; each ends with a newline.
  std::string text;
  // Exit status when the program does not run: 0, or 2 for a usage error.
  int status = 0;
};

// Reads argv in order: the first of -h/--help, -v/--version or a fault
// decides. Qt's own options (-platform NAME, -style=NAME, -reverse, ...)
// are accepted and left for QApplication.
CommandLine readCommandLine(int argc, const char* const* argv);

}  // namespace tivorum
