#include "app/app_setup.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QStandardPaths>

#include "calc/help_file.h"
#include "calc/user_folders.h"
#include "controls/accelerator_style.h"
#include "controls/accessibility.h"
#include "controls/dialogs.h"
#include "controls/qt_text.h"

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

// The user's own folder for the settings of an installed copy
// ($XDG_CONFIG_HOME/tivorum, by default ~/.config/tivorum), made if missing.
std::filesystem::path configFolder() {
  const std::filesystem::path config = userFolder(UserFolder::Config);
  makeUserFolder(config);
  return config;
}

}  // namespace

AppPaths programPaths() {
  const QString exeDir = QCoreApplication::applicationDirPath();
  const QString helpName = QString::fromUtf8(kHelpFileName.data(), kHelpFileName.size());
  AppPaths paths;
  paths.settingsFolder = toPath(exeDir);
  paths.helpFolder = toPath(exeDir);
  // A portable copy (the build folder, an unpacked archive) carries its help
  // file and keeps its settings beside itself.
  if (QFileInfo::exists(exeDir + "/" + helpName)) return paths;

  QString helpDir;
  const QString installed = QDir(exeDir + "/../share/tivorum").absolutePath();
  if (QFileInfo::exists(installed + "/" + helpName)) {
    helpDir = installed;
  } else {
    const QString found =
        QStandardPaths::locate(QStandardPaths::GenericDataLocation, "tivorum/" + helpName);
    if (!found.isEmpty()) helpDir = QFileInfo(found).absolutePath();
  }
  if (!helpDir.isEmpty()) {
    // An installed copy: its bin folder is shared and no place for a user's file.
    paths.helpFolder = toPath(helpDir);
    paths.settingsFolder = configFolder();
  } else if (!QFileInfo(exeDir).isWritable()) {
    paths.settingsFolder = configFolder();
  }
  // The tape journal is state, not a setting: $XDG_STATE_HOME/tivorum.
  if (paths.settingsFolder != toPath(exeDir)) paths.journalFolder = userFolder(UserFolder::State);
  return paths;
}

void startMainWindow(Tcalculator1& window) {
  window.restorePlace();
  window.show();
  window.activateWindow();
  window.raise();
  // The first activation loads the settings; run it now rather than wait
  // for a window manager that may never activate the window.
  window.FormActivate();
}

}  // namespace tivorum
