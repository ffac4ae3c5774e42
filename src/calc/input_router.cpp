#include "calc/input_router.h"

#include <utility>

namespace tivorum {

namespace {

using A = Action::Kind;

bool inMainWindow(Focus focus) {
  return focus == Focus::MainKey || focus == Focus::Tape || focus == Focus::MainWindow;
}

// With NumLock off the keypad sends navigation keys; they still mean the
// digit printed on them.
struct Place {
  KeyName name;
  std::uint32_t keysym;
  char16_t character;
};

constexpr Place kPlaces[] = {
    {KeyName::Insert, keysym::kKeypadInsert, '0'},
    {KeyName::End, keysym::kKeypadEnd, '1'},
    {KeyName::Down, keysym::kKeypadDown, '2'},
    {KeyName::PageDown, keysym::kKeypadPageDown, '3'},
    {KeyName::Left, keysym::kKeypadLeft, '4'},
    {KeyName::Begin, keysym::kKeypadBegin, '5'},
    {KeyName::Right, keysym::kKeypadRight, '6'},
    {KeyName::Home, keysym::kKeypadHome, '7'},
    {KeyName::Up, keysym::kKeypadUp, '8'},
    {KeyName::PageUp, keysym::kKeypadPageUp, '9'},
    {KeyName::Delete, keysym::kKeypadDelete, '.'},
    {KeyName::Enter, keysym::kKeypadEnter, '\r'},
};

char16_t byPlace(KeyName name) {
  for (const Place& p : kPlaces) {
    if (p.name == name) return p.character;
  }
  return 0;
}

// The keypad's character for its keysym; 0 for KP_Space, KP_Tab, KP_F1 to
// KP_F4 and KP_Equal, which act as the main keyboard's keys.
char16_t keysymCharacter(std::uint32_t k) {
  using namespace keysym;
  if (k >= kKeypad0 && k <= kKeypad0 + 9) return static_cast<char16_t>('0' + (k - kKeypad0));
  constexpr std::pair<std::uint32_t, char16_t> kOperators[] = {
      {kKeypadMultiply, '*'}, {kKeypadAdd, '+'},     {kKeypadSubtract, '-'},
      {kKeypadDivide, '/'},   {kKeypadDecimal, '.'}, {kKeypadSeparator, '.'},  // a comma layout's
  };
  for (const auto& [sym, c] : kOperators) {
    if (sym == k) return c;
  }
  for (const Place& p : kPlaces) {
    if (p.keysym == k) return p.character;
  }
  return 0;
}

// Keys of the whole keyboard that other programs have taught users.
struct Chord {
  KeyName name;
  char16_t symbol;  // for Character keys
  bool shift, control;
  Action action;
};

constexpr Chord kChords[] = {
    {KeyName::Character, 'C', false, true, {A::Copy}},
    {KeyName::Insert, 0, false, true, {A::Copy}},
    {KeyName::Copy, 0, false, false, {A::Copy}},
    {KeyName::Character, 'V', false, true, {A::Paste}},
    {KeyName::Insert, 0, true, false, {A::Paste}},
    {KeyName::Paste, 0, false, false, {A::Paste}},
    {KeyName::F1, 0, false, false, {A::Help}},
    // The keyboard's way to a context menu; the tape has the window's only one.
    {KeyName::Menu, 0, false, false, {A::TapeMenu}},
    {KeyName::F10, 0, true, false, {A::TapeMenu}},
    {KeyName::Character, 'Q', false, true, {A::Press, Key::Off}},
};

const Chord* chordOf(const KeyEvent& e) {
  if (e.alt) return nullptr;
  for (const Chord& chord : kChords) {
    if (chord.name == e.name && (chord.name != KeyName::Character || chord.symbol == e.symbol) &&
        chord.shift == e.shift && chord.control == e.control)
      return &chord;
  }
  return nullptr;
}

// The character a key types for the keyboard map: its text (Escape's is
// ESC), or with Alt, where some systems send none, the key's own letter.
char16_t typedCharacter(const KeyEvent& e) {
  if (e.name == KeyName::Escape) return 0x1b;
  if (e.text >= 0x20 && e.text != 0x7f) return e.text;
  if (e.alt && e.name == KeyName::Character && e.symbol >= 'A' && e.symbol <= 'Z')
    return static_cast<char16_t>(e.symbol + ('a' - 'A'));
  return e.alt && e.name == KeyName::Character ? e.symbol : 0;
}

// A held key repeats only where repeating is typing: digits, the point and
// Backspace. A held "=" or operator acts once.
bool repeats(const Action& a) {
  if (a.kind == A::Backspace) return true;
  if (a.kind != A::Type) return false;
  const KeyKind kind = keyRow(a.key).kind;
  return kind == KeyKind::Digit || kind == KeyKind::Point;
}

}  // namespace

std::optional<char16_t> keypadCharacter(const KeyEvent& e) {
  char16_t c = 0;
  if (e.keysym != 0) {
    // The keysym says exactly which key it is, whatever Qt's flags say.
    if (e.keysym < keysym::kKeypadFirst || e.keysym > keysym::kKeypadLast) return std::nullopt;
    c = keysymCharacter(e.keysym);
  } else if (e.name == KeyName::Enter) {
    c = '\r';  // only the keypad has Enter
  } else if (e.keypadHint) {
    c = e.name == KeyName::Character ? e.text : byPlace(e.name);
  }
  if (c == 0 || !keyForKeypad(c)) return std::nullopt;
  return c;
}

Action InputRouter::decide(const KeyEvent& e) {
  if (e.focus == Focus::Dialog) return {A::PassThrough};
  if (e.focus == Focus::ModuleControl) {
    const bool plainF1 = e.name == KeyName::F1 && !e.shift && !e.control && !e.alt;
    return {plainF1 ? A::ModuleHelp : A::PassThrough};
  }
  // The main window. Help mode changes nothing here: a pressed key's own
  // click shows its help.
  if (const Chord* chord = chordOf(e)) return chord->action;
  if (e.control) return {A::PassThrough};  // Ctrl and a key is never a typed character
  if (!e.alt) {
    // The keypad computes: its keys are never accelerators, whatever the focus.
    if (const std::optional<char16_t> c = keypadCharacter(e)) return {A::Type, *keyForKeypad(*c)};
  }
  const char16_t ch = typedCharacter(e);
  if (e.alt) {
    // Alt and a key's accelerator presses that key, also from the tape.
    if (const std::optional<Key> key = keyForAccelerator(ch)) return {A::Press, *key};
    return {A::PassThrough};
  }
  switch (e.name) {
    case KeyName::Backspace:
      return {A::Backspace};
    case KeyName::Return:
    case KeyName::Space:
    case KeyName::Tab:
      return {A::PassThrough};  // the focused key or the tape handles them
    default:
      break;
  }
  if (ch == 0) return {A::PassThrough};
  const bool tape = e.focus == Focus::Tape;
  // An accelerator takes the character first, except on the tape, which has
  // its own map.
  if (!tape) {
    if (const std::optional<Key> key = keyForAccelerator(ch)) return {A::Press, *key};
  }
  if (const std::optional<Key> key = keyForTyped(ch, tape)) return {A::Type, *key};
  return {A::PassThrough};
}

Action InputRouter::route(const KeyEvent& e) {
  if (!inMainWindow(e.focus)) {
    // A key pressed or let go in another window was not pressed here.
    if (!e.autoRepeat) held_.erase(e.physical);
    return e.press && !e.autoRepeat ? decide(e) : Action{A::PassThrough};
  }
  const bool seen = held_.contains(e.physical);
  if (e.press && !e.autoRepeat) {
    held_.insert(e.physical);
    return decide(e);
  }
  if (!e.press && !e.autoRepeat) held_.erase(e.physical);
  // The release or the repeat of a key that went down in a box or another
  // program: that key has done its work there.
  if (!seen) return {A::Swallow};
  KeyEvent asPress = e;
  asPress.press = true;
  const Action action = decide(asPress);
  if (action.kind == A::PassThrough) return action;
  // A key acts on its press; its release does nothing more.
  if (e.press && repeats(action)) return action;
  return {A::Swallow};
}

}  // namespace tivorum
