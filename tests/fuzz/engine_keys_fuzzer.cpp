// Random key sequences into the calculation engine: every key of the keypad,
// the keyboard's digits, point and backspace, the mode keys, the memory keys
// with whatever a settings file may hold, and the tape's clear. After every
// key the display shows a number or "ERROR", and no key lets a fault escape.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "calc/engine.h"
#include "calc/number.h"

using namespace tivorum;

namespace {

void fail(const char* what, std::string_view detail) {
  std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(detail.size()), detail.data());
  std::abort();
}

// The input read front to back: one byte a key, the bytes a key needs
// (a digit, a location, a text) right after it.
class Input {
 public:
  Input(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  bool empty() const { return pos_ >= size_; }
  uint8_t byte() { return empty() ? 0 : data_[pos_++]; }
  bool flag() { return byte() & 1; }
  int upTo(int count) { return byte() % count; }
  std::string text() {
    std::string out;
    for (int n = upTo(32); n > 0 && !empty(); --n) out += static_cast<char>(byte());
    return out;
  }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

class Host : public EngineHost {
 public:
  explicit Host(Input& input) : input_(input) {}
  void showErrorBox(std::string_view, std::string_view) override {}
  bool confirm(std::string_view) override { return input_.flag(); }
  void reportFault(std::string_view message) override {
    if (message.empty()) fail("a fault without a message", message);
  }

 private:
  Input& input_;
};

// The window's tape, kept short: only the last lines matter to the engine.
class ShortTape : public TapeLines {
 public:
  void append(const std::string& line) override {
    if (lines.size() > 4096) lines.erase(lines.begin(), lines.begin() + 2048);
    TapeLines::append(line);
  }
};

// "ERROR", or a number text in the engine's decimal character. An exponent
// being typed shows its marker until its first digit ("5E+"), which still
// reads as a number: the reader takes an exponent marker without digits.
bool isNumberOrError(const std::string& display, char decimalChar) {
  if (display == "ERROR") return true;
  Real v = 0;
  return tryTextToNumber(display, v, decimalChar);
}

void pressKey(CalcEngine& e, Input& input, uint8_t key) {
  switch (key % 56) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
      e.But0Click(static_cast<char>('0' + key % 56));
      break;
    case 10:
      e.typeDigit(static_cast<char>('0' + input.upTo(10)));
      break;
    case 11:
      e.ButDotClick();
      break;
    case 12:
      e.typePoint();
      break;
    case 13:
      e.backspace();
      break;
    case 14:
      e.ButPlusMinusClick();
      break;
    case 15:
      e.ButPlusClick();
      break;
    case 16:
      e.ButMinusClick();
      break;
    case 17:
      e.ButMultiplyClick();
      break;
    case 18:
      e.ButDivideClick();
      break;
    case 19:
      e.ButPercentClick();
      break;
    case 20:
      e.ButtonEnteClick();
      break;
    case 21:
      e.setResultFormat();
      break;  // "=" in help mode
    case 22:
      e.ButClearClick();
      break;
    case 23:
      e.PlacesButClick();
      break;
    case 24:
      e.ButOneOverXClick();
      break;
    case 25:
      e.ButSquareClick();
      break;
    case 26:
      e.ButSquareRootClick();
      break;
    case 27:
      e.ButLnClick();
      break;
    case 28:
      e.ButLogClick();
      break;
    case 29:
      e.ButSinClick();
      break;
    case 30:
      e.ButCosClick();
      break;
    case 31:
      e.ButTanClick();
      break;
    case 32:
      e.ButarcSinClick();
      break;
    case 33:
      e.ButArcCosClick();
      break;
    case 34:
      e.ButArcTanClick();
      break;
    case 35:
      e.ButAbsoluteClick();
      break;
    case 36:
      e.ButFactorialClick();
      break;
    case 37:
      e.ButXtoYClick();
      break;
    case 38:
      e.ButRootClick();
      break;
    case 39:
      e.ButHypotClick();
      break;
    case 40:
      e.ButPermClick();
      break;
    case 41:
      e.ButCombClick();
      break;
    case 42:
      e.ButPiClick();
      break;
    case 43:
      e.EPlusButClick();
      break;
    case 44:
      e.EMinusButClick();
      break;
    case 45:
      e.ButDegRadClick();
      break;
    case 46:
      e.ButTrigTypeClick();
      break;
    case 47:
      e.ButStoreClick();
      break;
    case 48:
      e.ButRecallClick();
      break;
    case 49:
      e.ClearMemButClick();
      break;
    case 50:
      e.clearTape();
      break;
    case 51:
      e.appendTape5(input.text(), "", "x");
      break;
    case 52:  // a memory location as an edited settings file may hold it
      e.setMemoryLoc(input.upTo(10), input.text());
      break;
    case 53:
      e.firstActivation(input.flag() ? kFinancialFormat : kGeneralFormat);
      break;
    case 54:
      e.setMemoryLoc(input.upTo(10), " 9.99999999999999E+4931");
      break;
    default:  // a long run of one digit, to reach the entry's length limit
      for (int i = 0; i < 90; ++i) e.But0Click('9');
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Input input(data, size);
  const char decimalChar = input.flag() ? ',' : '.';
  ShortTape tape;
  Host host(input);
  CalcEngine engine(tape, host);
  engine.startUp(decimalChar);
  engine.firstActivation(kGeneralFormat);
  while (!input.empty()) {
    const uint8_t key = input.byte();
    try {
      pressKey(engine, input, key);
    } catch (const std::exception& e) {
      fail("a key let a fault escape", e.what());
    }
    if (!isNumberOrError(engine.display(), decimalChar)) {
      fail("the display is neither a number nor ERROR", engine.display());
    }
    // Digits are ignored only while the display says so.
    if (engine.ErrorFlag && engine.display() != "ERROR") {
      fail("the error state shows a number", engine.display());
    }
  }
  return 0;
}
