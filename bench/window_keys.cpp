// Ten thousand typed keys through the real main window (offscreen): each
// goes through the window's keyboard map or a key's accelerator to the
// engine, the display and the tape, and is painted before the next.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <string_view>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "controls/tape_pane.h"
#include "quiet_dialogs.h"

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

  // 1234.5 x 67 = ; 2 Sqrt ; Sto 1 ; 12 % ; 5 ^ 3 = ; 1.5 E+ 3 ; Rec 1 ;
  // backspace ; Ln ; 7 n! ; CE/C CE/C. Enter presses "=", which has the focus.
  constexpr std::string_view kRound = "1234.5*67\r2qs112%5^3\r1.5+3r1\bn7fcc";
  constexpr int kKeys = 10000;
  QElapsedTimer timer;
  timer.start();
  for (int i = 0; i < kKeys; ++i) {
    const char c = kRound[static_cast<size_t>(i) % kRound.size()];
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &calculator;
    if (c == '\r')
      QTest::keyClick(target, Qt::Key_Return);
    else if (c == '\b')
      QTest::keyClick(target, Qt::Key_Backspace);
    else
      QTest::keyClick(target, c);
    QCoreApplication::processEvents();
  }
  const double seconds = timer.nsecsElapsed() / 1e9;
  std::printf("main window keys (offscreen): %d keys in %.2f s: %.0f keys/s (%d tape lines)\n",
              kKeys, seconds, kKeys / seconds, calculator.tapePane().lineCount());
  return boxes.messages == 0 ? 0 : 1;
}
