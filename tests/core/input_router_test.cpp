// The input router: what every key means, by focus, on X11 and on Wayland,
// and that a key acts once.
#include "calc/input_router.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tivorum;

namespace {

using A = Action::Kind;
namespace ks = keysym;

// How the window system reports the numeric keypad: X11 gives the keysym
// and Qt's keypad flag, Wayland (Qt 6.4) the keysym alone, a synthesised
// event (offscreen) only the flag.
enum class Platform { X11, Wayland, NoKeysym };

const char* nameOf(Platform p) {
  return p == Platform::X11 ? "X11" : p == Platform::Wayland ? "Wayland" : "no keysym";
}

char16_t upper(char16_t c) {
  return c >= 'a' && c <= 'z' ? static_cast<char16_t>(c - 32) : c;
}

// A key of the main keyboard that types `c` (its keysym is its Latin-1 code).
KeyEvent typed(char16_t c, Focus focus = Focus::MainKey) {
  KeyEvent e;
  e.name = KeyName::Character;
  e.symbol = upper(c);
  e.text = c;
  e.keysym = c;
  e.physical = upper(c);
  e.focus = focus;
  return e;
}

// A named key of the main keyboard.
KeyEvent named(KeyName name, std::uint32_t sym, char16_t text = 0, Focus focus = Focus::MainKey) {
  KeyEvent e;
  e.name = name;
  e.text = text;
  e.keysym = sym;
  e.physical = sym;
  e.focus = focus;
  return e;
}

KeyEvent withShift(KeyEvent e) {
  e.shift = true;
  return e;
}
KeyEvent withControl(KeyEvent e) {
  e.control = true;
  if (e.text >= 'A' && e.text <= 'Z') e.text = static_cast<char16_t>(e.text - 'A' + 1);
  if (e.text >= 'a' && e.text <= 'z') e.text = static_cast<char16_t>(e.text - 'a' + 1);
  return e;
}
KeyEvent withAlt(KeyEvent e) {
  e.alt = true;
  return e;
}
KeyEvent inHelpMode(KeyEvent e) {
  e.helpMode = true;
  return e;
}

// A key of the numeric keypad: `name` and `text` as Qt reports them
// (Character for the keys that type), `sym` its keysym.
KeyEvent pad(Platform p, std::uint32_t sym, KeyName name, char16_t text,
             Focus focus = Focus::MainKey) {
  KeyEvent e;
  e.name = name;
  e.symbol = name == KeyName::Character ? text : 0;
  e.text = text;
  e.keysym = p == Platform::NoKeysym ? 0 : sym;
  e.keypadHint = p != Platform::Wayland;
  e.physical = sym;
  e.focus = focus;
  return e;
}

KeyEvent released(KeyEvent e) {
  e.press = false;
  return e;
}
KeyEvent repeated(KeyEvent e) {
  e.autoRepeat = true;
  return e;
}
KeyEvent focused(KeyEvent e, Focus focus) {
  e.focus = focus;
  return e;
}

Action press(Key k) {
  return {A::Press, k};
}
Action type(Key k) {
  return {A::Type, k};
}
Action only(A kind) {
  return {kind};
}

std::string describe(const Action& a) {
  return std::to_string(a.kind) + "/" + std::string(keyRow(a.key).name);
}

struct Case {
  std::string what;
  KeyEvent event;
  Action action;
};

void expectDecided(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const Action got = InputRouter::decide(c.event);
    EXPECT_EQ(got, c.action) << c.what << ": got " << describe(got) << ", expected "
                             << describe(c.action);
    // A single stroke routes as it is decided.
    InputRouter router;
    EXPECT_EQ(router.route(c.event), c.action) << c.what << " (routed)";
  }
}

}  // namespace

