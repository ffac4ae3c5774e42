#include "calc/engine.h"

#include <algorithm>
#include <exception>

#include "calc/scientific.h"

namespace tivorum {

namespace {

constexpr size_t kEntryLength = 80;
constexpr size_t kShortText = 255;
constexpr const char* kErrorText = "ERROR";

bool isDigit(char c) {
  return c >= '0' && c <= '9';
}

bool hasExponent(std::string_view text) {
  return text.find_first_of("Ee") != std::string_view::npos;
}

bool endsWithExponentMarker(std::string_view text) {
  return text.size() >= 2 && text[text.size() - 2] == 'E' &&
         (text.back() == '+' || text.back() == '-');
}

}  // namespace

CalcEngine::CalcEngine(Tape& tape, EngineHost& host) : tape_(tape), host_(host) {
  MemoryLoc.fill("0");
}

const std::string& CalcEngine::trigCaption(TrigKey key) const {
  return trigCaptions_[static_cast<size_t>(key)];
}

// Every key runs through here: a fault that escapes a routine still ends in
// the engine's error state instead of leaving the handler.
template <typename Step>
void CalcEngine::guarded(Step step) {
  try {
    step();
  } catch (const std::exception&) {
    setError();
  }
}

void CalcEngine::setError() {
  display_ = kErrorText;
  ErrorFlag = true;
  ExponentEntry = false;
}

void CalcEngine::writeLine(const std::string& line) {
  tape_.append(line);
  operatorLineLast_ = false;
}

void CalcEngine::writeOperatorLine(const std::string& line) {
  tape_.append(line);
  operatorLineLast_ = true;
}

Real CalcEngine::parse(std::string_view text) const {
  return textToNumber(text, DecimalChar);
}

// The display as a number text: an exponent marker typed without digits yet
// is not part of the number.
std::string CalcEngine::numberTextShown() const {
  if (endsWithExponentMarker(display_)) return display_.substr(0, display_.size() - 2);
  return display_;
}

// The entry as typed, without the "0" a fresh entry starts from.
std::string CalcEngine::typedText() const {
  if (freshEntry_ && EntryText.size() > 1 && EntryText[0] == '0') return EntryText.substr(1);
  return EntryText;
}

void CalcEngine::endExponentEntry() {
  if (!ExponentEntry) return;
  const std::string text = numberTextShown();
  ExponentEntry = false;
  Real v = 0;
  if (tryTextToNumber(text, v, DecimalChar)) display_ = engineText(v, DisplayFormat, DecimalChar);
}

// ---- Start-up ---------------------------------------------------------------

void CalcEngine::startUp(char decimalChar) {
  guarded([&] {
    DecimalChar = decimalChar;
    Ready = false;
    JustCleared = true;
    allClear();
    Ready = true;
    JustCleared = false;
  });
}

void CalcEngine::firstActivation(std::string_view storedPlaceFormat) {
  ResultLines = true;
  StorePending = RecallPending = StoreAdd = StoreSubtract = false;
  MemoryLoc.fill("0");
  const bool financial = storedPlaceFormat == kFinancialFormat;
  PlaceFormat = financial ? kFinancialFormat : kGeneralFormat;
  placesCaption_ = financial ? "Fin" : "Sci";
  DisplayFormat = kGeneralFormat;
}

void CalcEngine::setMemoryLoc(int index, std::string_view text) {
  if (index < 0 || index >= kMemoryCount) return;
  MemoryLoc[index] = std::string(text.substr(0, kMemoryLength));
}

void CalcEngine::PlacesButClick() {
  if (placesCaption_ != "Sci") {
    placesCaption_ = "Sci";
    PlaceFormat = kGeneralFormat;
  } else {
    placesCaption_ = "Fin";
    PlaceFormat = kFinancialFormat;
  }
}

// ---- Display and entry ------------------------------------------------------

void CalcEngine::ShowValue(Real v) {
  try {
    if (ExponentEntry && LastEntryChar != ' ') {
      display_ = EntryText;  // the exponent as typed
    } else if (LastEntryChar == '0' || LastEntryChar == DecimalChar) {
      // A trailing zero or point would vanish when formatted.
      display_ = typedText();
    } else {
      display_ = engineText(v, DisplayFormat, DecimalChar);
    }
  } catch (const std::exception&) {
    setError();
  }
}

void CalcEngine::EnterDigit(char c) {
  if (ErrorFlag) return;
  LastEntryChar = c;
  const bool digit = isDigit(c);
  if (StorePending || RecallPending) {
    selectMemory(digit ? c - '0' : 0);
    return;
  }
  try {
    Real v = 0;
    if (!ExponentEntry) {
      const size_t limit = freshEntry_ ? kEntryLength + 1 : kEntryLength;
      if (EntryText.size() < limit) EntryText += c;
      v = parse(EntryText);
    } else {
      if (!digit) return;
      EntryText = (display_ + c).substr(0, kEntryLength);
      freshEntry_ = false;
      v = parse(EntryText);
    }
    ShowValue(v);
    CurrentValue = v;
    EntryState = '1';
  } catch (const Fault&) {
    setError();  // an exponent beyond the extended range
  }
}

void CalcEngine::digitKey(char c, bool button) {
  guarded([&] {
    if (ErrorFlag || !(isDigit(c) || c == DecimalChar)) return;
    EnterDigit(c);
    EntryMade = true;
    if (button) JustCleared = false;
  });
}

void CalcEngine::But0Click(char digit) {
  digitKey(digit, true);
}
void CalcEngine::typeDigit(char digit) {
  digitKey(digit, false);
}

// After Sto or Rec the point selects location 0 whatever the entry holds;
// otherwise an entry takes one point, and none once it has an exponent.
void CalcEngine::pointKey(bool button) {
  const bool memoryKey = StorePending || RecallPending;
  if (!memoryKey && (ExponentEntry || EntryText.find(DecimalChar) != std::string::npos ||
                     hasExponent(EntryText))) {
    return;
  }
  digitKey(DecimalChar, button);
}

void CalcEngine::ButDotClick() {
  pointKey(true);
}
void CalcEngine::typePoint() {
  pointKey(false);
}

void CalcEngine::backspace() {
  guarded([&] {
    if (ErrorFlag) return;
    LastEntryChar = ' ';
    if (ExponentEntry) {
      if (endsWithExponentMarker(display_)) {
        // Back to the number before the marker; an entry that had exponent
        // digits (now all removed) becomes that number.
        const bool typedExponent = EntryText == display_;
        display_.resize(display_.size() - 2);
        if (typedExponent) EntryText = display_;
        ExponentEntry = false;
        return;
      }
      display_.pop_back();
      EntryText = display_;
      freshEntry_ = false;
      CurrentValue = parse(numberTextShown());
      return;
    }
    if (EntryText.size() > 1) {
      EntryText.pop_back();
      // Drop what no longer makes a number: a lone sign, a bare exponent.
      Real v = 0;
      while (!EntryText.empty() && !tryTextToNumber(EntryText, v, DecimalChar)) {
        EntryText.pop_back();
      }
      if (EntryText.empty()) {
        EntryText = "0";
        freshEntry_ = true;
        v = 0;
      }
      CurrentValue = v;
    } else {
      CurrentValue = 0;
      if (!freshEntry_) {
        EntryText = "0";
        freshEntry_ = true;
      }
    }
    ShowValue(CurrentValue);
  });
}

void CalcEngine::ButPlusMinusClick() {
  guarded([&] {
    if (ErrorFlag) return;
    LastEntryChar = ' ';
    endExponentEntry();
    std::string text = numberTextShown();
    text.erase(0, text.find_first_not_of(' '));
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) text.erase(0, 1);
    // The limit is on the digits: the sign never pushes out the last one.
    text.resize(std::min(text.size(), kEntryLength));
    const std::string negated = negative ? text : "-" + text;
    const Real v = parse(negated);
    // Digits typed next extend the signed number.
    EntryText = negated;
    freshEntry_ = false;
    ShowValue(v);
    CurrentValue = v;
    EntryState = '1';
    writeLine("= " + display_);
  });
}

