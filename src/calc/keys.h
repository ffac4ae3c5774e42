// The keys of the main window, in one table: what each key is called, what it
// says, its help topic and the typed characters that press it. The window
// builds its keys from the table, the keyboard map is a lookup in it, and
// the engine takes its presses by Key. Window-free.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace tivorum {

// In the window's control order: when two keys share an accelerator letter,
// the earlier one wins.
enum class Key {
  Tape,
  Places,
  Hints,
  Clear,
  Off,
  Currency,
  Loan,
  Dividend,
  Financial,
  ProfitLoss,
  Interest,
  Investment,
  Area,
  Volume,
  Surface,
  TrigType,
  ArcSin,
  ArcCos,
  ArcTan,
  DegRad,
  Sin,
  Cos,
  Tan,
  Hypot,
  Root,
  Perm,
  Comb,
  Pi,
  Log,
  XtoY,
  SquareRoot,
  Factorial,
  Ln,
  Square,
  Absolute,
  EMinus,
  Store,
  Recall,
  OneOverX,
  Percent,
  EPlus,
  Digit7,
  Digit8,
  Digit9,
  Divide,
  Digit4,
  Digit5,
  Digit6,
  Multiply,
  Digit1,
  Digit2,
  Digit3,
  Minus,
  Digit0,
  Point,
  PlusMinus,
  Plus,
  Help,        // shown while help mode is on
  HelpEnable,  // on top of Help while help mode is off
  ClearMemory,
  Equals,
  About,
  ClearTape,
  Print,
  Copy,
};
inline constexpr size_t kKeyCount = static_cast<size_t>(Key::Copy) + 1;

// What a key is, as far as help mode and typing care.
enum class KeyKind {
  Setting,   // tape, number format, hints
  Module,    // opens a module window
  Function,  // the engine's other keys: clear, scientific, memory, "+/-", "="
  Digit,
  Point,
  Operator,  // the four operations
  Off,
  Help,
  About,
  TapeButton,
};

struct KeyRow {
  Key key;
  KeyKind kind;
  std::string_view name;     // the control's name
  std::string_view caption;  // "&" marks the accelerator character
  std::string_view hint;
  // The help topic; empty for keys that act in help mode as at any time.
  std::string_view topic;
  // The topic while the trigonometric keys are in hyperbolic mode.
  std::string_view hyperbolicTopic;
  // Typed characters that press the key with the focus on a key, and with
  // the focus on the tape.
  std::string_view typed;
  std::string_view typedOnTape;
  // Characters of the numeric keypad that press the key, whatever the focus
  // ("\r" is the keypad's Enter).
  std::string_view keypad;
  // The key's name read aloud: the caption without "&", or words for a
  // symbol.
  std::string_view spoken;
};

std::span<const KeyRow> keyTable();
const KeyRow& keyRow(Key key);

// The digit of a digit key, else 0.
char keyDigit(Key key);

// The key a typed character presses; none when the character does nothing.
std::optional<Key> keyForTyped(char16_t ch, bool tapeFocused);
// The key a character of the numeric keypad presses.
std::optional<Key> keyForKeypad(char16_t ch);
// The key whose accelerator a character is (the character after "&" in its
// caption, ignoring case): the first in control order.
std::optional<Key> keyForAccelerator(char16_t ch);

}  // namespace tivorum
