#include <QApplication>
#include <cstdio>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "app/command_line.h"
#include "app/help_form.h"
#include "app/module_windows.h"
#include "app/session_end.h"

int main(int argc, char** argv) {
  // Before QApplication, which needs a display.
  const tivorum::CommandLine commandLine = tivorum::readCommandLine(argc, argv);
  if (commandLine.action != tivorum::CommandLine::Action::Run) {
    std::FILE* out = commandLine.status == 0 ? stdout : stderr;
    std::fputs(commandLine.text.c_str(), out);
    return commandLine.status;
  }

  QApplication app(argc, argv);
  tivorum::setUpApplication(app);
  Tcalculator1 calculator(tivorum::programPaths());
  calculator.setModuleWindows(tivorum::createModuleWindow);
  // The help window the program keeps; every request makes its own.
  THelpForm helpForm(&calculator);
  // Before the start: a box it shows (an unreadable settings file) must not
  // keep a signal from ending the run.
  tivorum::endRunOnRequest(app, calculator);
  tivorum::startMainWindow(calculator);
  return app.exec();
}
