// The calculation engine behind the main window's keypad: digit entry, the
// four operations with percent, the scientific keys, the memory locations,
// the one-line display and the lines it writes on the tape. Window-free: the
// window forwards its key handlers here and shows display() and the captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/keys.h"
#include "calc/number.h"
#include "calc/scientific.h"
#include "calc/tape.h"

namespace tivorum {

inline constexpr std::string_view kReciprocalOfZeroCaption = "ERROR!";
inline constexpr std::string_view kReciprocalOfZeroText = "Can't divide by 0!";
inline constexpr std::string_view kClearMemoryQuestion =
    "You are about to clear all memory locations.  Continue?";

// What the engine needs from its window.
class EngineHost {
 public:
  virtual ~EngineHost() = default;
  // A modal error box (error icon, OK): the reciprocal of 0.
  virtual void showErrorBox(std::string_view caption, std::string_view text) = 0;
  // A Yes/No confirmation; true for Yes.
  virtual bool confirm(std::string_view text) = 0;
  // A fault outside the engine's own error state (a memory location that is
  // not a number, an add to memory that overflows): the raw fault message,
  // for the application's error reporter.
  virtual void reportFault(std::string_view message) = 0;
};

// The six keys that switch between trigonometric and hyperbolic functions.
enum class TrigKey { Sin, Cos, Tan, ArcSin, ArcCos, ArcTan };

// The operation the next operator or "=" completes, by the character it is
// known by; None is "=" (nothing pending).
enum class PendingOp : char {
  None = '=',
  Plus = '+',
  Minus = '-',
  Multiply = '*',
  Divide = '/',
  XtoY = 'p',
  Root = 'r',
  Hypot = 'h',
  Perm = 'q',
  Comb = 's',
};

// "1": an operand was entered since the last operator, so the pending
// operation may complete; "0": a new number is expected.
enum class EntryState : char { NewNumber = '0', OperandEntered = '1' };

class CalcEngine {
 public:
  static constexpr int kMemoryCount = 10;
  static constexpr size_t kMemoryLength = 80;

  CalcEngine(Tape& tape, EngineHost& host);
  CalcEngine(const CalcEngine&) = delete;
  CalcEngine& operator=(const CalcEngine&) = delete;

  // ---- State the window, the tests and the fuzzer look at ----
  bool ErrorFlag() const { return errorFlag_; }
  bool ExponentEntry() const { return exponentEntry_; }
  bool StorePending() const { return storePending_; }
  char DecimalChar() const { return decimalChar_; }
  const std::string& MemoryLoc(int index) const { return memoryLoc_.at(index); }

  // ---- What the window shows ----
  const std::string& display() const { return display_; }
  const std::string& degRadCaption() const;
  const std::string& trigTypeCaption() const { return trigTypeCaption_; }
  const std::string& trigCaption(TrigKey key) const;
  const std::string& placesCaption() const { return placesCaption_; }

  // ---- Start-up ----
  // First showing: takes the locale's decimal character and clears
  // everything without a tape line; the engine is ready afterwards.
  void startUp(char decimalChar);
  // First activation: resets the result lines and the memory keys, empties
  // the memory (load it afterwards with setMemoryLoc) and applies the stored
  // number format ("%15.2f" is financial, anything else general).
  void firstActivation(std::string_view storedPlaceFormat);
  void setMemoryLoc(int index, std::string_view text);
  // The locations stored into since the last call (Sto, Sto+, Sto-, and all
  // ten by Clr Mem), bit n for location n, even when a store left the same
  // text: a store is the user's latest word and is always written.
  unsigned takeStoredLocations();

  // ---- Keys ----
  // Presses a key of the keypad as a click does. False for the keys that
  // are not the engine's (the setting, module, help and tape keys but the
  // tape's clear).
  bool press(Key key);
  void But0Click(char digit);  // every digit button
  void ButDotClick();
  void typeDigit(char digit);  // a digit typed on the keyboard
  void typePoint();            // "." or "," typed on the keyboard
  void backspace();
  void ButPlusMinusClick();
  void ButPlusClick();
  void ButMinusClick();
  void ButMultiplyClick();
  void ButDivideClick();
  void ButPercentClick();
  // "=" chooses its display format before anything else, even when help mode
  // then shows the key's help instead: in help mode call only
  // setResultFormat(); otherwise call ButtonEnteClick().
  void setResultFormat();
  void ButtonEnteClick();
  void ButClearClick();
  void PlacesButClick();

