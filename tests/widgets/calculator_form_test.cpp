#include "app/calculator_form.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/help_form.h"
#include "calc/ini_file.h"
#include "controls/color_button.h"
#include "controls/dialogs.h"
#include "controls/tape_pane.h"
#include "lock_holder.h"

using namespace tivorum;

namespace {

// Boxes are recorded instead of shown.
class RecordingDialogs : public Dialogs {
 public:
  void message(QWidget*, const QString& caption, const QString& text, BoxIcon) override {
    boxes.push_back((caption + ": " + text).toStdString());
  }
  bool confirm(QWidget*, const QString& caption, const QString& text) override {
    boxes.push_back((caption + ": " + text).toStdString());
    return true;
  }
  void showHelp(QDialog&) override { boxes.push_back("help"); }
  void showAbout(QDialog&) override { boxes.push_back("about"); }
  PrintAnswer askPrint(QWidget*, bool) override { return {}; }
  std::vector<std::string> boxes;
};

// A started main window over a folder holding `ini` as CUSTOM.INI.
struct Started {
  explicit Started(const std::string& ini) {
    setDialogs(&dialogs);
    if (!ini.empty()) std::ofstream(folder.filePath("CUSTOM.INI").toStdString()) << ini;
    const std::filesystem::path where(folder.path().toStdString());
    window = std::make_unique<Tcalculator1>(AppPaths{where, where});
    startMainWindow(*window);
    // Now, not after a paint that may come while a test holds the folder.
    window->restoreTape();
  }
  ~Started() {
    window.reset();
    setDialogs(nullptr);
  }
  QTemporaryDir folder;
  RecordingDialogs dialogs;
  std::unique_ptr<Tcalculator1> window;
};

bool looksOn(const TColorButton* key) {
  return key->color() == QColor(Qt::black) && key->fontColor() == QColor(Qt::white) &&
         !key->font().strikeOut();
}

bool looksOff(const TColorButton* key) {
  return key->color() == QColor(128, 128, 128) && key->fontColor() == QColor(192, 192, 192) &&
         key->font().strikeOut();
}

// Counts the hint requests that reach a widget.
class HintSpy : public QObject {
 public:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::ToolTip) ++seen;
    return false;
  }
  int seen = 0;
};

// Whether the mouse resting on `w` reaches it as a hint request.
bool hintShown(QWidget* w) {
  HintSpy spy;
  w->installEventFilter(&spy);
  QHelpEvent help(QEvent::ToolTip, QPoint(2, 2), w->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(w, &help);
  w->removeEventFilter(&spy);
  return spy.seen > 0;
}

}  // namespace

TEST(Calculator, SettingKeysStartWithTheLookOfTheStoredSettings) {
  const struct {
    const char* ini;
    bool hints, tape;
  } cases[] = {
      {"", true, true},
      {"[Hints]\nHintOn=0\n", false, true},
      {"[Tape]\nShowTape=0\n", true, false},
      {"[Hints]\nHintOn=5\n[Tape]\nShowTape=0\n", true, false},
      {"[hints]\nhinton=0\n[TAPE]\nshowtape=1\n", false, true},
  };
  for (const auto& c : cases) {
    Started s(c.ini);
    EXPECT_EQ(s.window->hintsOn(), c.hints) << c.ini;
    EXPECT_EQ(s.window->tapeShown(), c.tape) << c.ini;
    EXPECT_TRUE(c.hints ? looksOn(s.window->key(Key::Hints)) : looksOff(s.window->key(Key::Hints)))
        << c.ini;
    EXPECT_TRUE(c.tape ? looksOn(s.window->key(Key::Tape)) : looksOff(s.window->key(Key::Tape)))
        << c.ini;
    EXPECT_EQ(s.window->width(), c.tape ? 396 : 177) << c.ini;
    EXPECT_TRUE(s.dialogs.boxes.empty()) << c.ini;
  }
}

