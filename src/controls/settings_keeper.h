// The main window's settings kept on disk: read at the first activation,
// written as soon as one changes (a store, a setting key, the window come to
// rest after a move), tried again while another copy holds the folder's lock,
// and written a last time when the run ends. A problem reading or writing
// the file is shown once per run.
#pragma once

#include <QTimer>
#include <chrono>
#include <filesystem>
#include <functional>
#include <optional>

#include "calc/settings.h"
#include "calc/window_place.h"
#include "calc/write_result.h"

class QWidget;

namespace tivorum {

class CalcEngine;

class SettingsKeeper {
 public:
  // What the window holds of the settings now; the keeper adds its place.
  using Current = std::function<Settings()>;

  // `window` is the one placed and the parent of the boxes; `engine` tells
  // of the stores.
  SettingsKeeper(QWidget& window, CalcEngine& engine, const std::filesystem::path& folder,
                 Current current);

  // Puts the window where the file says, inside the screens, before it is
  // first shown; `outerWidth` is the width of its frame.
  void restorePlace(int outerWidth);
  void placeWindow(const Settings& stored, int outerWidth);

  // The first activation's reading; the settings read become the saved ones.
  Settings load();
  bool loaded() const { return loaded_; }
  // The run's last save has begun: nothing is written after it.
  bool closing() const { return closing_; }
  // Shows a problem reading the file, if there was one.
  void reportReadProblem();

  // Writes what changed since the last save, and what a busy lock held back.
  void keep();
  // Writes everything now, the window's place included (the session is
  // being saved).
  void save();
  // The run's last save, waiting for another copy's lock; false when it was
  // made already or nothing was read.
  bool saveLast();
  // The window moved: its place is written once it has stood still.
  void windowMoved();
  // No box from now on: nobody is there to answer it (the session ends).
  void silence() { problemShown_ = true; }
  // A failure to read or write the settings file is shown once per run.
  void report(const WriteResult& result);

 private:
  // place_ := where the window is now, where the program may know that.
  void notePlace();
  // What a save writes now, the window's place as place_ holds it.
  Settings now() const;
  // Passes the engine's stores on to the settings file; true if there were.
  bool noteStores();
  void write();

  QWidget& window_;
  CalcEngine& engine_;
  std::filesystem::path folder_;
  Current current_;
  SettingsFile file_;
  bool loaded_ = false;
  bool closing_ = false;
  Settings saved_;     // as last loaded or saved
  WindowPlace place_;  // the place to write
  std::optional<WindowPlace> placed_;
  bool problemShown_ = false;
  // A save was turned away by another program's lock (since then).
  bool pending_ = false;
  std::optional<std::chrono::steady_clock::time_point> lockBusySince_;
  QTimer lockRetry_;
  QTimer placeQuiet_;
};

}  // namespace tivorum