// ---- Operators and completion -----------------------------------------------

void CalcEngine::CompletePending() {
  LastEntryChar = ' ';
  endExponentEntry();
  if (ErrorFlag || EntryState != '1') return;
  try {
    const Ext a = Accumulator;
    const Ext x = CurrentValue;
    const Ext p = PercentBase;
    const Ext f = PercentFraction;
    const bool percentPending = f != Ext(0);
    auto arithmetic = [&](Ext result) {
      Accumulator = result.value();
      ShowValue(Accumulator);
      PercentBase = Accumulator;
      PercentFraction = 0;
    };
    auto function = [&](Ext result) {
      Accumulator = result.value();
      ShowValue(Accumulator);
    };
    switch (PendingOp) {
      case '+':
        arithmetic(percentPending ? p * f + p : a + x);
        break;
      case '-':
        arithmetic(percentPending ? p - p * f : a - x);
        break;
      case '*':
        arithmetic(percentPending ? f * x : a * x);
        break;
      case '/':
        arithmetic(percentPending ? p / f : a / x);
        break;
      case 'p':
        function(Power(a, x));
        break;
      case 'r':
        function(rootOf(a, x));
        break;
      case 'h':
        function(hypotenuse(a, x));
        break;
      case 'q':
      case 's':
        if (!IsWhole(a) || !IsWhole(x)) {
          writeLine(PendingOp == 'q' ? "ERROR - Permutations possible on whole numbers only!"
                                     : "ERROR - Combinations possible on whole numbers only!");
          ResultLines = false;
          EntryText = "0";
          freshEntry_ = true;
          return;
        }
        function(PendingOp == 'q' ? permutations(a, x) : combinations(a, x));
        break;
      default:  // "=": the entry starts a new calculation
        Accumulator = CurrentValue;
        PercentBase = Accumulator;
        break;
    }
    EntryText = "0";
    freshEntry_ = true;
    CurrentValue = 0;
  } catch (const FactorialDomainError&) {
    setError();
    writeLine(kErrorText);
    EntryMade = false;
  } catch (const Fault&) {
    setError();
  }
}

