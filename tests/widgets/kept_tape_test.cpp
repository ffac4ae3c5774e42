// The kept tape comes back after the window's first paint, not before it:
// start-up shows the window at once whatever the journal holds.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QEvent>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "calc/tape_lines.h"
#include "controls/tape_pane.h"
#include "quiet_dialogs.h"

namespace {

void pressKeys(Tcalculator1& window, const std::vector<const char*>& names) {
  for (const char* name : names) {
    auto* key = window.findChild<QAbstractButton*>(name);
    ASSERT_NE(key, nullptr) << name;
    key->click();
  }
}

std::vector<std::string> tapeLines(Tcalculator1& window) {
  const tivorum::TapeLines& store = window.tapePane().store();
  std::vector<std::string> out;
  for (std::size_t i = 0; i < store.size(); ++i) out.emplace_back(store.line(i));
  return out;
}

// What the tape held when the window was first painted.
class FirstPaint : public QObject {
 public:
  explicit FirstPaint(Tcalculator1& window) : window_(window) { window.installEventFilter(this); }
  std::optional<std::size_t> lines;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint && !lines) lines = tapeLines(window_).size();
    return false;
  }

 private:
  Tcalculator1& window_;
};

}  // namespace

TEST(KeptTape, ComesBackAfterTheFirstPaintBeforeWhatWasTypedMeanwhile) {
  tivorum::testing::QuietDialogs dialogs;
  tivorum::setDialogs(&dialogs);
  QTemporaryDir folder;
  const std::filesystem::path where(folder.path().toStdString());
  {
    Tcalculator1 first(tivorum::AppPaths{where, where});
    tivorum::startMainWindow(first);
    first.restoreTape();
    pressKeys(first, {"But7", "ButPlus"});
    first.close();
  }
  Tcalculator1 second(tivorum::AppPaths{where, where});
  FirstPaint painted(second);
  tivorum::startMainWindow(second);
  // Shown and settings read, but the journal waits for the first paint.
  EXPECT_TRUE(tapeLines(second).empty());
  pressKeys(second, {"But2", "ButPlus"});
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&second));
  ASSERT_TRUE(QTest::qWaitFor([&] { return tapeLines(second).size() > 2; }, 3000));
  ASSERT_TRUE(painted.lines.has_value());
  EXPECT_EQ(*painted.lines, 2u);
  EXPECT_EQ(tapeLines(second), (std::vector<std::string>{"7", "+", "2", "+"}));
  // Asked again (as a run that never paints does), nothing comes twice.
  second.restoreTape();
  EXPECT_EQ(tapeLines(second).size(), 4u);
  second.close();
  tivorum::setDialogs(nullptr);
}
