// A number pasted into the calculator, read as a whole: window-free, so that
// every form a statement, spreadsheet or web page gives a number in can be
// tested.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/number.h"

namespace tivorum {

// Longer texts (after trimming) are refused without being read.
inline constexpr size_t kPasteLimit = 1000;
// How much of a refused text the message quotes.
inline constexpr size_t kPasteQuoted = 40;

// The number a pasted text holds, or why it holds none.
struct PastedNumber {
  std::optional<Real> value;
  std::string refusal;  // the message for the error reporter when there is no value
};

// Reads `text` (UTF-16, as the clipboard holds it) as one number. Blanks, tabs, no-break and narrow
// no-break spaces and line ends around it are dropped; a leading sign and an
// exponent ("e"/"E", an optional sign, digits) are understood.
// `decimalChar` ("." or ",") is the point; the other of the two, or a blank,
// separates thousands when every group after the first has exactly three
// digits ("1,234,567.5" with "."; "1.234,5" and "1 234,5" with ","). Anything
// ambiguous or malformed is refused with the conversion message, quoting at
// most kPasteQuoted characters of the text on one line, in UTF-8.
PastedNumber readPastedNumber(std::u16string_view text, char decimalChar);

}  // namespace tivorum
