// Random key sequences into the calculation engine: every key of the key
// table, the keyboard's digits, point and backspace, the memory locations
// with whatever a settings file may hold, and the modules' tape lines. After every
// key the display shows a number or "ERROR", and no key lets a fault escape.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>
#include <string_view>

#include "calc/engine.h"
#include "calc/keys.h"
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
class ShortTape : public MemoryTape {
 public:
  void append(const std::string& line) override {
    if (lines.size() > 4096) lines.erase(lines.begin(), lines.begin() + 2048);
    MemoryTape::append(line);
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

// Every key of the key table, then what the table does not hold.
void pressKey(CalcEngine& e, Input& input, uint8_t key) {
  const size_t keys = keyTable().size();
  if (key % (keys + 9) < keys) {
    e.press(keyTable()[key % (keys + 9)].key);
    return;
  }
  switch (key % (keys + 9) - keys) {
    case 0:
      e.typeDigit(static_cast<char>('0' + input.upTo(10)));
      break;
    case 1:
      e.typePoint();
      break;
    case 2:
      e.backspace();
      break;
    case 3:
      e.setResultFormat();
      break;  // "=" in help mode
    case 4:
      e.appendTape5(input.text(), "", "x");
      break;
    case 5:  // a memory location as an edited settings file may hold it
      e.setMemoryLoc(input.upTo(10), input.text());
      break;
    case 6:
      e.firstActivation(input.flag() ? kFinancialFormat : kGeneralFormat);
      break;
    case 7:
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
    if (engine.ErrorFlag() && engine.display() != "ERROR") {
      fail("the error state shows a number", engine.display());
    }
  }
  return 0;
}