TEST(Calculator, HintKeySwitchesHintsForTheWholeApplication) {
  Started s("");
  QWidget other;  // a window of its own, as a module's is
  other.setToolTip("Other window");
  other.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));

  EXPECT_TRUE(hintShown(s.window->key(Key::Sin)));
  EXPECT_TRUE(hintShown(&other));
  s.window->key(Key::Hints)->click();
  EXPECT_FALSE(s.window->hintsOn());
  EXPECT_TRUE(looksOff(s.window->key(Key::Hints)));
  EXPECT_FALSE(hintShown(s.window->key(Key::Sin)));
  EXPECT_FALSE(hintShown(&other));
  s.window->key(Key::Hints)->click();
  EXPECT_TRUE(looksOn(s.window->key(Key::Hints)));
  EXPECT_TRUE(hintShown(s.window->key(Key::Sin)));
}

// The hint a resting mouse brings up is black on yellow, whatever the style.
TEST(Calculator, HintsShowBlackOnYellow) {
  Started s("");
  QWidget* sin = s.window->key(Key::Sin);
  QHelpEvent rest(QEvent::ToolTip, QPoint(2, 2), sin->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(sin, &rest);
  QWidget* tip = nullptr;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->inherits("QTipLabel") && w->isVisible()) tip = w;
  }
  ASSERT_NE(tip, nullptr);
  const QImage image = tip->grab().toImage();
  // Inside the frame: the yellow ground and the dark strokes of the text.
  int yellow = 0, dark = 0;
  for (int y = 2; y < image.height() - 2; ++y) {
    for (int x = 2; x < image.width() - 2; ++x) {
      const QColor c = image.pixelColor(x, y);
      yellow += c == QColor(255, 255, 0);
      dark += c.value() < 64;
    }
  }
  EXPECT_GT(yellow, (image.width() - 4) * (image.height() - 4) / 2);
  EXPECT_GT(dark, 0);
  QToolTip::hideText();
}

TEST(Calculator, TapeKeySlidesBetweenTheTwoWidths) {
  Started s("");
  const struct {
    bool shownAfter;
    int width;
  } steps[] = {{false, 177}, {true, 396}, {false, 177}};
  for (const auto& step : steps) {
    s.window->key(Key::Tape)->click();
    EXPECT_EQ(s.window->tapeShown(), step.shownAfter);
    EXPECT_EQ(s.window->width(), step.width);
    EXPECT_EQ(s.window->height(), 426);
    EXPECT_TRUE(step.shownAfter ? looksOn(s.window->key(Key::Tape))
                                : looksOff(s.window->key(Key::Tape)));
    EXPECT_EQ(s.window->focusWidget(), s.window->keyWidget(Key::Equals));
  }
}

TEST(Calculator, EveryControlHasAnAccessibleName) {
  Started s("");
  for (QWidget* w : s.window->findChildren<QWidget*>()) {
    if (w->objectName().isEmpty() || !w->isVisibleTo(s.window.get())) continue;
    if (w->objectName().startsWith("qt_")) continue;
    EXPECT_FALSE(w->accessibleName().isEmpty()) << w->objectName().toStdString();
  }
}

TEST(Calculator, AltAndALetterPressesTheFirstKeyWithThatAccelerator) {
  const struct {
    Qt::Key key;
    const char* text;
    bool tapeFocused;
    const char* display;
    bool storePending;
  } cases[] = {
      {Qt::Key_I, "i", false, "3.14159265358979", false},  // Pi comes before Print
      {Qt::Key_S, "s", false, "0", true},
      {Qt::Key_S, "s", true, "0", true},  // not the tape's swapped map
      {Qt::Key_Q, "q", true, "0", false},
  };
  for (const auto& c : cases) {
    Started s("");
    QApplication::setActiveWindow(s.window.get());
    QWidget* target = c.tapeFocused ? static_cast<QWidget*>(&s.window->tapePane())
                                    : s.window->keyWidget(Key::Equals);
    target->setFocus();
    QTest::keyClick(target, c.key, Qt::AltModifier);
    EXPECT_EQ(s.window->displayText().toStdString(), c.display) << c.text;
    EXPECT_EQ(s.window->engine().StorePending(), c.storePending) << c.text;
    EXPECT_TRUE(s.dialogs.boxes.empty()) << c.text;
  }
}

