// The real main window's tape grown to a million lines: the cost of one more
// line (appended and painted) at a thousand and at a million lines, the
// memory a line takes, scrolling and selecting at a million lines, then Copy
// and print-to-file of the whole tape through the window's own keys.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "bench_tape.h"
#include "controls/tape_pane.h"
#include "quiet_dialogs.h"

namespace {

using bench::lineFor;

// Median time of one line appended and painted, in microseconds.
double oneMoreLine(tivorum::TapePane& tape, long& next) {
  constexpr int kSamples = 301;
  std::vector<double> us;
  QElapsedTimer timer;
  for (int i = 0; i < kSamples; ++i) {
    timer.start();
    tape.append(lineFor(next++));
    QCoreApplication::processEvents();
    us.push_back(timer.nsecsElapsed() / 1e3);
  }
  std::sort(us.begin(), us.end());
  return us[us.size() / 2];
}

void growTo(tivorum::TapePane& tape, long lines, long& next) {
  while (next < lines) {
    tape.append(lineFor(next++));
    if (next % 10000 == 0) QCoreApplication::processEvents();
  }
  QCoreApplication::processEvents();
}

long residentKilobytes() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return 0;
}

// The slowest of `times` runs of `step`, each painted at once, in
// milliseconds.
double slowest(tivorum::TapePane& tape, int times, const std::function<void(int)>& step) {
  double worst = 0;
  QElapsedTimer timer;
  for (int i = 0; i < times; ++i) {
    timer.start();
    step(i);
    tape.viewport()->repaint();
    worst = std::max(worst, timer.nsecsElapsed() / 1e6);
  }
  return worst;
}

void sendKey(QWidget* to, int key, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers);
  QApplication::sendEvent(to, &press);
}

void shiftClick(QWidget* viewport, QPoint at) {
  for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::ShiftModifier);
    QApplication::sendEvent(viewport, &event);
  }
}

