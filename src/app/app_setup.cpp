#include "app/app_setup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QStandardPaths>

#include "calc/help_file.h"
#include "controls/accelerator_style.h"
#include "controls/accessibility.h"
#include "controls/dialogs.h"

namespace tivorum {

void setUpApplication(QApplication& app) {
  setApplicationTitle("Tivoru");
  app.setApplicationName("tivorum");
  app.setApplicationVersion(TIVORUM_VERSION);
  app.setDesktopFileName("tivorum");
  // Liberation Sans has Arial's metrics, so the captions fit their keys.
  QFont::insertSubstitution("Arial", "Liberation Sans");
  // Standard buttons underline their accelerator as the keypad's keys do.
  app.setStyle(new AcceleratorStyle);
  installAccessibility();
}

namespace {

std::filesystem::path toPath(const QString& dir) {
  return std::filesystem::path(QDir::toNativeSeparators(dir).toStdString());
}

}  // namespace

AppPaths programPaths() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  AppPaths paths;
  paths.settingsFolder = toPath(exeDir);
  if (!QFileInfo(exeDir).isWritable()) {
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/tivorum";
    QDir().mkpath(config);
    paths.settingsFolder = toPath(config);
  }

  const QString helpName = QString::fromUtf8(kHelpFileName.data(), kHelpFileName.size());
  paths.helpFolder = toPath(exeDir);
  if (!QFileInfo::exists(exeDir + "/" + helpName)) {
    const QString installed = QDir(exeDir + "/../share/tivorum").absolutePath();
    if (QFileInfo::exists(installed + "/" + helpName)) {
      paths.helpFolder = toPath(installed);
    } else {
      const QString found =
          QStandardPaths::locate(QStandardPaths::GenericDataLocation, "tivorum/" + helpName);
      if (!found.isEmpty()) paths.helpFolder = toPath(QFileInfo(found).absolutePath());
    }
  }
  return paths;
}

void startMainWindow(Tcalculator1& window) {
  window.show();
  window.activateWindow();
  window.raise();
  // The first activation loads the settings; run it now rather than wait
  // for a window manager that may never activate the window.
  window.FormActivate();
}

}  // namespace tivorum