TEST(InputRouter, MainKeyboardWithTheFocusOnAKey) {
  expectDecided({
      {"digit", typed('5'), type(Key::Digit5)},
      {"point", typed('.'), type(Key::Point)},
      {"comma is the point", typed(','), type(Key::Point)},
      {"times", typed('*'), type(Key::Multiply)},
      {"plus is E+, its accelerator", typed('+'), press(Key::EPlus)},
      {"minus is E-", typed('-'), press(Key::EMinus)},
      {"slash is 1/x", typed('/'), press(Key::OneOverX)},
      {"s is Sto", typed('s'), press(Key::Store)},
      {"S is Sto", typed('S'), press(Key::Store)},
      {"i is Pi, before Print", typed('i'), press(Key::Pi)},
      {"q is Sqrt", typed('q'), press(Key::SquareRoot)},
      {"X is x\u00b2, ignoring case", typed('X'), press(Key::Square)},
      {"percent", typed('%'), press(Key::Percent)},
      {"bar is |x|", typed('|'), press(Key::Absolute)},
      {"y is the tape's Copy", typed('y'), press(Key::Copy)},
      {"f is n! by the map", typed('f'), type(Key::Factorial)},
      {"a clears by the map", typed('a'), type(Key::Clear)},
      {"equals", typed('='), type(Key::Equals)},
      {"a letter of no key", typed('z'), only(A::PassThrough)},
      {"a letter beyond ASCII", typed(u'\u00e9'), only(A::PassThrough)},
      {"Escape clears", named(KeyName::Escape, 0xff1b, 0x1b), type(Key::Clear)},
      {"Backspace", named(KeyName::Backspace, 0xff08, '\b'), only(A::Backspace)},
      {"Return is the focused key's", named(KeyName::Return, 0xff0d, '\r'), only(A::PassThrough)},
      {"Space is the focused key's", named(KeyName::Space, ' ', ' '), only(A::PassThrough)},
      {"Tab moves the focus", named(KeyName::Tab, 0xff09, '\t'), only(A::PassThrough)},
      {"Delete does nothing", named(KeyName::Delete, 0xffff, 0x7f), only(A::PassThrough)},
      {"Home of the main keyboard", named(KeyName::Home, 0xff50), only(A::PassThrough)},
      {"Insert alone", named(KeyName::Insert, 0xff63), only(A::PassThrough)},
      {"no focused control", typed('5', Focus::MainWindow), type(Key::Digit5)},
  });
}

TEST(InputRouter, ChordsAndAccelerators) {
  expectDecided({
      {"Ctrl+C", withControl(typed('c')), only(A::Copy)},
      {"Ctrl+Insert", withControl(named(KeyName::Insert, 0xff63)), only(A::Copy)},
      {"Copy key", named(KeyName::Copy, 0x1008ff57), only(A::Copy)},
      {"Ctrl+V", withControl(typed('v')), only(A::Paste)},
      {"Shift+Insert", withShift(named(KeyName::Insert, 0xff63)), only(A::Paste)},
      {"Paste key", named(KeyName::Paste, 0x1008ff6d), only(A::Paste)},
      {"Ctrl+Shift+V is no chord", withShift(withControl(typed('V'))), only(A::PassThrough)},
      {"F1", named(KeyName::F1, 0xffbe), only(A::Help)},
      {"Shift+F1", withShift(named(KeyName::F1, 0xffbe)), only(A::PassThrough)},
      {"Ctrl+Q is Off", withControl(typed('q')), press(Key::Off)},
      {"the Menu key opens the tape's menu", named(KeyName::Menu, 0xff67), only(A::TapeMenu)},
      {"also from the tape", named(KeyName::Menu, 0xff67, 0, Focus::Tape), only(A::TapeMenu)},
      {"Shift+F10 too", withShift(named(KeyName::F10, 0xffc7)), only(A::TapeMenu)},
      {"F10 alone is no chord", named(KeyName::F10, 0xffc7), only(A::PassThrough)},
      {"Ctrl+Menu is no chord", withControl(named(KeyName::Menu, 0xff67)), only(A::PassThrough)},
      {"Ctrl and a digit", withControl(typed('5')), only(A::PassThrough)},
      {"Ctrl and a keypad digit",
       withControl(pad(Platform::X11, ks::kKeypad0 + 5, KeyName::Character, '5')),
       only(A::PassThrough)},
      {"Alt+S", withAlt(typed('s')), press(Key::Store)},
      {"Alt+I is Pi, before Print", withAlt(typed('i')), press(Key::Pi)},
      {"Alt+Y", withAlt(typed('y')), press(Key::Copy)},
      {"Alt and a letter of no key", withAlt(typed('z')), only(A::PassThrough)},
      {"Alt and a digit", withAlt(typed('5')), only(A::PassThrough)},
      {"Alt and the keypad's plus is E+'s accelerator",
       withAlt(pad(Platform::X11, ks::kKeypadAdd, KeyName::Character, '+')), press(Key::EPlus)},
  });
  // Some systems send Alt and a letter without text: the key's letter counts.
  KeyEvent bare = withAlt(typed('r'));
  bare.text = 0;
  EXPECT_EQ(InputRouter::decide(bare), press(Key::Recall));
}

