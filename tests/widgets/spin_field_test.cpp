#include "controls/spin_field.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <memory>

using namespace tivorum;

namespace {

// A spin field and a second control to move the focus to, in an active window.
struct Spin {
  Spin(int minimum, int maximum, int maxChars) {
    window = std::make_unique<QWidget>();
    spin = new SpinField(minimum, maximum, maxChars, window.get());
    other = new QLineEdit(window.get());
    other->move(0, 40);
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }
  QLineEdit* edit() const { return spin->findChild<QLineEdit*>(); }
  // Types text over the whole field, as the user would after entering it.
  void typeOver(const char* text) {
    spin->setFocus();
    edit()->selectAll();
    QTest::keyClick(edit(), Qt::Key_Backspace);
    QTest::keyClicks(edit(), text);
  }
  void leave() { other->setFocus(); }
  std::unique_ptr<QWidget> window;
  SpinField* spin = nullptr;
  QLineEdit* other = nullptr;
};

}  // namespace

TEST(SpinField, StartsAtTheMinimum) {
  SpinField s(4, 50, 2);
  EXPECT_EQ(s.value(), 4);
  EXPECT_EQ(s.text(), QString("4"));
}

TEST(SpinField, ReadingAndLeaving) {
  struct Case {
    int minimum, maximum, maxChars;
    const char* typed;
    int read;  // value before leaving
    int left;  // value after leaving
    const char* shown;
  };
  const Case cases[] = {
      {0, 365, 3, "12", 12, 12, "12"},
      {0, 365, 3, "999", 999, 365, "365"},  // read as typed, clamped on leaving
      {1, 5000, 3, "0", 0, 1, "1"},
      {1, 100, 3, "", 1, 1, "1"},  // empty reads as the minimum
      {1, 100, 3, "-", 1, 1, "1"},
      {1, 100, 3, "1-2", 1, 1, "1"},
      {4, 50, 2, "3", 3, 4, "4"},
      {4, 50, 2, "51", 51, 50, "50"},
      {0, 365, 3, "abc", 0, 0, "0"},           // letters are not taken at all
      {1, 5000, 3, "12345", 123, 123, "123"},  // three typed characters at most
      {1, 100, 3, "+7", 7, 7, "+7"},
  };
  for (const Case& c : cases) {
    Spin s(c.minimum, c.maximum, c.maxChars);
    s.typeOver(c.typed);
    EXPECT_EQ(s.spin->value(), c.read) << '"' << c.typed << '"';
    s.leave();
    EXPECT_EQ(s.spin->value(), c.left) << '"' << c.typed << '"';
    EXPECT_EQ(s.spin->text(), QString(c.shown)) << '"' << c.typed << '"';
  }
}

TEST(SpinField, SetValueClampsAndMayShowMoreThanTyped) {
  struct Case {
    int set, shownValue;
    const char* text;
  };
  const Case cases[] = {{36, 36, "36"}, {5000, 5000, "5000"}, {9999, 5000, "5000"}, {-3, 1, "1"}};
  for (const Case& c : cases) {
    SpinField s(1, 5000, 3);
    s.setValue(c.set);
    EXPECT_EQ(s.value(), c.shownValue) << c.set;
    EXPECT_EQ(s.text(), QString(c.text)) << c.set;
  }
}

TEST(SpinField, ProgramShownNumberCannotBeLengthened) {
  Spin s(1, 5000, 3);
  s.spin->setValue(5000);
  s.spin->setFocus();
  s.edit()->setCursorPosition(4);
  QTest::keyClick(s.edit(), Qt::Key_1);
  EXPECT_EQ(s.spin->text(), QString("5000"));
  QTest::keyClick(s.edit(), Qt::Key_Backspace);
  EXPECT_EQ(s.spin->text(), QString("500"));
}

TEST(SpinField, EnteringSelectsTheWholeText) {
  Spin s(0, 365, 3);
  s.spin->setValue(120);
  s.leave();  // the window gave the spin field the focus when it opened
  s.spin->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(s.edit()->selectedText(), QString("120"));
  s.leave();
  s.spin->setFocus(Qt::OtherFocusReason);
  EXPECT_EQ(s.edit()->selectedText(), QString("120"));
}

TEST(SpinField, ArrowsStepWithinTheRange) {
  Spin s(1, 3, 3);
  s.spin->setFocus();
  QTest::keyClick(s.edit(), Qt::Key_Up);
  EXPECT_EQ(s.spin->value(), 2);
  QTest::keyClick(s.edit(), Qt::Key_Up);
  QTest::keyClick(s.edit(), Qt::Key_Up);
  EXPECT_EQ(s.spin->value(), 3);
  s.typeOver("9");
  s.spin->stepBy(-1);  // from an unclamped 9
  EXPECT_EQ(s.spin->value(), 3);
  s.spin->stepBy(-10);
  EXPECT_EQ(s.spin->value(), 1);
}
