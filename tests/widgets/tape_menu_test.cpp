// The tape's context menu: its items, and the ways to open it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "controls/dialogs.h"
#include "controls/tape_pane.h"
#include "quiet_dialogs.h"

using namespace tivorum;

namespace {

// What a shown menu offered: each item's caption (without "&"), with "[x]"
// or "[ ]" for a check item and "(off)" for a disabled one.
class MenuDialogs : public tivorum::testing::QuietDialogs {
 public:
  void popUp(QMenu& menu, const QPoint& at) override {
    std::vector<std::string> items;
    for (QAction* action : menu.actions()) {
      if (action->isSeparator()) continue;
      std::string item = action->text().remove('&').toStdString();
      if (action->isCheckable()) item += action->isChecked() ? " [x]" : " [ ]";
      if (!action->isEnabled()) item += " (off)";
      items.push_back(item);
    }
    shown.push_back(items);
    where.push_back(at);
  }
  std::vector<std::vector<std::string>> shown;
  std::vector<QPoint> where;
};

struct TapeMenuStart {
  explicit TapeMenuStart(const std::string& ini = "") {
    setDialogs(&dialogs);
    if (!ini.empty()) std::ofstream(folder.filePath("CUSTOM.INI").toStdString()) << ini;
    const std::filesystem::path where(folder.path().toStdString());
    window = std::make_unique<Tcalculator1>(AppPaths{where, where});
    startMainWindow(*window);
    QApplication::setActiveWindow(window.get());
    // The kept tape comes back once the window has been painted; offscreen
    // it may never be.
    window->restoreTape();
  }
  ~TapeMenuStart() {
    window.reset();
    setDialogs(nullptr);
  }
  QTemporaryDir folder;
  MenuDialogs dialogs;
  std::unique_ptr<Tcalculator1> window;
};

void strike(QWidget* to, Qt::Key key, Qt::KeyboardModifiers modifiers, quint32 keysym) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, key, modifiers, 0, keysym, 0);
    QApplication::sendEvent(to, &event);
  }
}

const std::vector<std::string> kItems = {"Copy",
                                         "Select All",
                                         "Add Note…",
                                         "Save Tape As…",
                                         "Open Tape…",
                                         "Export as CSV…",
                                         "Keep Tape Between Runs [x]"};

TEST(TapeMenu, RightClickAndMenuKeyOfferExactlyItsItems) {
  struct Case {
    const char* how;
    void (*open)(Tcalculator1&);
  };
  const Case cases[] = {
      {"right click",
       [](Tcalculator1& w) {
         QWidget* view = w.tapePane().viewport();
         QContextMenuEvent event(QContextMenuEvent::Mouse, view->rect().center(),
                                 view->mapToGlobal(view->rect().center()));
         QApplication::sendEvent(view, &event);
       }},
      {"Menu key on \"=\"",
       [](Tcalculator1&) { strike(QApplication::focusWidget(), Qt::Key_Menu, {}, 0xff67); }},
      {"Menu key on the tape",
       [](Tcalculator1& w) {
         w.tapePane().setFocus();
         strike(&w.tapePane(), Qt::Key_Menu, {}, 0xff67);
       }},
      {"Shift+F10", [](Tcalculator1&) {
         strike(QApplication::focusWidget(), Qt::Key_F10, Qt::ShiftModifier, 0xffc7);
       }}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    TapeMenuStart s;
    s.window->pressKey(Key::Digit7);
    s.window->pressKey(Key::Equals);
    c.open(*s.window);
    ASSERT_EQ(s.dialogs.shown.size(), 1u);
    EXPECT_EQ(s.dialogs.shown[0], kItems);
    // The menu opens over the tape.
    const TapePane& pane = s.window->tapePane();
    const QRect tape(pane.mapToGlobal(QPoint(0, 0)), pane.size());
    EXPECT_TRUE(tape.contains(s.dialogs.where[0]))
        << s.dialogs.where[0].x() << "," << s.dialogs.where[0].y();
    // Then typing reaches the keypad again, as after the tape's keys.
    ASSERT_NE(QApplication::focusWidget(), nullptr);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "ButtonEnte");
  }
}

TEST(TapeMenu, AnEmptyTapeOffersOnlyWhatNeedsNoLines) {
  TapeMenuStart s("[Tape Journal]\nKeepTape=0\n");
  strike(QApplication::focusWidget(), Qt::Key_Menu, {}, 0xff67);
  ASSERT_EQ(s.dialogs.shown.size(), 1u);
  EXPECT_EQ(s.dialogs.shown[0],
            (std::vector<std::string>{"Copy (off)", "Select All (off)", "Add Note… (off)",
                                      "Save Tape As…", "Open Tape…", "Export as CSV…",
                                      "Keep Tape Between Runs [ ]"}));
}

TEST(TapeMenu, TheMenuKeyOpensItOnceWhereTheSystemAlsoAsksForIt) {
  // X11 turns the Menu key into a context menu request as well as a key;
  // the key opens the menu, by the caret.
  TapeMenuStart s;
  s.window->pressKey(Key::Digit7);
  TapePane& pane = s.window->tapePane();
  pane.setFocus();
  QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(5, 5),
                            pane.mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(&pane, &request);
  strike(&pane, Qt::Key_Menu, {}, 0xff67);
  EXPECT_EQ(s.dialogs.shown.size(), 1u);
}

}  // namespace
