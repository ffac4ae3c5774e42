// The main window's part in keeping the settings: loading them at the first
// activation, writing what changes as soon as it changes, the window's place
// once it has stopped moving, and everything when the run ends.
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <system_error>
#include <vector>

#include "app/calculator_form.h"
#include "calc/ini_merge.h"
#include "calc/tape_file.h"
#include "calc/window_place.h"
#include "controls/color_button.h"
#include "controls/dialogs.h"
#include "controls/lock_wait.h"
#include "controls/tape_output.h"

using namespace tivorum;

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

void Tcalculator1::prepareSaving() {
  lockRetry_.setSingleShot(true);
  lockRetry_.setInterval(kLockRetryMs);
  connect(&lockRetry_, &QTimer::timeout, this, [this] { keepChanges(); });
  placeQuiet_.setSingleShot(true);
  placeQuiet_.setInterval(kPlaceQuietMs);
  connect(&placeQuiet_, &QTimer::timeout, this, [this] {
    notePlace();
    keepChanges();
  });
}

void Tcalculator1::notePlace() {
  // Under Wayland the program neither learns nor sets its place: Top and Left
  // stay as they were.
  if (placeIsOurs()) place_ = {pos().x(), pos().y()};
}

void Tcalculator1::restorePlace() {
  placeWindow(loadSettings(paths_.settingsFolder));
}

void Tcalculator1::placeWindow(const Settings& stored) {
  if (!placeIsOurs()) return;
  std::vector<ScreenArea> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect g = screen->geometry();
    screens.push_back({g.x(), g.y(), g.width(), g.height()});
  }
  const WindowSize size{outerWidth(),
                        std::max(frameGeometry().height(), height() + kFrameHeightAllowance)};
  const WindowPlace place = placeOnScreens({stored.left, stored.top}, size, screens);
  if (placed_ && *placed_ == place) return;
  // move() places the frame: the same point pos() reports when closing.
  move(place.left, place.top);
  placed_ = place;
}

void Tcalculator1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (activated_ && !closing_ && placeIsOurs()) placeQuiet_.start();
}

void Tcalculator1::FormActivate() {
  if (activated_) return;
  activated_ = true;
  const Settings stored = settingsFile_.load();
  saved_ = stored;
  place_ = {stored.left, stored.top};
  engine_->firstActivation(stored.placeFormat);
  for (int i = 0; i < kMemoryCount; ++i) engine_->setMemoryLoc(i, stored.memory[i]);
  std::error_code ec;
  std::filesystem::path here = std::filesystem::current_path(ec);
  tapeOutput_->noteTapeFile(tapeFileFolder(ec ? std::filesystem::path(".") : here));
  HintsOn = stored.hintsOn;
  TapeShown = stored.tapeShown;
  placeWindow(stored);
  refresh();
  setOnOffLook(key(Key::Hints), HintsOn);
  applyHints();
  setOnOffLook(key(Key::Tape), TapeShown);
  if (!TapeShown) slideTo({350, 300, 200, 184});
  // Last: the run may end while the box shows.
  if (settingsFile_.unreadable()) reportSaveProblem(settingsFile_.readProblem());
}

Settings Tcalculator1::currentSettings() const {
  Settings s;
  for (int i = 0; i < kMemoryCount; ++i) s.memory[i] = engine_->MemoryLoc(i);
  s.hintsOn = HintsOn;
  s.tapeShown = TapeShown;
  s.placeFormat = engine_->placesCaption() == "Sci" ? std::string(kGeneralFormat)
                                                    : std::string(kFinancialFormat);
  s.top = place_.top;
  s.left = place_.left;
  return s;
}

bool Tcalculator1::noteStores() {
  const unsigned stored = engine_->takeStoredLocations();
  for (int i = 0; i < kMemoryCount; ++i) {
    if (stored & (1u << i)) settingsFile_.stored(i);
  }
  return stored != 0;
}

void Tcalculator1::keepChanges() {
  if (!activated_ || closing_) return;
  const bool stored = noteStores();
  if (!stored && !savePending_ && currentSettings() == saved_) return;
  // Written at once, so that a logout, a kill or a crash keeps them.
  writeSettings();
}

void Tcalculator1::writeSettings() {
  const Settings now = currentSettings();
  const WriteResult result = settingsFile_.save(now);
  savePending_ = result.busy;
  if (result.busy) {
    // Another copy is saving: try again shortly, and tell the user only when
    // that goes on for long.
    const auto since = lockBusySince_.value_or(std::chrono::steady_clock::now());
    lockBusySince_ = since;
    if (std::chrono::steady_clock::now() - since >= kLockPatience) reportSaveProblem(result);
    lockRetry_.start();
    return;
  }
  lockBusySince_.reset();
  saved_ = now;
  reportSaveProblem(result);
}

void Tcalculator1::saveState() {
  if (!activated_ || closing_) return;
  notePlace();
  noteStores();
  writeSettings();
}

void Tcalculator1::reportSaveProblem(const WriteResult& result) {
  if (result.ok || saveProblemShown_) return;
  saveProblemShown_ = true;
  reportError(this, result.message);
}

void Tcalculator1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void Tcalculator1::FormClose() {
  if (!activated_ || closing_) return;  // the settings are written once
  closing_ = true;
  lockRetry_.stop();
  placeQuiet_.stop();
  notePlace();
  noteStores();
  const Settings now = currentSettings();
  // The run ends after this save: it waits for another copy's lock.
  const WriteResult result = saveWaitingForLock([&] { return settingsFile_.save(now); });
  saved_ = now;
  reportSaveProblem(result);
}

void Tcalculator1::endRun() {
  // Nobody is there to answer a box when the session ends or a kill comes,
  // and a box would keep the program from ending.
  saveProblemShown_ = true;
  FormClose();
  // Ends open module windows and boxes too, each returning as if closed.
  QCoreApplication::exit(0);
  // A request during the start, before the main loop runs, ends that loop
  // as soon as it starts.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
