#include "calc/input_router.h"

namespace tivorum {

namespace {

using A = Action::Kind;

bool inMainWindow(Focus focus) {
  return focus == Focus::MainKey || focus == Focus::Tape || focus == Focus::MainWindow;
}

// With NumLock off the keypad sends navigation keys; they still mean the
// digit printed on them.
char16_t byPlace(KeyName name) {
  switch (name) {
    case KeyName::Insert:
      return '0';
    case KeyName::End:
      return '1';
    case KeyName::Down:
      return '2';
    case KeyName::PageDown:
      return '3';
    case KeyName::Left:
      return '4';
    case KeyName::Begin:
      return '5';
    case KeyName::Right:
      return '6';
    case KeyName::Home:
      return '7';
    case KeyName::Up:
      return '8';
    case KeyName::PageUp:
      return '9';
    case KeyName::Delete:
      return '.';
    case KeyName::Enter:
      return '\r';
    default:
      return 0;
  }
}

char16_t keysymCharacter(std::uint32_t k) {
  using namespace keysym;
  if (k >= kKeypad0 && k <= kKeypad0 + 9) return static_cast<char16_t>('0' + (k - kKeypad0));
  switch (k) {
    case kKeypadEnter:
      return '\r';
    case kKeypadMultiply:
      return '*';
    case kKeypadAdd:
      return '+';
    case kKeypadSubtract:
      return '-';
    case kKeypadDivide:
      return '/';
    case kKeypadDecimal:
    case kKeypadSeparator:  // the decimal key of a comma layout
      return '.';
    case kKeypadInsert:
      return byPlace(KeyName::Insert);
    case kKeypadEnd:
      return byPlace(KeyName::End);
    case kKeypadDown:
      return byPlace(KeyName::Down);
    case kKeypadPageDown:
      return byPlace(KeyName::PageDown);
    case kKeypadLeft:
      return byPlace(KeyName::Left);
    case kKeypadBegin:
      return byPlace(KeyName::Begin);
    case kKeypadRight:
      return byPlace(KeyName::Right);
    case kKeypadHome:
      return byPlace(KeyName::Home);
    case kKeypadUp:
      return byPlace(KeyName::Up);
    case kKeypadPageUp:
      return byPlace(KeyName::PageUp);
    case kKeypadDelete:
      return byPlace(KeyName::Delete);
    default:
      return 0;  // KP_Space, KP_Tab, KP_F1..KP_F4, KP_Equal: as on the main keyboard
  }
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