// Scrolling, selecting everything and long selections by keys and by the
// mouse on the whole tape: the slowest of each, painted. True when each
// stays under the time the eye sees as a pause.
bool interactions(tivorum::TapePane& tape) {
  constexpr double kPauseMs = 50;
  QScrollBar* bar = tape.verticalScrollBar();
  std::mt19937 random(1);
  const double scroll = slowest(
      tape, 200, [&](int) { bar->setValue(static_cast<int>(random() % (bar->maximum() + 1))); });
  const double wheel =
      slowest(tape, 200, [&](int) { bar->triggerAction(QAbstractSlider::SliderSingleStepSub); });
  const double all = slowest(tape, 20, [&](int) {
    tape.setCaret(0, 0);
    tape.selectAll();
  });
  const double keys = slowest(tape, 20, [&](int) {
    tape.setCaret(0, 0);
    sendKey(&tape, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
  });
  const double pages =
      slowest(tape, 200, [&](int) { sendKey(&tape, Qt::Key_PageUp, Qt::ShiftModifier); });
  const double mouse = slowest(tape, 20, [&](int i) {
    tape.setCaret(0, 0);
    bar->setValue(bar->maximum() - i);
    shiftClick(tape.viewport(), QPoint(60, tape.viewport()->height() / 2));
  });
  const bool ok = std::max({scroll, wheel, all, keys, pages, mouse}) < kPauseMs;
  std::printf(
      "at %d lines, slowest step painted: scroll %.1f ms, by a line %.1f ms, select all %.1f ms, "
      "shift+ctrl+end %.1f ms, shift+page up %.1f ms, shift+click %.1f ms (target < %.0f ms) %s\n",
      tape.lineCount(), scroll, wheel, all, keys, pages, mouse, kPauseMs, ok ? "ok" : "MISSED");
  return ok && tape.selection().count('\n') > tape.lineCount() / 2;
}

// What a start with a kept tape does once the window is up: the journal of
// `lines` lines read and the tape filled from it and painted, in
// milliseconds. True when it stays under the time the eye sees as a pause.
bool restored(tivorum::TapePane& tape, const std::filesystem::path& folder, long lines) {
  constexpr double kPauseMs = 50;
  bench::writeJournal(folder, lines);
  QElapsedTimer timer;
  timer.start();
  tivorum::TapeJournal journal(folder);
  const std::unique_ptr<tivorum::JournalReplay> replay = journal.load();
  const double readMs = timer.nsecsElapsed() / 1e6;
  tivorum::TapeLines kept;
  for (std::size_t i = 0; i < replay->size(); ++i) kept.append(replay->line(i));
  for (std::size_t i : replay->notedLines()) kept.setNote(i, replay->note(i));
  tape.fill(std::move(kept));
  tape.viewport()->repaint();
  const double totalMs = timer.nsecsElapsed() / 1e6;
  const bool ok = totalMs < kPauseMs && tape.lineCount() == lines;
  std::printf(
      "tape filled from a %ld-line journal: read %.1f ms, filled and painted %.1f ms in all "
      "(target < %.0f ms) %s\n",
      lines, readMs, totalMs, kPauseMs, ok ? "ok" : "MISSED");
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tivorum::setUpApplication(app);
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  QuietDialogs boxes;
  tivorum::setDialogs(&boxes);
  const std::filesystem::path dir = folder.path().toStdString();
  Tcalculator1 calculator(tivorum::AppPaths{dir, dir});
  tivorum::startMainWindow(calculator);
  QCoreApplication::processEvents();
  tivorum::TapePane& tape = calculator.tapePane();

  constexpr long kSmall = 1000, kMedium = 100000, kLarge = 1000000;
  long next = 0;
  growTo(tape, kSmall, next);
  const long smallKb = residentKilobytes();
  const double small = oneMoreLine(tape, next);
  growTo(tape, kMedium, next);
  const double perLine = (residentKilobytes() - smallKb) * 1024.0 / (kMedium - kSmall);
  const bool memoryOk = perLine <= 200;
  std::printf("tape memory: %.0f bytes a line between %ld and %ld lines (target <= 200) %s\n",
              perLine, kSmall, kMedium, memoryOk ? "ok" : "MISSED");
  QElapsedTimer growing;
  growing.start();
  growTo(tape, kLarge, next);
  const double growSeconds = growing.nsecsElapsed() / 1e9;
  const double large = oneMoreLine(tape, next);
  const double ratio = large / small;
  const bool lineOk = ratio <= 2.0;
  std::printf(
      "tape line appended and painted: %.1f us at %ld lines, %.1f us at %ld lines: "
      "ratio %.2f (target <= 2) %s\n",
      small, kSmall, large, kLarge, ratio, lineOk ? "ok" : "MISSED");
  std::printf("tape grown to %d lines in %.1f s\n", tape.lineCount(), growSeconds);

  const bool interactionsOk = interactions(tape);
  tape.setCaret(0, 0);

  QElapsedTimer timer;
  timer.start();
  calculator.pressKey(tivorum::Key::Copy);
  const double copySeconds = timer.nsecsElapsed() / 1e9;
  const qsizetype copied = QGuiApplication::clipboard()->text().count('\n') + 1;
  const bool copyOk = copySeconds < 1.0 && copied == tape.lineCount();
  std::printf("copy of the whole tape (%lld lines): %.2f s (target < 1 s) %s\n",
              static_cast<long long>(copied), copySeconds, copyOk ? "ok" : "MISSED");

  timer.start();
  calculator.pressKey(tivorum::Key::Print);
  const double printSeconds = timer.nsecsElapsed() / 1e9;
  const qint64 bytes = QFileInfo(folder.filePath("CALCULAT.TXT")).size();
  const bool printOk = printSeconds < 1.0 && bytes > kLarge * 3;
  std::printf("print to file of the whole tape (%.1f MB): %.2f s (target < 1 s) %s\n", bytes / 1e6,
              printSeconds, printOk ? "ok" : "MISSED");
  const bool restoreOk = restored(tape, dir, kMedium);
  return lineOk && memoryOk && interactionsOk && copyOk && printOk && restoreOk &&
                 boxes.messages == 0
             ? 0
             : 1;
}
