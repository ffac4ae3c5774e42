#include "controls/settings_keeper.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

#include "calc/engine.h"
#include "calc/ini_merge.h"
#include "controls/dialogs.h"
#include "controls/lock_wait.h"

namespace tivorum {

namespace {

bool placeIsOurs() {
  return placesWindows(QGuiApplication::platformName().toStdString());
}

// A save turned away by another program's lock is tried again this soon; the
// user keeps working meanwhile.
constexpr int kLockRetryMs = 100;
// The place is written once the window has stood still this long, so that a
// display that goes away (the X server ends) cannot take a moved place with
// it, and a drag is not written at every step.
constexpr int kPlaceQuietMs = 500;
// The title bar and borders of a frame the window manager has not yet drawn.
constexpr int kFrameHeightAllowance = 32;

}  // namespace

SettingsKeeper::SettingsKeeper(QWidget& window, CalcEngine& engine,
                               const std::filesystem::path& folder, Current current)
    : window_(window),
      engine_(engine),
      folder_(folder),
      current_(std::move(current)),
      file_(folder) {
  lockRetry_.setSingleShot(true);
  lockRetry_.setInterval(kLockRetryMs);
  QObject::connect(&lockRetry_, &QTimer::timeout, &window, [this] { keep(); });
  placeQuiet_.setSingleShot(true);
  placeQuiet_.setInterval(kPlaceQuietMs);
  QObject::connect(&placeQuiet_, &QTimer::timeout, &window, [this] {
    notePlace();
    keep();
  });
}

void SettingsKeeper::notePlace() {
  // Under Wayland the program neither learns nor sets its place: Top and Left
  // stay as they were.
  if (placeIsOurs()) place_ = {window_.pos().x(), window_.pos().y()};
}

void SettingsKeeper::restorePlace(int outerWidth) {
  placeWindow(loadSettings(folder_), outerWidth);
}

void SettingsKeeper::placeWindow(const Settings& stored, int outerWidth) {
  if (!placeIsOurs()) return;
  std::vector<ScreenArea> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    screens.push_back({g.x(), g.y(), g.width(), g.height()});
  }
  const WindowSize size{outerWidth, std::max(window_.frameGeometry().height(),
                                             window_.height() + kFrameHeightAllowance)};
  const WindowPlace place = placeOnScreens({stored.left, stored.top}, size, screens);
  if (placed_ && *placed_ == place) return;
  // move() places the frame: the same point pos() reports when closing.
  window_.move(place.left, place.top);
  placed_ = place;
}

void SettingsKeeper::windowMoved() {
  if (loaded_ && !closing_ && placeIsOurs()) placeQuiet_.start();
}

Settings SettingsKeeper::load() {
  loaded_ = true;
  saved_ = file_.load();
  place_ = {saved_.left, saved_.top};
  return saved_;
}

void SettingsKeeper::reportReadProblem() {
  if (file_.unreadable()) report(file_.readProblem());
}

Settings SettingsKeeper::now() const {
  Settings s = current_();
  s.top = place_.top;
  s.left = place_.left;
  return s;
}

bool SettingsKeeper::noteStores() {
  const unsigned stored = engine_.takeStoredLocations();
  for (int i = 0; i < kMemoryCount; ++i) {
    if (stored & (1u << i)) file_.stored(i);
  }
  return stored != 0;
}

void SettingsKeeper::keep() {
  if (!loaded_ || closing_) return;
  const bool stored = noteStores();
  if (!stored && !pending_ && now() == saved_) return;
  // Written at once, so that a logout, a kill or a crash keeps them.
  write();
}

void SettingsKeeper::write() {
  const Settings settings = now();
  const WriteResult result = file_.save(settings);
  pending_ = result.busy;
  if (result.busy) {
    // Another copy is saving: try again shortly, and tell the user only when
    // that goes on for long.
    const auto since = lockBusySince_.value_or(std::chrono::steady_clock::now());
    lockBusySince_ = since;
    if (std::chrono::steady_clock::now() - since >= kLockPatience) report(result);
    lockRetry_.start();
    return;
  }
  lockBusySince_.reset();
  saved_ = settings;
  report(result);
}

void SettingsKeeper::save() {
  if (!loaded_ || closing_) return;
  notePlace();
  noteStores();
  write();
}

bool SettingsKeeper::saveLast() {
  if (!loaded_ || closing_) return false;  // the settings are written once
  closing_ = true;
  lockRetry_.stop();
  placeQuiet_.stop();
  notePlace();
  noteStores();
  const Settings settings = now();
  // The run ends after this save: it waits for another copy's lock.
  const WriteResult result = saveWaitingForLock([&] { return file_.save(settings); });
  saved_ = settings;
  report(result);
  return true;
}

void SettingsKeeper::report(const WriteResult& result) {
  if (result.ok || problemShown_) return;
  problemShown_ = true;
  reportError(&window_, result.message);
}

}  // namespace tivorum