void CalcEngine::binaryOperator(char op, const char* line) {
  guarded([&] {
    LastEntryChar = ' ';
    if (StorePending && (op == '+' || op == '-')) {
      // The last of the two wins, so a later plain store is never an add.
      StoreAdd = op == '+';
      StoreSubtract = op == '-';
      return;
    }
    OperandText = numberTextShown().substr(0, kShortText);
    CompletePending();
    // A refused count suppresses only the result line of an "=" that ran it.
    ResultLines = true;
    EntryState = '0';
    PendingOp = op;
    if (EntryMade) {
      if (!PercentDone) writeLine(OperandText);
      writeOperatorLine(line);
    }
    EntryMade = false;
    PercentDone = false;
  });
}

void CalcEngine::ButPlusClick() {
  binaryOperator('+', "+");
}
void CalcEngine::ButMinusClick() {
  binaryOperator('-', "-");
}
void CalcEngine::ButMultiplyClick() {
  binaryOperator('*', "x");
}
void CalcEngine::ButDivideClick() {
  binaryOperator('/', "/");
}

void CalcEngine::binaryFunction(char op, const char* line) {
  guarded([&] {
    LastEntryChar = ' ';
    OperandText = numberTextShown().substr(0, kShortText);
    CompletePending();
    ResultLines = true;
    EntryState = '0';
    PendingOp = op;
    if (EntryMade) {
      writeLine(OperandText);
      writeOperatorLine(line);
    }
    EntryMade = false;
  });
}

void CalcEngine::ButXtoYClick() {
  binaryFunction('p', "x^y");
}
void CalcEngine::ButRootClick() {
  binaryFunction('r', "yth root of x");
}
void CalcEngine::ButHypotClick() {
  binaryFunction('h', "hypoteneuse of x/y");
}
void CalcEngine::ButPermClick() {
  binaryFunction('q', "Permutations of x/y");
}
void CalcEngine::ButCombClick() {
  binaryFunction('s', "Combinations of x/y");
}

void CalcEngine::setResultFormat() {
  DisplayFormat = PlaceFormat == kFinancialFormat ? kFinancialFormat : kGeneralFormat;
}

void CalcEngine::ButtonEnteClick() {
  guarded([&] {
    setResultFormat();
    if (!EntryMade) {
      // Take back an operator that no number followed.
      if (operatorLineLast_) {
        tape_.removeLast();
        operatorLineLast_ = false;
      }
    } else if (!PercentDone) {
      writeLine(numberTextShown());
    }
    CompletePending();
    CurrentValue = 0;
    EntryText = "0";
    freshEntry_ = true;
    EntryState = '0';
    PendingOp = '=';
    if (ResultLines) writeLine("= " + display_);
    EntryMade = true;
    ResultLines = true;
    DisplayFormat = kGeneralFormat;
    PercentFraction = 0;
    PercentDone = false;
  });
}

// ---- Clear --------------------------------------------------------------------

void CalcEngine::clearEntry() {
  ExponentEntry = false;
  JustCleared = true;
  EntryText = "0";
  freshEntry_ = true;
  CurrentValue = 0;
  display_ = "0";
  EntryState = '1';
  // The percentage was part of the entry being cleared.
  PercentFraction = 0;
  PercentDone = false;
  writeLine("Clear Entry");
}