TEST(Calculator, HelpWindowHoldsTheHeadingAndFiftyLines) {
  QTemporaryDir folder;
  std::ofstream(folder.filePath("CALC.ELP").toStdString())
      << "[Tape]\n1=First.\n3=Third.\n50=Last.\n51=Beyond.\n";
  const struct {
    const char* topic;
    bool withFile;
    std::vector<std::pair<int, const char*>> lines;
  } cases[] = {
      {"Tape", true, {{0, "*** Tape ***"}, {1, "First."}, {3, "Third."}, {50, "Last."}}},
      {"tape", true, {{0, "*** tape ***"}, {1, "First."}, {3, "Third."}, {50, "Last."}}},
      {"Print", true, {{0, "*** Print ***"}}},
      {"Tape", false, {{0, "*** Tape ***"}}},
  };
  for (const auto& c : cases) {
    THelpForm form;
    const std::filesystem::path where(folder.path().toStdString());
    form.fill(c.topic, c.withFile ? where : where / "missing");
    const QStringList lines = form.lines();
    ASSERT_EQ(lines.size(), 51) << c.topic;
    int nonEmpty = 0;
    for (const QString& l : lines) nonEmpty += !l.isEmpty();
    EXPECT_EQ(nonEmpty, static_cast<int>(c.lines.size())) << c.topic;
    for (const auto& [index, text] : c.lines) EXPECT_EQ(lines[index].toStdString(), text);
  }
}

namespace {

struct Stroke {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* text;
  quint32 keysym = 0;  // the native key, as X11 and Wayland give it
};

void send(QWidget* to, QEvent::Type type, const Stroke& s, bool autoRepeat = false) {
  QKeyEvent event(type, s.key, s.modifiers, 0, s.keysym, 0, QString::fromLatin1(s.text),
                  autoRepeat);
  QApplication::sendEvent(to, &event);
}

// One key pressed and released where the focus is, as the keyboard does.
void strike(Tcalculator1& window, const Stroke& s) {
  if (!window.isActiveWindow()) QApplication::setActiveWindow(&window);
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease})
    send(QApplication::focusWidget() ? QApplication::focusWidget() : &window, type, s);
}

void strike(Tcalculator1& window, const std::vector<Stroke>& strokes) {
  for (const Stroke& s : strokes) strike(window, s);
}

constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;

void clickKeys(Tcalculator1& window, const std::vector<const char*>& names) {
  for (const char* name : names) {
    auto* key = window.findChild<TColorButton*>(name);
    ASSERT_NE(key, nullptr) << name;
    QTest::mouseClick(key, Qt::LeftButton);
  }
}

std::string memoryOnDisk(const QTemporaryDir& folder, int location) {
  const IniFile ini(std::filesystem::path(folder.filePath("CUSTOM.INI").toStdString()));
  return ini.readString("Calculator Memory", "Memory Loc. " + std::to_string(location), "none");
}

