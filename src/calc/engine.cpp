#include "calc/engine.h"

#include <algorithm>
#include <exception>

#include "calc/scientific.h"

namespace tivorum {

namespace {

constexpr size_t kEntryLength = 80;
constexpr size_t kShortText = 255;
constexpr const char* kErrorText = "ERROR";

bool hasExponent(std::string_view text) {
  return text.find_first_of("Ee") != std::string_view::npos;
}

bool endsWithExponentMarker(std::string_view text) {
  return text.size() >= 2 && text[text.size() - 2] == 'E' &&
         (text.back() == '+' || text.back() == '-');
}

}  // namespace

CalcEngine::CalcEngine(Tape& tape, EngineHost& host) : tape_(tape), host_(host) {
  memoryLoc_.fill("0");
}

const std::string& CalcEngine::degRadCaption() const {
  static const std::string kCaptions[] = {"Deg", "Rad", "Gra"};
  return kCaptions[static_cast<size_t>(angleMode_)];
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
  errorFlag_ = true;
  exponentEntry_ = false;
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
  return textToNumber(text, decimalChar_);
}

// The display as a number text: an exponent marker typed without digits yet
// is not part of the number.
std::string CalcEngine::numberTextShown() const {
  if (endsWithExponentMarker(display_)) return display_.substr(0, display_.size() - 2);
  return display_;
}

// The entry as typed, without the "0" a fresh entry starts from.
std::string CalcEngine::typedText() const {
  if (freshEntry_ && entryText_.size() > 1 && entryText_[0] == '0') return entryText_.substr(1);
  return entryText_;
}

void CalcEngine::endExponentEntry() {
  if (!exponentEntry_) return;
  const std::string text = numberTextShown();
  exponentEntry_ = false;
  Real v = 0;
  if (tryTextToNumber(text, v, decimalChar_))
    display_ = engineText(v, displayFormat_, decimalChar_);
}

// ---- Start-up ---------------------------------------------------------------

void CalcEngine::startUp(char decimalChar) {
  guarded([&] {
    decimalChar_ = decimalChar;
    ready_ = false;
    justCleared_ = true;
    allClear();
    ready_ = true;
    justCleared_ = false;
  });
}

void CalcEngine::firstActivation(std::string_view storedPlaceFormat) {
  resultLines_ = true;
  storePending_ = recallPending_ = storeAdd_ = storeSubtract_ = false;
  memoryLoc_.fill("0");
  const bool financial = storedPlaceFormat == kFinancialFormat;
  placeFormat_ = financial ? kFinancialFormat : kGeneralFormat;
  placesCaption_ = financial ? "Fin" : "Sci";
  displayFormat_ = kGeneralFormat;
}

void CalcEngine::setMemoryLoc(int index, std::string_view text) {
  if (index < 0 || index >= kMemoryCount) return;
  memoryLoc_[index] = std::string(text.substr(0, kMemoryLength));
}

void CalcEngine::PlacesButClick() {
  if (placesCaption_ != "Sci") {
    placesCaption_ = "Sci";
    placeFormat_ = kGeneralFormat;
  } else {
    placesCaption_ = "Fin";
    placeFormat_ = kFinancialFormat;
  }
}

// ---- Display and entry ------------------------------------------------------

void CalcEngine::ShowValue(Real v) {
  try {
    if (exponentEntry_ && lastEntryChar_ != ' ') {
      display_ = entryText_;  // the exponent as typed
    } else if (lastEntryChar_ == '0' || lastEntryChar_ == decimalChar_) {
      // A trailing zero or point would vanish when formatted.
      display_ = typedText();
    } else {
      display_ = engineText(v, displayFormat_, decimalChar_);
    }
  } catch (const std::exception&) {
    setError();
  }
}

void CalcEngine::EnterDigit(char c) {
  if (errorFlag_) return;
  lastEntryChar_ = c;
  const bool digit = isDigit(c);
  if (storePending_ || recallPending_) {
    selectMemory(digit ? c - '0' : 0);
    return;
  }
  try {
    Real v = 0;
    if (!exponentEntry_) {
      const size_t limit = freshEntry_ ? kEntryLength + 1 : kEntryLength;
      if (entryText_.size() < limit) entryText_ += c;
      v = parse(entryText_);
    } else {
      if (!digit) return;
      entryText_ = (display_ + c).substr(0, kEntryLength);
      freshEntry_ = false;
      v = parse(entryText_);
    }
    ShowValue(v);
    currentValue_ = v;
    entryState_ = EntryState::OperandEntered;
  } catch (const Fault&) {
    setError();  // an exponent beyond the extended range
  }
}

void CalcEngine::digitKey(char c, bool button) {
  guarded([&] {
    if (errorFlag_ || !(isDigit(c) || c == decimalChar_)) return;
    EnterDigit(c);
    entryMade_ = true;
    if (button) justCleared_ = false;
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
  const bool memoryKey = storePending_ || recallPending_;
  if (!memoryKey && (exponentEntry_ || entryText_.find(decimalChar_) != std::string::npos ||
                     hasExponent(entryText_))) {
    return;
  }
  digitKey(decimalChar_, button);
}

void CalcEngine::ButDotClick() {
  pointKey(true);
}
void CalcEngine::typePoint() {
  pointKey(false);
}

void CalcEngine::backspace() {
  guarded([&] {
    if (errorFlag_) return;
    lastEntryChar_ = ' ';
    if (exponentEntry_) {
      if (endsWithExponentMarker(display_)) {
        // Back to the number before the marker; an entry that had exponent
        // digits (now all removed) becomes that number.
        const bool typedExponent = entryText_ == display_;
        display_.resize(display_.size() - 2);
        if (typedExponent) entryText_ = display_;
        exponentEntry_ = false;
        return;
      }
      display_.pop_back();
      entryText_ = display_;
      freshEntry_ = false;
      currentValue_ = parse(numberTextShown());
      return;
    }
    if (entryText_.size() > 1) {
      entryText_.pop_back();
      // Drop what no longer makes a number: a lone sign, a bare exponent.
      Real v = 0;
      while (!entryText_.empty() && !tryTextToNumber(entryText_, v, decimalChar_)) {
        entryText_.pop_back();
      }
      if (entryText_.empty()) {
        entryText_ = "0";
        freshEntry_ = true;
        v = 0;
      }
      currentValue_ = v;
    } else {
      currentValue_ = 0;
      if (!freshEntry_) {
        entryText_ = "0";
        freshEntry_ = true;
      }
    }
    ShowValue(currentValue_);
  });
}

void CalcEngine::ButPlusMinusClick() {
  guarded([&] {
    if (errorFlag_) return;
    lastEntryChar_ = ' ';
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
    entryText_ = negated;
    freshEntry_ = false;
    ShowValue(v);
    currentValue_ = v;
    entryState_ = EntryState::OperandEntered;
    writeLine("= " + display_);
  });
}

// ---- Operators and completion -----------------------------------------------

void CalcEngine::CompletePending() {
  lastEntryChar_ = ' ';
  endExponentEntry();
  if (errorFlag_ || entryState_ != EntryState::OperandEntered) return;
  try {
    const Ext a = accumulator_;
    const Ext x = currentValue_;
    const Ext p = percentBase_;
    const Ext f = percentFraction_;
    const bool percentPending = f != Ext(0);
    auto arithmetic = [&](Ext result) {
      accumulator_ = result.value();
      ShowValue(accumulator_);
      percentBase_ = accumulator_;
      percentFraction_ = 0;
    };
    auto function = [&](Ext result) {
      accumulator_ = result.value();
      ShowValue(accumulator_);
    };
    switch (pendingOp_) {
      case PendingOp::Plus:
        arithmetic(percentPending ? p * f + p : a + x);
        break;
      case PendingOp::Minus:
        arithmetic(percentPending ? p - p * f : a - x);
        break;
      case PendingOp::Multiply:
        arithmetic(percentPending ? f * x : a * x);
        break;
      case PendingOp::Divide:
        arithmetic(percentPending ? p / f : a / x);
        break;
      case PendingOp::XtoY:
        function(Power(a, x));
        break;
      case PendingOp::Root:
        function(rootOf(a, x));
        break;
      case PendingOp::Hypot:
        function(hypotenuse(a, x));
        break;
      case PendingOp::Perm:
      case PendingOp::Comb:
        if (!IsWhole(a) || !IsWhole(x)) {
          writeLine(pendingOp_ == PendingOp::Perm
                        ? "ERROR - Permutations possible on whole numbers only!"
                        : "ERROR - Combinations possible on whole numbers only!");
          resultLines_ = false;
          entryText_ = "0";
          freshEntry_ = true;
          return;
        }
        function(pendingOp_ == PendingOp::Perm ? permutations(a, x) : combinations(a, x));
        break;
      default:  // "=": the entry starts a new calculation
        accumulator_ = currentValue_;
        percentBase_ = accumulator_;
        break;
    }
    entryText_ = "0";
    freshEntry_ = true;
    currentValue_ = 0;
  } catch (const FactorialDomainError&) {
    setError();
    writeLine(kErrorText);
    entryMade_ = false;
  } catch (const Fault&) {
    setError();
  }
}

// The four operators and the binary scientific keys. Only "+" and "-" mark
// a pending store, and only the four operators mind PercentDone.
void CalcEngine::binaryKey(PendingOp op, const char* line) {
  guarded([&] {
    lastEntryChar_ = ' ';
    const bool plusOrMinus = op == PendingOp::Plus || op == PendingOp::Minus;
    const bool arithmetic = plusOrMinus || op == PendingOp::Multiply || op == PendingOp::Divide;
    if (storePending_ && plusOrMinus) {
      // The last of the two wins, so a later plain store is never an add.
      storeAdd_ = op == PendingOp::Plus;
      storeSubtract_ = op == PendingOp::Minus;
      return;
    }
    operandText_ = numberTextShown().substr(0, kShortText);
    CompletePending();
    // A refused count suppresses only the result line of an "=" that ran it.
    resultLines_ = true;
    entryState_ = EntryState::NewNumber;
    pendingOp_ = op;
    if (entryMade_) {
      if (!(arithmetic && percentDone_)) writeLine(operandText_);
      writeOperatorLine(line);
    }
    entryMade_ = false;
    if (arithmetic) percentDone_ = false;
  });
}

void CalcEngine::ButPlusClick() {
  binaryKey(PendingOp::Plus, "+");
}
void CalcEngine::ButMinusClick() {
  binaryKey(PendingOp::Minus, "-");
}
void CalcEngine::ButMultiplyClick() {
  binaryKey(PendingOp::Multiply, "x");
}
void CalcEngine::ButDivideClick() {
  binaryKey(PendingOp::Divide, "/");
}
void CalcEngine::ButXtoYClick() {
  binaryKey(PendingOp::XtoY, "x^y");
}
void CalcEngine::ButRootClick() {
  binaryKey(PendingOp::Root, "yth root of x");
}
void CalcEngine::ButHypotClick() {
  binaryKey(PendingOp::Hypot, "hypoteneuse of x/y");
}
void CalcEngine::ButPermClick() {
  binaryKey(PendingOp::Perm, "Permutations of x/y");
}
void CalcEngine::ButCombClick() {
  binaryKey(PendingOp::Comb, "Combinations of x/y");
}

void CalcEngine::setResultFormat() {
  displayFormat_ = placeFormat_ == kFinancialFormat ? kFinancialFormat : kGeneralFormat;
}

void CalcEngine::ButtonEnteClick() {
  guarded([&] {
    setResultFormat();
    if (!entryMade_) {
      // Take back an operator that no number followed.
      if (operatorLineLast_) {
        tape_.removeLast();
        operatorLineLast_ = false;
      }
    } else if (!percentDone_) {
      writeLine(numberTextShown());
    }
    CompletePending();
    currentValue_ = 0;
    entryText_ = "0";
    freshEntry_ = true;
    entryState_ = EntryState::NewNumber;
    pendingOp_ = PendingOp::None;
    if (resultLines_) writeLine("= " + display_);
    entryMade_ = true;
    resultLines_ = true;
    displayFormat_ = kGeneralFormat;
    percentFraction_ = 0;
    percentDone_ = false;
  });
}

// ---- Clear --------------------------------------------------------------------

void CalcEngine::clearEntry() {
  exponentEntry_ = false;
  justCleared_ = true;
  entryText_ = "0";
  freshEntry_ = true;
  currentValue_ = 0;
  display_ = "0";
  entryState_ = EntryState::OperandEntered;
  // The percentage was part of the entry being cleared.
  percentFraction_ = 0;
  percentDone_ = false;
  writeLine("Clear Entry");
}

void CalcEngine::allClear() {
  accumulator_ = 0;
  currentValue_ = 0;
  pendingOp_ = PendingOp::None;
  entryText_ = "0";
  freshEntry_ = true;
  display_ = "0";
  errorFlag_ = false;
  entryState_ = EntryState::NewNumber;
  // Nothing of the cleared calculation may reach the next one.
  exponentEntry_ = false;
  percentBase_ = 0;
  percentFraction_ = 0;
  percentDone_ = false;
  if (ready_) writeLine("All Clear");
}

void CalcEngine::ButClearClick() {
  guarded([&] {
    lastEntryChar_ = ' ';
    if (!justCleared_ && !errorFlag_ && ready_) {
      clearEntry();
    } else if (justCleared_ || errorFlag_) {
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
    percentFraction_ = (Ext(v) * Ext(0.01L)).value();
    percentBase_ = accumulator_;
    currentValue_ = v;
    ShowValue(v);
    accumulator_ = percentBase_;
    if (entryMade_) {
      display_ = generalText(percentFraction_, 15, decimalChar_);
      writeLine(display_ + "%");
      percentDone_ = true;
      entryText_ = "0";
      freshEntry_ = true;
    }
  } catch (const Fault&) {
    setError();
    writeLine(kErrorText);
    entryMade_ = false;
  }
}

void CalcEngine::ApplyFunction(FunctionCode code) {
  lastEntryChar_ = ' ';
  if (code == FunctionCode::Percent) {
    percent();
    return;
  }
  operandText_ = numberTextShown().substr(0, kShortText);
  endExponentEntry();
  try {
    const Ext v = parse(operandText_);
    if (code == FunctionCode::Reciprocal && v == Ext(0)) {
      host_.showErrorBox(kReciprocalOfZeroCaption, kReciprocalOfZeroText);
      return;
    }
    const Ext result = unaryResult(code, v, angleMode_);
    // The result is the operand the next operator or "=" completes with.
    currentValue_ = result.value();
    entryState_ = EntryState::OperandEntered;
    entryText_ = "0";
    freshEntry_ = true;
    ShowValue(currentValue_);
    writeLine(unaryTapeLine(code, operandText_));
    writeLine("= " + display_);
    entryMade_ = true;
  } catch (const Fault&) {
    setError();
    writeLine(kErrorText);
    entryMade_ = false;
  }
}

void CalcEngine::ButOneOverXClick() {
  guarded([&] {
    ApplyFunction(FunctionCode::Reciprocal);
    entryMade_ = true;
  });
}

void CalcEngine::ButSquareClick() {
  guarded([&] { ApplyFunction(FunctionCode::Square); });
}
void CalcEngine::ButSquareRootClick() {
  guarded([&] { ApplyFunction(FunctionCode::SquareRoot); });
}
void CalcEngine::ButLnClick() {
  guarded([&] { ApplyFunction(FunctionCode::Ln); });
}
void CalcEngine::ButLogClick() {
  guarded([&] { ApplyFunction(FunctionCode::Log); });
}
void CalcEngine::ButAbsoluteClick() {
  guarded([&] { ApplyFunction(FunctionCode::Absolute); });
}
void CalcEngine::ButFactorialClick() {
  guarded([&] { ApplyFunction(FunctionCode::Factorial); });
}
void CalcEngine::ButPercentClick() {
  guarded([&] { ApplyFunction(FunctionCode::Percent); });
}

// Each key decides by its own caption whether it is the trigonometric or
// the hyperbolic function.
void CalcEngine::trigKey(TrigKey key, FunctionCode trigCode, FunctionCode hyperbolicCode) {
  static constexpr const char* kTrigCaptions[] = {"Sin", "Cos", "Tan", "aSin", "aCos", "aTan"};
  const size_t i = static_cast<size_t>(key);
  guarded([&] { ApplyFunction(trigCaptions_[i] == kTrigCaptions[i] ? trigCode : hyperbolicCode); });
}

void CalcEngine::ButSinClick() {
  trigKey(TrigKey::Sin, FunctionCode::Sin, FunctionCode::Sinh);
}
void CalcEngine::ButCosClick() {
  trigKey(TrigKey::Cos, FunctionCode::Cos, FunctionCode::Cosh);
}
void CalcEngine::ButTanClick() {
  trigKey(TrigKey::Tan, FunctionCode::Tan, FunctionCode::Tanh);
}
void CalcEngine::ButarcSinClick() {
  trigKey(TrigKey::ArcSin, FunctionCode::ArcSin, FunctionCode::ArcSinh);
}
void CalcEngine::ButArcCosClick() {
  trigKey(TrigKey::ArcCos, FunctionCode::ArcCos, FunctionCode::ArcCosh);
}
void CalcEngine::ButArcTanClick() {
  trigKey(TrigKey::ArcTan, FunctionCode::ArcTan, FunctionCode::ArcTanh);
}

// ---- Other scientific keys ------------------------------------------------------

void CalcEngine::ButPiClick() {
  guarded([&] {
    if (errorFlag_) return;
    lastEntryChar_ = ' ';
    exponentEntry_ = false;
    currentValue_ = kPi;
    ShowValue(kPi);
    entryState_ = EntryState::OperandEntered;
    entryMade_ = true;
    entryText_ = "0";
    freshEntry_ = true;
  });
}

void CalcEngine::exponentKey(const char* marker) {
  guarded([&] {
    lastEntryChar_ = ' ';
    // A display that already has an exponent cannot take a second one.
    if (placesCaption_ != "Sci" || exponentEntry_ || errorFlag_ || hasExponent(display_)) return;
    exponentEntry_ = true;
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
    lastEntryChar_ = ' ';
    const AngleMode from = angleMode_;
    angleMode_ = nextAngleMode(from);
    if (errorFlag_) return;
    const Real v = parse(numberTextShown());
    exponentEntry_ = false;
    display_ = generalText(convertToNextAngleUnit(v, from).value(), 15, decimalChar_);
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
  lastEntryChar_ = ' ';
  if (!errorFlag_) storePending_ = true;
}

void CalcEngine::ButRecallClick() {
  lastEntryChar_ = ' ';
  if (!errorFlag_) recallPending_ = true;
}

void CalcEngine::selectMemory(int n) {
  if (storePending_) {
    const bool add = storeAdd_;
    const bool subtract = storeSubtract_;
    storePending_ = storeAdd_ = storeSubtract_ = false;
    try {
      if (add || subtract) {
        const Ext held = textToNumberEitherPoint(memoryLoc_[n]);
        const Ext shown = parse(numberTextShown());
        memoryLoc_[n] = memoryText((add ? held + shown : held - shown).value(), decimalChar_);
      } else {
        memoryLoc_[n] = numberTextShown().substr(0, kMemoryLength);
      }
      storedLocations_ |= 1u << n;
    } catch (const Fault& fault) {
      host_.reportFault(fault.what());
    }
    // Storing ends the entry, as on a desk calculator: the next digit starts
    // a new number, while the stored one stays the operand. That holds in
    // exponent entry too, where a marker typed without digits is dropped.
    if (exponentEntry_) {
      display_ = numberTextShown();
      exponentEntry_ = false;
    }
    entryText_ = "0";
    freshEntry_ = true;
    return;
  }
  recallPending_ = false;
  try {
    enterOperand(textToNumberEitherPoint(memoryLoc_[n]));
  } catch (const Fault& fault) {
    host_.reportFault(fault.what());
  }
}

void CalcEngine::enterOperand(Real value) {
  if (errorFlag_) return;
  storePending_ = recallPending_ = storeAdd_ = storeSubtract_ = false;
  lastEntryChar_ = ' ';
  exponentEntry_ = false;
  ShowValue(value);
  // Digits typed next extend the number shown, not the text it came from.
  entryText_ = display_.substr(0, kEntryLength);
  freshEntry_ = false;
  currentValue_ = value;
  entryState_ = EntryState::OperandEntered;
  entryMade_ = true;
}

unsigned CalcEngine::takeStoredLocations() {
  const unsigned stored = storedLocations_;
  storedLocations_ = 0;
  return stored;
}

void CalcEngine::ClearMemButClick() {
  guarded([&] {
    lastEntryChar_ = ' ';
    if (host_.confirm(kClearMemoryQuestion)) {
      memoryLoc_.fill("0");
      storedLocations_ = (1u << kMemoryCount) - 1;
    }
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