void CalcEngine::allClear() {
  Accumulator = 0;
  CurrentValue = 0;
  PendingOp = '=';
  EntryText = "0";
  freshEntry_ = true;
  display_ = "0";
  ErrorFlag = false;
  EntryState = '0';
  // Nothing of the cleared calculation may reach the next one.
  ExponentEntry = false;
  PercentBase = 0;
  PercentFraction = 0;
  PercentDone = false;
  if (Ready) writeLine("All Clear");
}

void CalcEngine::ButClearClick() {
  guarded([&] {
    LastEntryChar = ' ';
    if (!JustCleared && !ErrorFlag && Ready) {
      clearEntry();
    } else if (JustCleared || ErrorFlag) {
      allClear();
    }
  });
}

// ---- Unary keys ---------------------------------------------------------------

void CalcEngine::percent() {
  const std::string text = numberTextShown();
  endExponentEntry();
  try {
    const Real v = parse(text);
    PercentFraction = (Ext(v) * Ext(0.01L)).value();
    PercentBase = Accumulator;
    CurrentValue = v;
    ShowValue(v);
    Accumulator = PercentBase;
    if (EntryMade) {
      display_ = generalText(PercentFraction, 15, DecimalChar);
      writeLine(display_ + "%");
      PercentDone = true;
      EntryText = "0";
      freshEntry_ = true;
    }
  } catch (const Fault&) {
    setError();
    writeLine(kErrorText);
    EntryMade = false;
  }
}

void CalcEngine::ApplyFunction(int code) {
  LastEntryChar = ' ';
  if (code == kPercent) {
    percent();
    return;
  }
  OperandText = numberTextShown().substr(0, kShortText);
  endExponentEntry();
  try {
    const Ext v = parse(OperandText);
    if (code == kReciprocal && v == Ext(0)) {
      host_.showErrorBox(kReciprocalOfZeroCaption, kReciprocalOfZeroText);
      return;
    }
    const Ext result = unaryResult(code, v, AngleMode);
    // The result is the operand the next operator or "=" completes with.
    CurrentValue = result.value();
    EntryState = '1';
    EntryText = "0";
    freshEntry_ = true;
    ShowValue(CurrentValue);
    writeLine(unaryTapeLine(code, OperandText));
    writeLine("= " + display_);
    EntryMade = true;
  } catch (const Fault&) {
    setError();
    writeLine(kErrorText);
    EntryMade = false;
  }
}

void CalcEngine::ButOneOverXClick() {
  guarded([&] {
    ApplyFunction(kReciprocal);
    EntryMade = true;
  });
}

void CalcEngine::ButSquareClick() {
  guarded([&] { ApplyFunction(kSquare); });
}
void CalcEngine::ButSquareRootClick() {
  guarded([&] { ApplyFunction(kSquareRoot); });
}
void CalcEngine::ButLnClick() {
  guarded([&] { ApplyFunction(kNaturalLog); });
}
void CalcEngine::ButLogClick() {
  guarded([&] { ApplyFunction(kCommonLog); });
}
void CalcEngine::ButAbsoluteClick() {
  guarded([&] { ApplyFunction(kAbsolute); });
}
void CalcEngine::ButFactorialClick() {
  guarded([&] { ApplyFunction(kFactorial); });
}
void CalcEngine::ButPercentClick() {
  guarded([&] { ApplyFunction(kPercent); });
}

// Each key decides by its own caption whether it is the trigonometric or
// the hyperbolic function.
void CalcEngine::trigKey(TrigKey key, int trigCode, int hyperbolicCode) {
  static constexpr const char* kTrigCaptions[] = {"Sin", "Cos", "Tan", "aSin", "aCos", "aTan"};
  const size_t i = static_cast<size_t>(key);
  guarded([&] { ApplyFunction(trigCaptions_[i] == kTrigCaptions[i] ? trigCode : hyperbolicCode); });
}

void CalcEngine::ButSinClick() {
  trigKey(TrigKey::Sin, kSine, kHyperbolicSine);
}
void CalcEngine::ButCosClick() {
  trigKey(TrigKey::Cos, kCosine, kHyperbolicCosine);
}
void CalcEngine::ButTanClick() {
  trigKey(TrigKey::Tan, kTangent, kHyperbolicTangent);
}
void CalcEngine::ButarcSinClick() {
  trigKey(TrigKey::ArcSin, kArcSine, kArcHyperbolicSine);
}
void CalcEngine::ButArcCosClick() {
  trigKey(TrigKey::ArcCos, kArcCosine, kArcHyperbolicCosine);
}
void CalcEngine::ButArcTanClick() {
  trigKey(TrigKey::ArcTan, kArcTangent, kArcHyperbolicTangent);
}