TEST(Calculator, AStoreIsTheLatestWordEvenWhenItRepeatsThisCopysValue) {
  struct Case {
    const char* what;
    std::vector<const char*> first, second, firstAgain;
    const char* expected;  // location 0 on disk at the end
  };
  const Case cases[] = {
      {"Sto",
       {"But5", "ButStore", "But0"},
       {"But3", "ButStore", "But0"},
       {"ButStore", "But0"},
       "5"},
      {"Sto+",
       {"ButStore", "ButPlus", "But0"},
       {"But3", "ButStore", "But0"},
       {"ButStore", "ButPlus", "But0"},
       " 9.00000000000000E+0000"},
      {"Sto-",
       {"ButStore", "ButMinus", "But0"},
       {"But3", "ButStore", "But0"},
       {"ButStore", "ButMinus", "But0"},
       " 9.00000000000000E+0000"},
      {"Clr Mem", {"ClearMemBut"}, {"But3", "ButStore", "But0"}, {"ClearMemBut"}, "0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    // Two copies started from one folder.
    Started a("[Calculator Memory]\r\nMemory Loc. 0=9\r\n");
    const std::filesystem::path where(a.folder.path().toStdString());
    Tcalculator1 b(AppPaths{where, where});
    startMainWindow(b);
    clickKeys(*a.window, c.first);
    clickKeys(b, c.second);
    EXPECT_EQ(memoryOnDisk(a.folder, 0), "3");
    clickKeys(*a.window, c.firstAgain);
    EXPECT_EQ(memoryOnDisk(a.folder, 0), c.expected);
    // Closing either copy keeps it.
    b.close();
    a.window->close();
    EXPECT_EQ(memoryOnDisk(a.folder, 0), c.expected);
  }
}

TEST(Calculator, AStoreWaitsForAnotherCopysLockAndLosesNothing) {
  Started s("[Calculator Memory]\r\nMemory Loc. 3=1\r\n");
  test::LockHolder other(s.folder.path(), "2.5");
  ASSERT_TRUE(other.held());
  clickKeys(*s.window, {"But7", "ButStore", "But3"});
  // The window goes on meanwhile; the store is written once the lock is free.
  clickKeys(*s.window, {"But8", "ButStore", "But4"});
  ASSERT_TRUE(other.done());
  EXPECT_TRUE(QTest::qWaitFor([&] { return memoryOnDisk(s.folder, 4) == "8"; }, 15000));
  EXPECT_EQ(memoryOnDisk(s.folder, 3), "7");
  const IniFile ini(std::filesystem::path(s.folder.filePath("CUSTOM.INI").toStdString()));
  EXPECT_EQ(ini.readString("Other Copy", "kept", ""), "1");
  EXPECT_TRUE(s.dialogs.boxes.empty());
}

TEST(Calculator, ClosingWaitsForAnotherCopysLock) {
  Started s("");
  s.window->move(120, 80);
  clickKeys(*s.window, {"HintBut"});
  test::LockHolder other(s.folder.path(), "2.5");
  ASSERT_TRUE(other.held());
  clickKeys(*s.window, {"But6", "ButStore", "But2"});
  s.window->close();
  ASSERT_TRUE(other.done());
  EXPECT_EQ(memoryOnDisk(s.folder, 2), "6");
  const IniFile ini(std::filesystem::path(s.folder.filePath("CUSTOM.INI").toStdString()));
  EXPECT_EQ(ini.readString("Other Copy", "kept", ""), "1");
  EXPECT_EQ(ini.readString("Hints", "HintOn", ""), "0");
  EXPECT_EQ(ini.readInteger("Location", "Left", -1), s.window->pos().x());
  EXPECT_TRUE(s.dialogs.boxes.empty());
}

}  // namespace

TEST(Calculator, KeypadComputesWhateverNumLockSays) {
  const struct {
    const char* what;
    std::vector<Stroke> keys;
    const char* display;
  } cases[] = {
      {"NumLock on",
       {{Qt::Key_1, kPad, "1"},
        {Qt::Key_2, kPad, "2"},
        {Qt::Key_Plus, kPad, "+"},
        {Qt::Key_3, kPad, "3"},
        {Qt::Key_Enter, kPad, "\r"}},
       "15"},
      {"NumLock off",
       {{Qt::Key_End, kPad, ""},
        {Qt::Key_Down, kPad, ""},
        {Qt::Key_Plus, kPad, "+"},
        {Qt::Key_PageDown, kPad, ""},
        {Qt::Key_Enter, kPad, "\r"}},
       "15"},
      {"every position with NumLock off",
       {{Qt::Key_End, kPad, ""},
        {Qt::Key_Down, kPad, ""},
        {Qt::Key_PageDown, kPad, ""},
        {Qt::Key_Left, kPad, ""},
        {Qt::Key_Clear, kPad, ""},
        {Qt::Key_Right, kPad, ""},
        {Qt::Key_Home, kPad, ""},
        {Qt::Key_Up, kPad, ""},
        {Qt::Key_PageUp, kPad, ""},
        {Qt::Key_Insert, kPad, ""},
        {Qt::Key_Delete, kPad, ""},
        {Qt::Key_Clear, kPad, ""}},
       "1234567890.5"},
      {"divide",
       {{Qt::Key_8, kPad, "8"},
        {Qt::Key_Slash, kPad, "/"},
        {Qt::Key_2, kPad, "2"},
        {Qt::Key_Enter, kPad, "\r"}},
       "4"},
      {"minus then times",
       {{Qt::Key_9, kPad, "9"},
        {Qt::Key_Minus, kPad, "-"},
        {Qt::Key_3, kPad, "3"},
        {Qt::Key_Asterisk, kPad, "*"},
        {Qt::Key_2, kPad, "2"},
        {Qt::Key_Enter, kPad, "\r"}},
       "12"},
      {"decimal key sending a comma",
       {{Qt::Key_1, kPad, "1"}, {Qt::Key_Comma, kPad, ","}, {Qt::Key_5, kPad, "5"}},
       "1.5"},
      {"typed equals",
       {{Qt::Key_2, {}, "2"},
        {Qt::Key_Plus, kPad, "+"},
        {Qt::Key_2, {}, "2"},
        {Qt::Key_Equal, {}, "="}},
       "4"},
      {"the main keyboard's plus stays E+",
       {{Qt::Key_5, {}, "5"}, {Qt::Key_Plus, {}, "+"}, {Qt::Key_3, {}, "3"}},
       "5E+3"},
      {"Escape clears", {{Qt::Key_5, {}, "5"}, {Qt::Key_Escape, {}, "\x1b"}}, "0"},
  };
  for (const auto& c : cases) {
    Started s("");
    strike(*s.window, c.keys);
    EXPECT_EQ(s.window->displayText().toStdString(), c.display) << c.what;
    EXPECT_EQ(s.window->focusWidget(), s.window->keyWidget(Key::Equals)) << c.what;
  }
}

