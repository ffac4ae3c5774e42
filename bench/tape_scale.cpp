// The real main window's tape grown to a million lines: the cost of one more
// line (appended and painted) at a thousand and at a million lines, then
// Copy and print-to-file of the whole tape through the window's own keys.
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "controls/tape_pane.h"
#include "quiet_dialogs.h"

namespace {

std::string lineFor(long i) {
  switch (i % 4) {
    case 0:
      return std::to_string(1000 + i % 9000) + ".25";
    case 1:
      return "+";
    case 2:
      return std::to_string(i % 977);
    default:
      return "= " + std::to_string(1000 + i % 9000 + i % 977) + ".25";
  }
}

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
  tivorum::TapePane& tape = *calculator.Tape;

  constexpr long kSmall = 1000, kLarge = 1000000;
  long next = 0;
  growTo(tape, kSmall, next);
  const double small = oneMoreLine(tape, next);
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
  return lineOk && copyOk && printOk && boxes.messages == 0 ? 0 : 1;
}
