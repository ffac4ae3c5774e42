// Any text into textToNumber: it either gives a finite number or raises the
// conversion fault naming the text, and every text the program writes for
// that number reads back as a number.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "calc/number.h"

using namespace tivorum;

namespace {

void fail(const char* what, std::string_view text) {
  std::fprintf(stderr, "%s: '%.*s'\n", what, static_cast<int>(text.size()), text.data());
  std::abort();
}

// Only a number within a rounding step of the largest one can be written as
// a text beyond the range (1.2E4932 at two digits).
void readsBack(const std::string& written, Real value, char decimalChar) {
  Real again = 0;
  if (tryTextToNumber(written, again, decimalChar) || fabsl(value) >= 1e4932L) return;
  fail("written text does not read back", written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the locale's decimal character.
  const char decimalChar = (data[0] & 1) ? ',' : '.';
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

  Real value = 0;
  const bool ok = tryTextToNumber(text, value, decimalChar);
  try {
    const Real thrown = textToNumber(text, decimalChar);
    if (!ok) fail("textToNumber took a text tryTextToNumber refused", text);
    if (!(thrown == value || (std::isnan(thrown) && std::isnan(value)))) {
      fail("the two conversions disagree", text);
    }
  } catch (const Fault& fault) {
    if (ok) fail("textToNumber refused a text tryTextToNumber took", text);
    if (fault.kind() != FaultKind::Conversion) fail("not a conversion fault", text);
    const std::string expected = "'" + std::string(text) + "' is not a valid floating point value";
    // (what() ends at a NUL byte, so compare only texts without one.)
    const bool hasNul = text.find('\0') != std::string_view::npos;
    if (!hasNul && fault.what() != expected)
      fail("conversion message does not name the text", text);
    return 0;
  }
  if (!std::isfinite(value)) fail("a number that is not finite", text);

  for (int precision = 1; precision <= 18; ++precision) {
    readsBack(generalText(value, precision, decimalChar), value, decimalChar);
    readsBack(fixedText(value, precision, precision % 5, decimalChar), value, decimalChar);
  }
  readsBack(engineText(value, kGeneralFormat, decimalChar), value, decimalChar);
  readsBack(engineText(value, kFinancialFormat, decimalChar), value, decimalChar);
  const std::string memory = memoryText(value, decimalChar);
  if (memory.size() != 23) fail("memory text is not 23 characters", memory);
  readsBack(memory, value, decimalChar);
  // As a double, the shortest text comes back as that very double.
  const double asDouble = static_cast<double>(value);
  if (std::isfinite(asDouble)) {
    const std::string shortest = roundTripText(asDouble, decimalChar);
    Real back = 0;
    if (!tryTextToNumber(shortest, back, decimalChar) || static_cast<double>(back) != asDouble)
      fail("shortest text does not read back as the same double", shortest);
  }
  // A field of any width takes some text of the number.
  const std::string full = generalText(value, 15);
  for (int width = 1; width <= 20; ++width) {
    const std::string shown = fieldText(value, full, width);
    if (static_cast<int>(shown.size()) > width) fail("field text longer than its field", shown);
  }
  return 0;
}
