// The main window's part in keeping the settings: loading them at the first
// activation, writing what changes as soon as it changes, and the window's
// place when the run ends.
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <system_error>
#include <vector>

#include "app/calculator_form.h"
#include "calc/window_place.h"
#include "controls/color_button.h"
#include "controls/dialogs.h"
#include "controls/tape_output.h"

using namespace tivorum;

namespace {

bool placeIsOurs() {
  return placesWindows(QGuiApplication::platformName().toStdString());
}

}  // namespace

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
  const WindowPlace place = placeOnScreens({stored.left, stored.top}, outerWidth(), screens);
  if (placed_ && *placed_ == place) return;
  // move() places the frame: the same point pos() reports when closing.
  move(place.left, place.top);
  placed_ = place;
}

void Tcalculator1::FormActivate() {
  if (activated_) return;
  activated_ = true;
  const Settings stored = settingsFile_.load();
  saved_ = stored;
  if (settingsFile_.unreadable()) reportSaveProblem(settingsFile_.readProblem());
  engine_->firstActivation(stored.placeFormat);
  for (int i = 0; i < kMemoryCount; ++i) engine_->setMemoryLoc(i, stored.memory[i]);
  std::error_code ec;
  std::filesystem::path here = std::filesystem::current_path(ec);
  tapeOutput_->noteTapeFile(ec ? std::filesystem::path(".") : here);
  HintsOn = stored.hintsOn;
  TapeShown = stored.tapeShown;
  placeWindow(stored);
  refresh();
  setOnOffLook(key(Key::Hints), HintsOn);
  applyHints();
  setOnOffLook(key(Key::Tape), TapeShown);
  if (!TapeShown) slideTo({350, 300, 200, 184});
}

Settings Tcalculator1::currentSettings(bool withPlace) const {
  Settings s;
  for (int i = 0; i < kMemoryCount; ++i) s.memory[i] = engine_->MemoryLoc(i);
  s.hintsOn = HintsOn;
  s.tapeShown = TapeShown;
  s.placeFormat = engine_->placesCaption() == "Sci" ? std::string(kGeneralFormat)
                                                    : std::string(kFinancialFormat);
  const bool place = withPlace && placeIsOurs();
  s.top = place ? pos().y() : saved_.top;
  s.left = place ? pos().x() : saved_.left;
  return s;
}

void Tcalculator1::keepChanges() {
  if (!activated_ || closed_) return;
  const Settings now = currentSettings(false);
  if (now == saved_) return;
  // Written at once, so that a logout, a kill or a crash keeps them.
  saved_ = now;
  reportSaveProblem(settingsFile_.save(now));
}

void Tcalculator1::saveState() {
  if (!activated_ || closed_) return;
  saved_ = currentSettings(true);
  reportSaveProblem(settingsFile_.save(saved_));
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
  if (closed_) return;  // the settings are written once
  saveState();
  closed_ = true;
}

void Tcalculator1::endRun() {
  // Nobody is there to answer a box when the session ends or a kill comes,
  // and a box would keep the program from ending.
  saveProblemShown_ = true;
  FormClose();
  // Ends open module windows and boxes too, each returning as if closed.
  QCoreApplication::exit(0);
}
