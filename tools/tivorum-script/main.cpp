// tivorum-script [--dir DIR] [FILE]: runs a scenario against the calculator's
// real windows (offscreen unless QT_QPA_PLATFORM says otherwise).
//
// Beyond the documented commands it knows two more:
//   select NAME FROM TO   selects the characters FROM to TO of a text pane
//                         (the tape), as a drag with the mouse would
//   filesize NAME         prints NAME=<bytes> for the file NAME in DIR, or
//                         "no file NAME"
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <string>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "app/help_form.h"
#include "app/module_windows.h"
#include "runner.h"

namespace {

int usage() {
  std::cerr << "usage: tivorum-script [--dir DIR] [FILE]" << std::endl;
  return 2;
}

// Noise on standard error: the test library's complaints about events nobody
// accepted (a key the focused control ignores is normal) and the offscreen
// platform's about what it cannot do.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.endsWith("not accepted by receiving widget")) return;
  if (message.startsWith("This plugin does not support")) return;
  if (message.startsWith("QStandardPaths: XDG_RUNTIME_DIR")) return;
  if (type == QtDebugMsg || type == QtInfoMsg) return;
  std::cerr << qFormatLogMessage(type, context, message).toStdString() << std::endl;
}

}  // namespace

int main(int argc, char** argv) {
  std::string dirArgument;
  std::string fileArgument;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--dir" && i + 1 < argc) {
      dirArgument = argv[++i];
    } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
      return usage();
    } else if (fileArgument.empty()) {
      fileArgument = arg;
    } else {
      return usage();
    }
  }

  std::ifstream file;
  if (!fileArgument.empty() && fileArgument != "-") {
    file.open(fileArgument, std::ios::binary);
    if (!file) {
      std::cerr << "cannot read " << fileArgument << std::endl;
      return 2;
    }
  }
  std::istream& input = file.is_open() ? static_cast<std::istream&>(file) : std::cin;

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(quietHandler);
  QApplication app(argc, argv);
  tivorum::setUpApplication(app);
  // After the main window closes, "file" and "clipboard" may still follow.
  app.setQuitOnLastWindowClosed(false);

  std::optional<QTemporaryDir> temporary;
  QString folder;
  if (dirArgument.empty()) {
    temporary.emplace();
    if (!temporary->isValid()) {
      std::cerr << "cannot make a temporary folder" << std::endl;
      return 2;
    }
    folder = temporary->path();
  } else {
    folder = QDir(QString::fromStdString(dirArgument)).absolutePath();
    if (!QDir().mkpath(folder)) {
      std::cerr << "cannot use folder " << dirArgument << std::endl;
      return 2;
    }
  }
  QDir::setCurrent(folder);

  const std::filesystem::path where(folder.toStdString());
  Tcalculator1 calculator(tivorum::AppPaths{where, where});
  calculator.setModuleWindows(tivorum::createModuleWindow);
  tivorum::ScriptRunner runner(input, calculator, folder);
  runner.cleanUp = [&temporary] {
    if (temporary) temporary->remove();
  };
  tivorum::setDialogs(&runner);
  THelpForm helpForm(&calculator);
  tivorum::startMainWindow(calculator);
  // A scenario sees the kept tape from its first step, painted or not.
  calculator.restoreTape();
  runner.start();
  const int status = app.exec();
  tivorum::setDialogs(nullptr);
  return status;
}