TEST(InputRouter, TheTapeHasItsOwnMap) {
  const Focus t = Focus::Tape;
  expectDecided({
      {"plus adds", typed('+', t), type(Key::Plus)},
      {"minus subtracts", typed('-', t), type(Key::Minus)},
      {"slash divides", typed('/', t), type(Key::Divide)},
      {"x is x^y", typed('x', t), type(Key::XtoY)},
      {"s is Rec", typed('s', t), type(Key::Recall)},
      {"r is Sto", typed('r', t), type(Key::Store)},
      {"i does nothing", typed('i', t), only(A::PassThrough)},
      {"! does nothing", typed('!', t), only(A::PassThrough)},
      {"y does nothing", typed('y', t), only(A::PassThrough)},
      {"digit", typed('7', t), type(Key::Digit7)},
      {"Alt+S is still Sto", withAlt(typed('s', t)), press(Key::Store)},
      {"the keypad's plus", pad(Platform::Wayland, ks::kKeypadAdd, KeyName::Character, '+', t),
       type(Key::Plus)},
      {"Ctrl+C", withControl(typed('c', t)), only(A::Copy)},
      {"Ctrl+V", withControl(typed('v', t)), only(A::Paste)},
      {"Backspace", named(KeyName::Backspace, 0xff08, '\b', t), only(A::Backspace)},
      {"arrows move in the tape", named(KeyName::Down, 0xff54, 0, t), only(A::PassThrough)},
      {"Return", named(KeyName::Return, 0xff0d, '\r', t), only(A::PassThrough)},
  });
}

// The keypad computes on every platform, NumLock on or off, with the focus on
// a key or on the tape; the main keyboard's "+", "-" and "/" stay E+, E- and
// 1/x.
TEST(InputRouter, KeypadAsEachPlatformReportsIt) {
  using C = KeyName;
  struct Row {
    const char* what;
    std::uint32_t sym;
    KeyName name;
    char16_t text;
    Key key;
  };
  const std::vector<Row> numLockOn = {
      {"KP_0", ks::kKeypad0, C::Character, '0', Key::Digit0},
      {"KP_7", ks::kKeypad0 + 7, C::Character, '7', Key::Digit7},
      {"KP_9", ks::kKeypad0 + 9, C::Character, '9', Key::Digit9},
      {"KP_Add", ks::kKeypadAdd, C::Character, '+', Key::Plus},
      {"KP_Subtract", ks::kKeypadSubtract, C::Character, '-', Key::Minus},
      {"KP_Multiply", ks::kKeypadMultiply, C::Character, '*', Key::Multiply},
      {"KP_Divide", ks::kKeypadDivide, C::Character, '/', Key::Divide},
      {"KP_Enter", ks::kKeypadEnter, C::Enter, '\r', Key::Equals},
      {"KP_Decimal", ks::kKeypadDecimal, C::Character, '.', Key::Point},
      {"KP_Decimal of a comma layout", ks::kKeypadDecimal, C::Character, ',', Key::Point},
      {"KP_Separator", ks::kKeypadSeparator, C::Character, ',', Key::Point},
  };
  const std::vector<Row> numLockOff = {
      {"KP_Insert", ks::kKeypadInsert, C::Insert, 0, Key::Digit0},
      {"KP_End", ks::kKeypadEnd, C::End, 0, Key::Digit1},
      {"KP_Down", ks::kKeypadDown, C::Down, 0, Key::Digit2},
      {"KP_Next", ks::kKeypadPageDown, C::PageDown, 0, Key::Digit3},
      {"KP_Left", ks::kKeypadLeft, C::Left, 0, Key::Digit4},
      {"KP_Begin", ks::kKeypadBegin, C::Begin, 0, Key::Digit5},
      {"KP_Right", ks::kKeypadRight, C::Right, 0, Key::Digit6},
      {"KP_Home", ks::kKeypadHome, C::Home, 0, Key::Digit7},
      {"KP_Up", ks::kKeypadUp, C::Up, 0, Key::Digit8},
      {"KP_Prior", ks::kKeypadPageUp, C::PageUp, 0, Key::Digit9},
      {"KP_Delete", ks::kKeypadDelete, C::Delete, 0x7f, Key::Point},
      {"KP_Enter", ks::kKeypadEnter, C::Enter, '\r', Key::Equals},
  };
  for (Platform p : {Platform::X11, Platform::Wayland, Platform::NoKeysym}) {
    for (Focus focus : {Focus::MainKey, Focus::Tape}) {
      for (const auto* rows : {&numLockOn, &numLockOff}) {
        for (const Row& r : *rows) {
          const KeyEvent e = pad(p, r.sym, r.name, r.text, focus);
          EXPECT_EQ(InputRouter::decide(e), type(r.key))
              << r.what << " on " << nameOf(p) << (focus == Focus::Tape ? ", tape" : "");
        }
      }
    }
  }
}