  void ButOneOverXClick();
  void ButSquareClick();
  void ButSquareRootClick();
  void ButLnClick();
  void ButLogClick();
  void ButSinClick();
  void ButCosClick();
  void ButTanClick();
  void ButarcSinClick();
  void ButArcCosClick();
  void ButArcTanClick();
  void ButAbsoluteClick();
  void ButFactorialClick();
  void ButXtoYClick();
  void ButRootClick();
  void ButHypotClick();
  void ButPermClick();
  void ButCombClick();
  void ButPiClick();
  void EPlusButClick();
  void EMinusButClick();
  void ButDegRadClick();
  void ButTrigTypeClick();

  void ButStoreClick();
  void ButRecallClick();
  void ClearMemButClick();
  // A number entered by value, as a recalled or pasted one is: it replaces
  // the entry and is the operand of the next operator; a pending Sto or Rec
  // is cancelled. Ignored while the display shows ERROR.
  void enterOperand(Real value);

  // ---- The tape beyond the keypad ----
  // Clearing the tape and the modules' blocks go through the engine so that
  // "=" never removes a line it did not write.
  void clearTape();
  void appendTape5(std::string_view t1, std::string_view t2 = {}, std::string_view t3 = {},
                   std::string_view t4 = {}, std::string_view t5 = {});

 private:
  // ---- Routines the keys share ----
  void ShowValue(Real v);
  void EnterDigit(char c);
  void CompletePending();
  void ApplyFunction(FunctionCode code);

  template <typename Step>
  void guarded(Step step);
  void setError();
  void writeLine(const std::string& line);
  void writeOperatorLine(const std::string& line);
  void binaryKey(PendingOp op, const char* line);
  void trigKey(TrigKey key, FunctionCode trigCode, FunctionCode hyperbolicCode);
  void digitKey(char c, bool button);
  void pointKey(bool button);
  void allClear();
  void clearEntry();
  void percent();
  void selectMemory(int n);
  void exponentKey(const char* marker);
  void endExponentEntry();
  std::string numberTextShown() const;
  std::string typedText() const;
  Real parse(std::string_view text) const;

  Tape& tape_;
  EngineHost& host_;

  Real currentValue_ = 0;
  Real accumulator_ = 0;
  PendingOp pendingOp_ = PendingOp::None;
  EntryState entryState_ = EntryState::NewNumber;
  bool errorFlag_ = false;
  std::string entryText_ = "0";
  char decimalChar_ = '.';
  std::string placeFormat_{kGeneralFormat};
  std::string displayFormat_{kGeneralFormat};
  std::string operandText_;
  Real percentBase_ = 0;
  Real percentFraction_ = 0;
  char lastEntryChar_ = ' ';
  bool exponentEntry_ = false;
  bool entryMade_ = false;
  bool percentDone_ = false;
  bool resultLines_ = true;
  bool justCleared_ = false;
  bool ready_ = false;
  AngleMode angleMode_ = AngleMode::Deg;
  std::array<std::string, kMemoryCount> memoryLoc_;
  bool storePending_ = false;
  bool recallPending_ = false;
  bool storeAdd_ = false;
  bool storeSubtract_ = false;

  std::string display_ = "0";
  // entryText_ still starts with the "0" every fresh entry starts from (not a
  // recalled or sign-changed text).
  bool freshEntry_ = true;
  // The last engine line on the tape is an operator line that "=" may take
  // back.
  bool operatorLineLast_ = false;
  std::string trigTypeCaption_ = "Type";
  std::array<std::string, 6> trigCaptions_{"Sin", "Cos", "Tan", "aSin", "aCos", "aTan"};
  std::string placesCaption_ = "Sci";
  unsigned storedLocations_ = 0;
};

}  // namespace tivorum