// Wayland reports the keypad by its keysym alone, without Qt's keypad flag.
TEST(Calculator, KeypadByItsKeysymAsWaylandReportsIt) {
  const Stroke kp7{Qt::Key_7, {}, "7", 0xffb7}, kp2{Qt::Key_2, {}, "2", 0xffb2};
  const Stroke kp1{Qt::Key_1, {}, "1", 0xffb1}, kp0{Qt::Key_0, {}, "0", 0xffb0};
  const Stroke plus{Qt::Key_Plus, {}, "+", 0xffab}, minus{Qt::Key_Minus, {}, "-", 0xffad};
  const Stroke slash{Qt::Key_Slash, {}, "/", 0xffaf}, enter{Qt::Key_Enter, {}, "\r", 0xff8d};
  const Stroke end{Qt::Key_End, {}, "", 0xff9c};  // NumLock off
  const struct {
    const char* what;
    std::vector<Stroke> keys;
    const char* display;
    std::vector<std::string> tape;
  } cases[] = {
      {"7 + 2", {kp7, plus, kp2, enter}, "9", {"7", "+", "2", "= 9"}},
      {"100 - 20", {kp1, kp0, kp0, minus, kp2, kp0, enter}, "80", {"100", "-", "20", "= 80"}},
      {"7 / 2", {kp7, slash, kp2, enter}, "3.5", {"7", "/", "2", "= 3.5"}},
      {"NumLock off", {end, plus, end, enter}, "2", {"1", "+", "1", "= 2"}},
      // The main keyboard's plus, by its keysym, is still E+.
      {"main plus", {{Qt::Key_5, {}, "5", '5'}, {Qt::Key_Plus, {}, "+", '+'}, kp2}, "5E+2", {}},
  };
  for (const auto& c : cases) {
    Started s("");
    strike(*s.window, c.keys);
    EXPECT_EQ(s.window->displayText().toStdString(), c.display) << c.what;
    EXPECT_EQ(s.window->tapePane().lines(), c.tape) << c.what;
  }
}

// A key that went down in a box (and closed it) does nothing when its
// release or its repeats arrive at the main window.
TEST(Calculator, AKeyOfABoxNeverReachesTheMainWindow) {
  const Stroke kpEnter{Qt::Key_Enter, Qt::KeypadModifier, "\r", 0xff8d};
  const Stroke ret{Qt::Key_Return, {}, "\r", 0xff0d};
  for (const Stroke& key : {kpEnter, ret}) {
    Started s("");
    strike(*s.window, {{Qt::Key_5, {}, "5", '5'}});
    QDialog box(s.window.get());
    auto* ok = new QPushButton("OK", &box);
    box.show();
    QApplication::setActiveWindow(&box);
    ok->setFocus();
    send(ok, QEvent::KeyPress, key);
    box.hide();
    QApplication::setActiveWindow(s.window.get());
    QWidget* equals = s.window->keyWidget(Key::Equals);
    ASSERT_EQ(QApplication::focusWidget(), equals);
    send(equals, QEvent::KeyPress, key, true);  // held down
    send(equals, QEvent::KeyRelease, key, true);
    send(equals, QEvent::KeyRelease, key);
    EXPECT_EQ(s.window->displayText().toStdString(), "5") << key.key;
    EXPECT_TRUE(s.window->tapePane().lines().empty()) << key.key;
    // The next stroke is the user's own.
    strike(*s.window, key);
    EXPECT_EQ(s.window->tapePane().lines(), (std::vector<std::string>{"5", "= 5"})) << key.key;
  }
}