TEST(InputRouter, TheMainKeyboardIsNotTheKeypad) {
  // The same characters and navigation keys off the keypad. X11 reports its
  // keysym; a keysym off the keypad outweighs a stray keypad flag.
  KeyEvent plusWithStrayFlag = typed('+');
  plusWithStrayFlag.keypadHint = true;
  KeyEvent bareHome = named(KeyName::Home, 0);
  KeyEvent bareHomeOfKeypad = bareHome;
  bareHomeOfKeypad.keypadHint = true;
  KeyEvent bareEnter = named(KeyName::Enter, 0, '\r');
  expectDecided({
      {"plus", typed('+'), press(Key::EPlus)},
      {"plus with a stray keypad flag", plusWithStrayFlag, press(Key::EPlus)},
      {"Home", named(KeyName::Home, 0xff50), only(A::PassThrough)},
      {"Home without keysym", bareHome, only(A::PassThrough)},
      {"Home without keysym, keypad flag", bareHomeOfKeypad, type(Key::Digit7)},
      {"Enter without keysym or flag is the keypad's", bareEnter, type(Key::Equals)},
      {"KP_Space is a space", pad(Platform::X11, 0xff80, KeyName::Space, ' '),
       only(A::PassThrough)},
      {"KP_F1 is no keypad key", pad(Platform::X11, 0xff91, KeyName::Other, 0),
       only(A::PassThrough)},
      {"KP_Equal types \"=\"", pad(Platform::X11, 0xffbd, KeyName::Character, '='),
       type(Key::Equals)},
  });
}

TEST(InputRouter, ModuleWindowsAndBoxesKeepTheirKeys) {
  const Focus m = Focus::ModuleControl, d = Focus::Dialog;
  expectDecided({
      {"F1 in a module is its Help button", named(KeyName::F1, 0xffbe, 0, m), only(A::ModuleHelp)},
      {"Shift+F1 in a module", withShift(named(KeyName::F1, 0xffbe, 0, m)), only(A::PassThrough)},
      {"a digit in a module field", typed('5', m), only(A::PassThrough)},
      {"the keypad's plus in a module",
       pad(Platform::Wayland, ks::kKeypadAdd, KeyName::Character, '+', m), only(A::PassThrough)},
      {"keypad Enter in a module", pad(Platform::X11, ks::kKeypadEnter, KeyName::Enter, '\r', m),
       only(A::PassThrough)},
      {"Ctrl+V in a module field", withControl(typed('v', m)), only(A::PassThrough)},
      {"the Menu key in a module", named(KeyName::Menu, 0xff67, 0, m), only(A::PassThrough)},
      {"s in a module", typed('s', m), only(A::PassThrough)},
      {"F1 in a box", named(KeyName::F1, 0xffbe, 0, d), only(A::PassThrough)},
      {"Return in a box", named(KeyName::Return, 0xff0d, '\r', d), only(A::PassThrough)},
      {"Escape in a box", named(KeyName::Escape, 0xff1b, 0x1b, d), only(A::PassThrough)},
  });
}

