// Every keyboard decision of the program, window-free: a key event as the
// window system reported it, with what has the focus, goes in; one action
// comes out. The windows only translate their events into KeyEvent and carry
// out the Action, so X11, Wayland and the tests differ in that translation,
// not in rules.
#pragma once

#include <cstdint>
#include <optional>
#include <unordered_set>

#include "calc/keys.h"

namespace tivorum {

// The keys that matter by name; every other key that types a character is a
// Character key, anything else Other.
enum class KeyName {
  Character,
  Return,  // the main keyboard's
  Enter,   // the numeric keypad's
  Escape,
  Backspace,
  Tab,
  Space,
  F1,
  F10,
  Insert,
  Delete,
  Home,
  End,
  Left,
  Right,
  Up,
  Down,
  PageUp,
  PageDown,
  Begin,  // the keypad's middle key with NumLock off
  Copy,
  Paste,
  Menu,
  Other,
};

// What has the keyboard focus when the key arrives.
enum class Focus {
  MainKey,        // a key or button of the main window
  Tape,           // the main window's tape
  MainWindow,     // the main window itself, no control focused
  ModuleControl,  // a control of an open module window
  Dialog,         // a message box, the help window, the print dialog, ...
};

// X11 keysyms of the numeric keypad, as both X11 and Wayland report them
// for a key's native virtual key.
namespace keysym {
inline constexpr std::uint32_t kKeypadFirst = 0xff80;
inline constexpr std::uint32_t kKeypadLast = 0xffbd;
inline constexpr std::uint32_t kKeypadEnter = 0xff8d;
inline constexpr std::uint32_t kKeypadHome = 0xff95;  // KP_Home .. KP_Delete follow
inline constexpr std::uint32_t kKeypadLeft = 0xff96;
inline constexpr std::uint32_t kKeypadUp = 0xff97;
inline constexpr std::uint32_t kKeypadRight = 0xff98;
inline constexpr std::uint32_t kKeypadDown = 0xff99;
inline constexpr std::uint32_t kKeypadPageUp = 0xff9a;
inline constexpr std::uint32_t kKeypadPageDown = 0xff9b;
inline constexpr std::uint32_t kKeypadEnd = 0xff9c;
inline constexpr std::uint32_t kKeypadBegin = 0xff9d;
inline constexpr std::uint32_t kKeypadInsert = 0xff9e;
inline constexpr std::uint32_t kKeypadDelete = 0xff9f;
inline constexpr std::uint32_t kKeypadMultiply = 0xffaa;
inline constexpr std::uint32_t kKeypadAdd = 0xffab;
inline constexpr std::uint32_t kKeypadSeparator = 0xffac;
inline constexpr std::uint32_t kKeypadSubtract = 0xffad;
inline constexpr std::uint32_t kKeypadDecimal = 0xffae;
inline constexpr std::uint32_t kKeypadDivide = 0xffaf;
inline constexpr std::uint32_t kKeypad0 = 0xffb0;  // KP_0 .. KP_9 follow
}  // namespace keysym

struct KeyEvent {
  KeyName name = KeyName::Other;
  // A Character key's own character as the keyboard's legend shows it
  // (upper-case letters), so that Ctrl+C is known whatever it types.
  char16_t symbol = 0;
  // The first character the key types with its modifiers; 0 for none.
  char16_t text = 0;
  bool shift = false;
  bool control = false;
  bool alt = false;
  // The key's X11 keysym where the window system gives one (X11 and
  // Wayland do), else 0.
  std::uint32_t keysym = 0;
  // The window system's "keypad" flag; only a hint, used when there is no
  // keysym (Wayland leaves it unset).
  bool keypadHint = false;
  bool press = true;
  bool autoRepeat = false;
  // The physical key, to pair a release with its press; any number that is
  // the same for both.
  std::uint32_t physical = 0;
  Focus focus = Focus::MainKey;
  bool helpMode = false;
};

struct Action {
  enum Kind {
    PassThrough,  // the focused control handles the key as usual
    Swallow,      // nothing happens
    Press,        // key is pressed as if clicked
    Type,         // key is pressed as a typed character (digits go into the entry)
    Backspace,    // the entry loses its last character
    Paste,        // the clipboard's number becomes the operand
    Copy,         // the number shown, or the tape's selection, to the clipboard
    Help,         // the Help key
    ModuleHelp,   // the Help button of the module window
    TapeMenu,     // the tape's context menu
  };
  Kind kind = PassThrough;
  Key key = Key::Equals;  // for Press and Type

  friend bool operator==(const Action&, const Action&) = default;
};

// The key of the numeric keypad an event comes from, as the character the
// key table's keypad column knows ("\r" for Enter; digits also with NumLock
// off, by the key's place); none for a key off the keypad.
std::optional<char16_t> keypadCharacter(const KeyEvent& event);

class InputRouter {
 public:
  // The action for `event`. Remembers which keys went down in the main
  // window, so that the release or repeat of a key pressed elsewhere (the
  // Return that closed a box) does nothing here.
  Action route(const KeyEvent& event);

  // What a press of the key would do, without remembering anything: a key
  // the program acts on is kept from the window system's shortcuts.
  static Action decide(const KeyEvent& event);

 private:
  std::unordered_set<std::uint32_t> held_;
};

}  // namespace tivorum