TEST(Calculator, CopyTakesTheNumberShownOrTheTapeSelection) {
  Started s("");
  strike(*s.window, {{Qt::Key_C, kCtrl, "\x03"}});
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "0");
  s.window->pressKey(Key::Places);  // two decimals for results, with blanks in front
  strike(*s.window, {{Qt::Key_1, {}, "1"},
                     {Qt::Key_Slash, kPad, "/"},
                     {Qt::Key_8, {}, "8"},
                     {Qt::Key_Enter, kPad, "\r"},
                     {Qt::Key_Copy, {}, ""}});
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "0.13");
  s.window->tapePane().selectCharacters(0, 1);
  strike(*s.window, {{Qt::Key_C, kCtrl, "\x03"}});
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), "1");
  EXPECT_TRUE(s.dialogs.boxes.empty());
}

TEST(Calculator, PasteEntersOneOperandAndRefusesOtherText) {
  const struct {
    const char* clipboard;
    Stroke paste;
    const char* display;
    const char* box;
  } cases[] = {
      {"2.5", {Qt::Key_V, kCtrl, "\x16"}, "5", nullptr},
      {" 2.5\n", {Qt::Key_Insert, Qt::ShiftModifier, ""}, "5", nullptr},
      {"1,234.50", {Qt::Key_Paste, {}, ""}, "2469", nullptr},
      {"two",
       {Qt::Key_V, kCtrl, "\x16"},
       "2",  // the typed 1 stays
       "Tivoru: 'two' is not a valid floating point value."},
      {"1,5",
       {Qt::Key_V, kCtrl, "\x16"},
       "2",
       "Tivoru: '1,5' is not a valid floating point value."},
  };
  for (const auto& c : cases) {
    Started s("");
    QGuiApplication::clipboard()->setText(c.clipboard);
    strike(*s.window, {{Qt::Key_1, {}, "1"},  // replaced by the paste
                       c.paste,
                       {Qt::Key_Asterisk, kPad, "*"},
                       {Qt::Key_2, kPad, "2"},
                       {Qt::Key_Enter, kPad, "\r"}});
    EXPECT_EQ(s.window->displayText().toStdString(), c.display) << c.clipboard;
    EXPECT_EQ(s.dialogs.boxes, c.box ? std::vector<std::string>{c.box} : std::vector<std::string>{})
        << c.clipboard;
  }
}

// Under a decimal-comma locale "," is the point and "." groups thousands.
TEST(Calculator, PasteReadsTheLocalesDecimalSeparator) {
  const QLocale before;
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  const struct {
    const char* clipboard;
    const char* display;
    size_t boxes;
  } cases[] = {{"1.234,50", "1234,5", 0}, {"2,5", "2,5", 0}, {"1.5", "0", 1}};
  for (const auto& c : cases) {
    Started s("");
    QGuiApplication::clipboard()->setText(c.clipboard);
    strike(*s.window, {{Qt::Key_V, kCtrl, "\x16"}});
    EXPECT_EQ(s.window->displayText().toStdString(), c.display) << c.clipboard;
    EXPECT_EQ(s.dialogs.boxes.size(), c.boxes) << c.clipboard;
  }
  QLocale::setDefault(before);
}

TEST(Calculator, F1IsTheHelpKeyAndCtrlQIsOff) {
  Started s("");
  s.window->show();
  strike(*s.window, {{Qt::Key_F1, {}, ""}});
  EXPECT_TRUE(s.window->inHelpMode());
  strike(*s.window, {{Qt::Key_F1, {}, ""}});
  EXPECT_FALSE(s.window->inHelpMode());
  EXPECT_EQ(s.dialogs.boxes, std::vector<std::string>{"help"});
  strike(*s.window, {{Qt::Key_Q, kCtrl, "\x11"}});
  EXPECT_FALSE(s.window->isVisible());
}

