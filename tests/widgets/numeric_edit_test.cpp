#include "controls/numeric_edit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QTest>
#include <memory>

using namespace tivorum;

namespace {

// One field in a shown, active window, as the module windows hold them.
struct Field {
  explicit Field(int maxChars = 0) {
    window = std::make_unique<QWidget>();
    edit = new NumericEdit(window.get());
    edit->setMaxChars(maxChars);
    window->show();
    QApplication::setActiveWindow(window.get());
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    edit->setFocus();
  }
  // `text` is a value text, with "." as its point.
  void start(std::string_view text, int caret) {
    edit->setResultText(text);
    edit->setCursorPosition(caret);
  }
  std::unique_ptr<QWidget> window;
  NumericEdit* edit = nullptr;
};

// A key as the keyboard sends it.
struct TypedKey {
  Qt::Key key;
  const char* text;
  Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void press(NumericEdit* edit, const TypedKey& k, bool autoRepeat = false) {
  QKeyEvent down(QEvent::KeyPress, k.key, k.modifiers, QString::fromUtf8(k.text), autoRepeat);
  QApplication::sendEvent(edit, &down);
}

void release(NumericEdit* edit, const TypedKey& k) {
  QKeyEvent up(QEvent::KeyRelease, k.key, k.modifiers, QString::fromUtf8(k.text));
  QApplication::sendEvent(edit, &up);
}

void hit(NumericEdit* edit, const TypedKey& k) {
  press(edit, k);
  release(edit, k);
}

const TypedKey kDigit1{Qt::Key_1, "1"};
const TypedKey kDigit3{Qt::Key_3, "3"};
const TypedKey kPoint{Qt::Key_Period, "."};
const TypedKey kLetterA{Qt::Key_A, "a"};

}  // namespace

TEST(NumericEdit, FilterActsWhereTheKeyIsTyped) {
  struct Case {
    const char* name;
    const char* before;
    int caret;
    TypedKey key;
    const char* after;
  };
  const Case cases[] = {
      {"letter refused", "12", 2, kLetterA, "12"},
      {"capital refused", "12", 2, {Qt::Key_A, "A", Qt::ShiftModifier}, "12"},
      {"shift alone", "12", 2, {Qt::Key_Shift, ""}, "12"},
      {"control alone", "12", 2, {Qt::Key_Control, ""}, "12"},
      {"enter", "12", 2, {Qt::Key_Return, "\r"}, "12"},
      {"escape", "12", 2, {Qt::Key_Escape, "\x1b"}, "12"},
      {"space", "12", 2, {Qt::Key_Space, " "}, "12"},
      {"minus", "12", 2, {Qt::Key_Minus, "-"}, "12"},
      {"keypad minus", "12", 2, {Qt::Key_Minus, "-", Qt::KeypadModifier}, "12"},
      {"keypad plus", "12", 2, {Qt::Key_Plus, "+", Qt::KeypadModifier}, "12"},
      {"keypad times", "12", 2, {Qt::Key_Asterisk, "*", Qt::KeypadModifier}, "12"},
      {"keypad divide", "12", 2, {Qt::Key_Slash, "/", Qt::KeypadModifier}, "12"},
      {"exponent", "12", 2, {Qt::Key_E, "e"}, "12"},
      {"function key", "12", 2, {Qt::Key_F2, ""}, "12"},
      {"other script digit", "12", 2, {Qt::Key_unknown, "\u0663"}, "12"},
      {"AltGr symbol", "12", 2, {Qt::Key_unknown, "\u00b2", Qt::GroupSwitchModifier}, "12"},
      {"comma types the point", "12", 2, {Qt::Key_Comma, ","}, "12."},
      {"semicolon", "12", 2, {Qt::Key_Semicolon, ";", Qt::ShiftModifier}, "12"},
      {"greater", "12", 2, {Qt::Key_Greater, ">", Qt::ShiftModifier}, "12"},
      {"percent", "12", 2, {Qt::Key_Percent, "%", Qt::ShiftModifier}, "12"},
      {"refused in empty", "", 0, kLetterA, ""},
      {"digit at caret", "12", 1, kDigit3, "132"},
      {"keypad digit", "12", 2, {Qt::Key_7, "7", Qt::KeypadModifier}, "127"},
      {"first point", "15", 1, kPoint, "1.5"},
      {"point in empty", "", 0, kPoint, "."},
      {"second point at end", "1.5", 3, kPoint, "1.5"},
      {"second point inside", "1.5", 1, kPoint, "1.5"},
      {"second point at start", "1.5", 0, kPoint, "1.5"},
      {"keypad point", "15", 2, {Qt::Key_Period, ".", Qt::KeypadModifier}, "15."},
      {"keypad comma types a point", "15", 2, {Qt::Key_Comma, ",", Qt::KeypadModifier}, "15."},
      {"keypad comma, second point", "1.5", 3, {Qt::Key_Comma, ",", Qt::KeypadModifier}, "1.5"},
      {"backspace at caret", "123", 2, {Qt::Key_Backspace, "\b"}, "13"},
      {"delete at caret", "123", 0, {Qt::Key_Delete, "\x7f"}, "23"},
      {"keypad delete, NumLock off", "123", 0, {Qt::Key_Delete, "", Qt::KeypadModifier}, "23"},
  };
  for (const Case& c : cases) {
    Field f;
    f.start(c.before, c.caret);
    hit(f.edit, c.key);
    EXPECT_EQ(f.edit->text(), QString(c.after)) << c.name;
  }
}

TEST(NumericEdit, EveryPointKeyTypesTheLocaleSeparator) {
  const TypedKey pointKeys[] = {
      kPoint,
      {Qt::Key_Comma, ","},
      {Qt::Key_Period, ".", Qt::KeypadModifier},
      {Qt::Key_Comma, ",", Qt::KeypadModifier},
  };
  for (char point : {'.', ','}) {
    for (const TypedKey& key : pointKeys) {
      const std::string name = std::string(1, point) + " " + key.text;
      Field f;
      f.edit->setDecimalChar(point);
      f.start("15", 1);
      hit(f.edit, key);
      EXPECT_EQ(f.edit->text(), QString("1") + point + "5") << name;
      EXPECT_EQ(f.edit->valueText(), "1.5") << name;
      // One point only, wherever the caret is.
      for (int caret : {0, 1, 3}) {
        f.start("1.5", caret);
        hit(f.edit, key);
        EXPECT_EQ(f.edit->text(), QString("1") + point + "5") << name << " at " << caret;
      }
    }
  }
}

TEST(NumericEdit, PointKeyOverTheLimitIsRefused) {
  Field f(2);
  f.edit->setDecimalChar(',');
  f.start("12", 2);
  hit(f.edit, kPoint);
  EXPECT_EQ(f.edit->text(), QString("12"));
  f.edit->setSelection(1, 1);
  hit(f.edit, kPoint);
  EXPECT_EQ(f.edit->text(), QString("1,"));
}

TEST(NumericEdit, ValueAndResultTextsHaveAFullStopAsTheirPoint) {
  QWidget window;
  auto* edit = new NumericEdit(&window);
  auto* result = new ResultField(&window);
  edit->setDecimalChar(',');
  result->setDecimalChar(',');
  edit->setResultText(std::string_view("2.50"));
  result->setResultText(std::string_view("1234.5"));
  EXPECT_EQ(edit->text(), QString("2,50"));
  EXPECT_EQ(result->text(), QString("1234,5"));
  EXPECT_EQ(edit->valueText(), "2.50");
  EXPECT_EQ(result->valueText(), "1234.5");
  // A pasted full stop is no point here: the text reads as no number.
  edit->pasteText("1.5");
  EXPECT_EQ(edit->valueText(), "1,5");
  edit->pasteText("3,25\n9");
  EXPECT_EQ(edit->valueText(), "3.25");
}

TEST(NumericEdit, MovingKeysPlaceTheNextDigit) {
  struct Case {
    TypedKey key;
    const char* after;  // "12" with the caret at 1, the key, then "3"
  };
  const Case cases[] = {
      {{Qt::Key_Home, ""}, "312"},
      {{Qt::Key_End, ""}, "123"},
      {{Qt::Key_Left, ""}, "312"},
      {{Qt::Key_Right, ""}, "123"},
      {{Qt::Key_Home, "", Qt::KeypadModifier}, "312"},  // the keypad, NumLock off
      {{Qt::Key_Up, ""}, "132"},                        // one line: nothing to move to
      {{Qt::Key_PageDown, ""}, "132"},
  };
  for (const Case& c : cases) {
    Field f;
    f.start("12", 1);
    hit(f.edit, c.key);
    hit(f.edit, kDigit3);
    EXPECT_EQ(f.edit->text(), QString(c.after)) << c.after;
  }
}

TEST(NumericEdit, PointReplacingASelectionThatHoldsThePoint) {
  Field f;
  f.start("1.5", 0);
  f.edit->setSelection(1, 2);  // ".5"
  hit(f.edit, kPoint);
  EXPECT_EQ(f.edit->text(), QString("1."));
}

TEST(NumericEdit, RepeatedRefusedKeyAddsNothing) {
  Field f;
  f.start("12", 2);
  press(f.edit, kLetterA);
  press(f.edit, kLetterA, true);
  press(f.edit, kLetterA, true);
  release(f.edit, kLetterA);
  EXPECT_EQ(f.edit->text(), QString("12"));
  // Typed digits stay put whatever is released afterwards.
  press(f.edit, {Qt::Key_Shift, ""});
  hit(f.edit, kDigit1);
  release(f.edit, {Qt::Key_Shift, ""});
  EXPECT_EQ(f.edit->text(), QString("121"));
}

TEST(NumericEdit, MaximumLengthLimitsTypingOnly) {
  Field f(3);
  QTest::keyClicks(f.edit, "12345");
  EXPECT_EQ(f.edit->text(), QString("123"));
  // A result is shown whole.
  f.edit->setResultText(std::string_view("3.14159"));
  EXPECT_EQ(f.edit->text(), QString("3.14159"));
  f.edit->setCursorPosition(7);
  hit(f.edit, kDigit1);
  EXPECT_EQ(f.edit->text(), QString("3.14159"));
  // Over the limit, even a digit typed over a selected one is refused.
  f.edit->setSelection(6, 1);
  hit(f.edit, kDigit1);
  EXPECT_EQ(f.edit->text(), QString("3.14159"));
  f.edit->setCursorPosition(7);
  hit(f.edit, {Qt::Key_Backspace, "\b"});
  EXPECT_EQ(f.edit->text(), QString("3.1415"));
  // Replacing a selection within the limit is typing too.
  f.edit->setResultText(std::string_view("123"));
  f.edit->setSelection(0, 1);
  hit(f.edit, kDigit3);
  EXPECT_EQ(f.edit->text(), QString("323"));
}

TEST(NumericEdit, NoLimitWithoutMaximum) {
  Field f;
  QTest::keyClicks(f.edit, "12345678901234567890");
  EXPECT_EQ(f.edit->text().size(), 20);
}

TEST(NumericEdit, PasteIsKeptAsPasted) {
  struct Case {
    const char* clip;
    int maxChars;
    const char* text;
    const char* value;
  };
  const Case cases[] = {
      {"1.2.3", 0, "1.2.3", "1.2.3"}, {"abc", 0, "abc", "abc"},      {"-5", 0, "-5", "-5"},
      {"123456", 4, "1234", "1234"},  {"12\n34", 0, "12\n34", "12"},
  };
  for (const Case& c : cases) {
    Field f(c.maxChars);
    QApplication::clipboard()->setText(c.clip);
    QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.edit->text(), QString(c.text)) << c.clip;
    EXPECT_EQ(f.edit->valueText(), std::string(c.value)) << c.clip;
    EXPECT_TRUE(f.edit->known());
  }
}