// In help mode a key is pressed as always; its click then shows its help
// (and a digit, which has none, is typed).
TEST(InputRouter, HelpModeRoutesAsUsual) {
  expectDecided({
      {"s", inHelpMode(typed('s')), press(Key::Store)},
      {"digit", inHelpMode(typed('5')), type(Key::Digit5)},
      {"keypad Enter", inHelpMode(pad(Platform::Wayland, ks::kKeypadEnter, KeyName::Enter, '\r')),
       type(Key::Equals)},
      {"F1 is the Help key again", inHelpMode(named(KeyName::F1, 0xffbe)), only(A::Help)},
  });
}

// Strokes in order through one router: a key acts once, on its press; the
// release or repeat of a key pressed elsewhere does nothing here.
TEST(InputRouter, AKeyActsOnce) {
  const KeyEvent kpEnter = pad(Platform::Wayland, ks::kKeypadEnter, KeyName::Enter, '\r');
  const KeyEvent kpPlus = pad(Platform::X11, ks::kKeypadAdd, KeyName::Character, '+');
  const KeyEvent ret = named(KeyName::Return, 0xff0d, '\r');
  const KeyEvent space = named(KeyName::Space, ' ', ' ');
  const KeyEvent five = typed('5');
  const KeyEvent back = named(KeyName::Backspace, 0xff08, '\b');
  const KeyEvent s = typed('s');
  const Focus box = Focus::Dialog, module = Focus::ModuleControl;
  const struct {
    const char* what;
    std::vector<std::pair<KeyEvent, Action>> strokes;
  } cases[] = {
      {"keypad Enter acts on its press",
       {{kpEnter, type(Key::Equals)}, {released(kpEnter), only(A::Swallow)}}},
      {"keypad plus acts on its press",
       {{kpPlus, type(Key::Plus)}, {released(kpPlus), only(A::Swallow)}}},
      {"an accelerator acts on its press",
       {{s, press(Key::Store)}, {released(s), only(A::Swallow)}}},
      {"Return on a key: the key has press and release",
       {{ret, only(A::PassThrough)}, {released(ret), only(A::PassThrough)}}},
      {"Space on a key: the key clicks on its own release",
       {{space, only(A::PassThrough)}, {released(space), only(A::PassThrough)}}},
      {"Return that closed a box",
       {{focused(ret, box), only(A::PassThrough)}, {released(ret), only(A::Swallow)}}},
      {"keypad Enter that closed the help window",
       {{focused(kpEnter, box), only(A::PassThrough)}, {released(kpEnter), only(A::Swallow)}}},
      {"Space that closed a box",
       {{focused(space, box), only(A::PassThrough)}, {released(space), only(A::Swallow)}}},
      {"Return held in a box that closed",
       {{focused(ret, box), only(A::PassThrough)},
        {repeated(ret), only(A::Swallow)},
        {released(repeated(ret)), only(A::Swallow)},
        {released(ret), only(A::Swallow)}}},
      {"Return that closed a module window",
       {{focused(ret, module), only(A::PassThrough)}, {released(ret), only(A::Swallow)}}},
      {"a release without any press (the Return that started the program)",
       {{released(ret), only(A::Swallow)}}},
      {"a key pressed here, let go in a box, let go here again",
       {{five, type(Key::Digit5)},
        {released(focused(five, box)), only(A::PassThrough)},
        {released(five), only(A::Swallow)}}},
      {"a held digit repeats",
       {{five, type(Key::Digit5)},
        {repeated(five), type(Key::Digit5)},
        {released(repeated(five)), only(A::Swallow)},
        {repeated(five), type(Key::Digit5)},
        {released(five), only(A::Swallow)}}},
      {"a held Backspace repeats",
       {{back, only(A::Backspace)}, {repeated(back), only(A::Backspace)}}},
      {"a held keypad Enter acts once",
       {{kpEnter, type(Key::Equals)},
        {repeated(kpEnter), only(A::Swallow)},
        {released(kpEnter), only(A::Swallow)}}},
      {"a held accelerator acts once", {{s, press(Key::Store)}, {repeated(s), only(A::Swallow)}}},
      {"the next stroke acts again",
       {{kpEnter, type(Key::Equals)},
        {released(kpEnter), only(A::Swallow)},
        {kpEnter, type(Key::Equals)}}},
  };
  for (const auto& c : cases) {
    InputRouter router;
    int step = 0;
    for (const auto& [event, action] : c.strokes) {
      const Action got = router.route(event);
      EXPECT_EQ(got, action) << c.what << ", stroke " << step << ": got " << describe(got);
      ++step;
    }
  }
}
