#include "controls/after_first_paint.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QWidget>
#include <memory>

using namespace tivorum;
using namespace std::chrono_literals;

namespace {

class CountingWindow : public QWidget {
 public:
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

// Turns the event loop until `done` or `ms` have passed.
template <class Done>
void spin(Done done, int ms = 3000) {
  QElapsedTimer timer;
  timer.start();
  while (!done() && timer.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 10);
}

TEST(AfterFirstPaint, RunsOnceAfterThePaintNotBefore) {
  CountingWindow window;
  window.resize(100, 80);
  int runs = 0, paintsSeen = -1;
  afterFirstPaint(
      &window,
      [&] {
        ++runs;
        paintsSeen = window.paints;
      },
      60s);
  QApplication::processEvents();
  EXPECT_EQ(runs, 0) << "ran before the window was shown";
  window.show();
  spin([&] { return runs > 0; });
  ASSERT_EQ(runs, 1);
  EXPECT_GE(paintsSeen, 1) << "ran before the window was painted";
  window.repaint();
  window.hide();
  window.show();
  spin([] { return false; }, 100);
  EXPECT_EQ(runs, 1);
}

TEST(AfterFirstPaint, RunsAtTheLatestWhenTheWindowIsNeverPainted) {
  CountingWindow window;
  int runs = 0;
  QElapsedTimer timer;
  timer.start();
  afterFirstPaint(
      &window, [&] { ++runs; }, 50ms);
  spin([&] { return runs > 0; });
  EXPECT_EQ(runs, 1);
  // A coarse timer may fire up to 5% early.
  EXPECT_GE(timer.elapsed(), 47);
  EXPECT_EQ(window.paints, 0);
  spin([] { return false; }, 100);
  EXPECT_EQ(runs, 1);
}

TEST(AfterFirstPaint, NothingRunsWhenTheWindowGoesFirst) {
  int runs = 0;
  auto window = std::make_unique<CountingWindow>();
  afterFirstPaint(
      window.get(), [&] { ++runs; }, 20ms);
  window->show();
  window.reset();
  spin([] { return false; }, 100);
  EXPECT_EQ(runs, 0);
}

}  // namespace