TEST(Calculator, StoresAndSettingKeysAreWrittenAtOnce) {
  const struct {
    const char* what;
    std::vector<const char*> keys;  // clicked in turn
    const char* section;
    const char* key;
    const char* value;
  } cases[] = {
      {"store", {"But7", "ButStore", "But3"}, "Calculator Memory", "Memory Loc. 3", "7"},
      {"store-add",
       {"But4", "ButStore", "ButPlus", "But1"},
       "Calculator Memory",
       "Memory Loc. 1",
       " 6.00000000000000E+0000"},
      {"clear memory", {"ClearMemBut"}, "Calculator Memory", "Memory Loc. 1", "0"},
      {"hint key", {"HintBut"}, "Hints", "HintOn", "0"},
      {"tape key", {"TapeBut"}, "Tape", "ShowTape", "0"},
      {"format key", {"PlacesBut"}, "PlaceFormat", "Display", "%15.2f"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Started s("; mine\n[Calculator Memory]\nMemory Loc. 1=2\n");
    for (const char* name : c.keys) {
      auto* key = s.window->findChild<TColorButton*>(name);
      ASSERT_NE(key, nullptr) << name;
      QTest::mouseClick(key, Qt::LeftButton);
    }
    // Read while the window is still open: a kill now would lose nothing.
    const IniFile ini(std::filesystem::path(s.folder.filePath("CUSTOM.INI").toStdString()));
    EXPECT_EQ(ini.readString(c.section, c.key, "missing"), c.value);
    EXPECT_TRUE(ini.text().starts_with("; mine\n")) << ini.text();
    for (const std::string& box : s.dialogs.boxes) EXPECT_TRUE(box.starts_with("Confirm")) << box;
  }
}

TEST(Calculator, AnUnreadableSettingsFileIsReportedOnceAtStart) {
  Started s("");
  QDir(s.folder.path()).mkdir("CUSTOM.INI");
  s.window.reset();
  const std::filesystem::path where(s.folder.path().toStdString());
  s.window = std::make_unique<Tcalculator1>(AppPaths{where, where});
  startMainWindow(*s.window);
  ASSERT_EQ(s.dialogs.boxes, std::vector<std::string>{"Tivoru: Error. Cannot read file " +
                                                      (where / "CUSTOM.INI").string() + "."});
  for (const char* name : {"But4", "ButStore", "But1", "HintBut"}) {
    QTest::mouseClick(s.window->findChild<TColorButton*>(name), Qt::LeftButton);
  }
  s.window->close();
  EXPECT_EQ(s.dialogs.boxes.size(), 1u);
}

// Every colour key with an accelerator shows it underlined inside its frame,
// with a clear row between the letter and the line: also under a descender,
// as in "S&qrt" and "&|x|" on keys 18 pixels high.
TEST(Calculator, EveryAcceleratorOfTheKeypadIsUnderlined) {
  Started s("");
  int checked = 0;
  for (const KeyRow& keyRow : keyTable()) {
    TColorButton* key = s.window->key(keyRow.key);
    const qsizetype amp = key ? key->caption().indexOf('&') : -1;
    if (amp < 0) continue;
    SCOPED_TRACE(std::string(keyRow.name));
    ++checked;
    const QImage img = key->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QFontMetrics fm(key->font());
    const int width = fm.horizontalAdvance(shownCaption(key->caption()).mid(amp, 1));
    const QRgb ink = key->fontColor().rgb();
    // The lowest row inside the frame with a solid run as wide as the letter.
    int row = -1, from = 0, to = 0;
    for (int y = img.height() - 1 - key->bevelSize(); y >= key->bevelSize() && row < 0; --y) {
      for (int x = 0; x < img.width(); ++x) {
        int end = x;
        while (end < img.width() && img.pixel(end, y) == ink) ++end;
        if (end - x >= width - 1 && end - x <= width + 1) {
          row = y;
          from = x;
          to = end;
          break;
        }
        x = end;
      }
    }
    ASSERT_GE(row, 0) << "no underline";
    for (int x = from; x < to; ++x) EXPECT_NE(img.pixel(x, row - 1), ink) << "joins the letter";
  }
  EXPECT_EQ(checked, 18);
}