TEST(NumericEdit, PasteTextReplacesEverything) {
  Field f(4);
  f.start("99", 1);
  f.edit->pasteText("123456");
  EXPECT_EQ(f.edit->text(), QString("1234"));
}

TEST(NumericEdit, StandardShortcutsWork) {
  Field f;
  f.start("12.5", 4);
  QTest::keyClick(f.edit, Qt::Key_A, Qt::ControlModifier);
  EXPECT_EQ(f.edit->selectedText(), QString("12.5"));
  QTest::keyClick(f.edit, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QString("12.5"));
  EXPECT_EQ(f.edit->text(), QString("12.5"));
  QTest::keyClick(f.edit, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(f.edit->text(), QString());
  EXPECT_FALSE(f.edit->known());
  QTest::keyClick(f.edit, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(f.edit->text(), QString("12.5"));
  f.edit->setCursorPosition(4);
  QTest::keyClick(f.edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(f.edit->text(), QString("12.512.5"));
}

TEST(NumericEdit, InputMethodTextIsFiltered) {
  struct Case {
    char point;
    const char* commit;
    const char* after;
  };
  const Case cases[] = {
      {'.', "2a.3.", "12.3"},
      {'.', "2,3", "12.3"},
      {',', "2.3,4", "12,34"},
      {',', "-2e5", "125"},
  };
  for (const Case& c : cases) {
    Field f;
    f.edit->setDecimalChar(c.point);
    f.start("1", 1);
    QInputMethodEvent ev;
    ev.setCommitString(c.commit);
    QApplication::sendEvent(f.edit, &ev);
    EXPECT_EQ(f.edit->text(), QString(c.after)) << c.commit;
  }
}

TEST(NumericEdit, LooksLikeTheDisplay) {
  QWidget window;
  QFont big("Liberation Sans");
  big.setPixelSize(20);
  window.setFont(big);
  auto* edit = new NumericEdit(&window);
  auto* result = new ResultField(&window);
  QFont later("Liberation Sans");
  later.setPixelSize(13);
  window.setFont(later);  // a window setting its font afterwards keeps the bold
  for (QLineEdit* e : {static_cast<QLineEdit*>(edit), static_cast<QLineEdit*>(result)}) {
    EXPECT_EQ(e->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_TRUE(e->font().bold());
    EXPECT_EQ(e->font().pixelSize(), 13);
    EXPECT_EQ(e->palette().color(QPalette::Active, QPalette::Base), QColor(Qt::black));
    EXPECT_EQ(e->palette().color(QPalette::Inactive, QPalette::Text), QColor(0, 255, 0));
  }
  // ... and so does one that gives the field a font of its own.
  QFont own("Liberation Sans");
  own.setPixelSize(16);
  edit->setFont(own);
  result->setFont(own);
  for (QLineEdit* e : {static_cast<QLineEdit*>(edit), static_cast<QLineEdit*>(result)}) {
    EXPECT_TRUE(e->font().bold());
    EXPECT_EQ(e->font().pixelSize(), 16);
  }
  EXPECT_FALSE(edit->isReadOnly());
  EXPECT_TRUE(result->isReadOnly());
  result->setResultText(std::string_view("6944.69"));
  EXPECT_EQ(result->valueText(), "6944.69");
}

TEST(NumericEdit, RenderedColours) {
  QWidget window;
  auto* edit = new NumericEdit(&window);
  QFont f("Liberation Sans");
  f.setPixelSize(20);
  edit->setFont(f);
  edit->resize(130, 26);
  edit->setResultText(std::string_view("888"));
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const QImage img = edit->grab().toImage().convertToFormat(QImage::Format_RGB32);
  int lime = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (img.pixel(x, y) == QColor(0, 255, 0).rgb()) ++lime;
  EXPECT_GT(lime, 20);
  EXPECT_EQ(QColor(img.pixel(10, 13)), QColor(Qt::black));  // left of the right-aligned text
}