// ---- Other scientific keys ------------------------------------------------------

void CalcEngine::ButPiClick() {
  guarded([&] {
    if (ErrorFlag) return;
    LastEntryChar = ' ';
    ExponentEntry = false;
    CurrentValue = kPi;
    ShowValue(kPi);
    EntryState = '1';
    EntryMade = true;
    EntryText = "0";
    freshEntry_ = true;
  });
}

void CalcEngine::exponentKey(const char* marker) {
  guarded([&] {
    LastEntryChar = ' ';
    // A display that already has an exponent cannot take a second one.
    if (placesCaption_ != "Sci" || ExponentEntry || ErrorFlag || hasExponent(display_)) return;
    ExponentEntry = true;
    display_ += marker;
  });
}

void CalcEngine::EPlusButClick() {
  exponentKey("E+");
}
void CalcEngine::EMinusButClick() {
  exponentKey("E-");
}

void CalcEngine::ButDegRadClick() {
  guarded([&] {
    LastEntryChar = ' ';
    const std::string from = AngleMode;
    if (AngleMode == kDegrees) {
      AngleMode = kRadians;
      degRadCaption_ = "Rad";
    } else if (AngleMode == kRadians) {
      AngleMode = kGrads;
      degRadCaption_ = "Gra";
    } else {
      AngleMode = kDegrees;
      degRadCaption_ = "Deg";
    }
    if (ErrorFlag) return;
    const Real v = parse(numberTextShown());
    ExponentEntry = false;
    display_ = generalText(convertToNextAngleUnit(v, from).value(), 15, DecimalChar);
  });
}

void CalcEngine::ButTrigTypeClick() {
  if (trigTypeCaption_ != "Trig") {
    trigCaptions_ = {"Sin", "Cos", "Tan", "aSin", "aCos", "aTan"};
    trigTypeCaption_ = "Trig";
  } else {
    trigCaptions_ = {"Sinh", "Cosh", "Tanh", "aSinh", "aCosh", "aTanh"};
    trigTypeCaption_ = "Hyp";
  }
}

// ---- Memory ---------------------------------------------------------------------

void CalcEngine::ButStoreClick() {
  LastEntryChar = ' ';
  if (!ErrorFlag) StorePending = true;
}

void CalcEngine::ButRecallClick() {
  LastEntryChar = ' ';
  if (!ErrorFlag) RecallPending = true;
}

void CalcEngine::selectMemory(int n) {
  if (StorePending) {
    const bool add = StoreAdd;
    const bool subtract = StoreSubtract;
    StorePending = StoreAdd = StoreSubtract = false;
    try {
      if (add || subtract) {
        const Ext held = parse(MemoryLoc[n]);
        const Ext shown = parse(numberTextShown());
        MemoryLoc[n] = memoryText((add ? held + shown : held - shown).value(), DecimalChar);
      } else {
        MemoryLoc[n] = numberTextShown().substr(0, kMemoryLength);
      }
    } catch (const Fault& fault) {
      host_.reportFault(fault.what());
    }
    // Storing ends the entry, as on a desk calculator: the next digit starts
    // a new number, while the stored one stays the operand. That holds in
    // exponent entry too, where a marker typed without digits is dropped.
    if (ExponentEntry) {
      display_ = numberTextShown();
      ExponentEntry = false;
    }
    EntryText = "0";
    freshEntry_ = true;
    return;
  }
  RecallPending = false;
  Real v = 0;
  try {
    v = parse(MemoryLoc[n]);
  } catch (const Fault& fault) {
    host_.reportFault(fault.what());
    return;
  }
  LastEntryChar = ' ';
  ExponentEntry = false;
  ShowValue(v);
  // Digits typed next extend the number shown, not the stored text.
  EntryText = display_.substr(0, kEntryLength);
  freshEntry_ = false;
  CurrentValue = v;
  EntryState = '1';
}

void CalcEngine::ClearMemButClick() {
  guarded([&] {
    LastEntryChar = ' ';
    if (host_.confirm(kClearMemoryQuestion)) MemoryLoc.fill("0");
  });
}

// ---- Tape -------------------------------------------------------------------------

void CalcEngine::clearTape() {
  tape_.clear();
  operatorLineLast_ = false;
}

void CalcEngine::appendTape5(std::string_view t1, std::string_view t2, std::string_view t3,
                             std::string_view t4, std::string_view t5) {
  tivorum::appendTape5(tape_, t1, t2, t3, t4, t5);
  operatorLineLast_ = false;
}

}  // namespace tivorum
