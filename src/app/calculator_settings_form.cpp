// The main window's part in keeping the settings: what it takes from them at
// the first activation, what it holds of them, and the run's end. The
// settings keeper reads and writes the file.
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <system_error>

#include "app/calculator_form.h"
#include "calc/tape_file.h"
#include "controls/after_first_paint.h"
#include "controls/color_button.h"
#include "controls/settings_keeper.h"
#include "controls/tape_output.h"

using namespace tivorum;

void Tcalculator1::restorePlace() {
  settings_->restorePlace(outerWidth());
}

void Tcalculator1::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  settings_->windowMoved();
}

bool Tcalculator1::isStarted() const {
  return settings_->loaded();
}

void Tcalculator1::FormActivate() {
  if (settings_->loaded()) return;
  const Settings stored = settings_->load();
  engine_->firstActivation(stored.placeFormat);
  for (int i = 0; i < kMemoryCount; ++i) engine_->setMemoryLoc(i, stored.memory[i]);
  std::error_code ec;
  std::filesystem::path here = std::filesystem::current_path(ec);
  tapeOutput_->noteTapeFile(tapeFileFolder(ec ? std::filesystem::path(".") : here));
  HintsOn = stored.hintsOn;
  TapeShown = stored.tapeShown;
  settings_->placeWindow(stored, outerWidth());
  refresh();
  setOnOffLook(key(Key::Hints), HintsOn);
  applyHints();
  setOnOffLook(key(Key::Tape), TapeShown);
  if (!TapeShown) slideTo({350, 300, 200, 184});
  KeepTape = stored.keepTape;
  // Once the window is painted: a long tape then fills in behind it.
  tivorum::afterFirstPaint(this, [this] { restoreTape(); });
  // Last: the run may end while the box shows.
  settings_->reportReadProblem();
}

Settings Tcalculator1::currentSettings() const {
  Settings s;
  for (int i = 0; i < kMemoryCount; ++i) s.memory[i] = engine_->MemoryLoc(i);
  s.hintsOn = HintsOn;
  s.tapeShown = TapeShown;
  s.keepTape = KeepTape;
  s.placeFormat = engine_->placesCaption() == "Sci" ? std::string(kGeneralFormat)
                                                    : std::string(kFinancialFormat);
  return s;
}

void Tcalculator1::keepChanges() {
  settings_->keep();
}

void Tcalculator1::saveState() {
  settings_->save();
}

void Tcalculator1::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void Tcalculator1::FormClose() {
  settleTape();
  settings_->saveLast();
}

void Tcalculator1::endRun() {
  // Nobody is there to answer a box when the session ends or a kill comes,
  // and a box would keep the program from ending.
  settings_->silence();
  FormClose();
  // Ends open module windows and boxes too, each returning as if closed.
  QCoreApplication::exit(0);
  // A request during the start, before the main loop runs, ends that loop
  // as soon as it starts.
  QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}
