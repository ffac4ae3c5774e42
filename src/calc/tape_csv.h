// The tape as CSV (RFC 4180, UTF-8) for a spreadsheet: a header
// "text,amount,operator,note", then per line the line as shown, the number in
// it in plain C form, its operator and its note.
#pragma once

#include <string>
#include <string_view>

#include "calc/tape_content.h"

namespace tivorum {

inline constexpr std::string_view kCsvExtension = ".csv";

struct LineFigures {
  // The line's number: an optional "-", digits, "." and digits, and an
  // exponent "E" with its sign; no blanks or grouping. "" when it has none.
  std::string amount;
  // "+", "-", "x", "/", "=" or "%"; "" for any other line.
  std::string op;
};

// Reads the number a tape line shows, whichever decimal separator and
// grouping it was written with ("1,5", "=        1 234.50", "Cost ($): 80.00"):
// of several, the last ("1/4" is the reciprocal of 4).
LineFigures lineFigures(std::string_view line);

// A field, in double quotes (doubled inside) only when it holds a comma, a
// double quote or a line break.
std::string csvField(std::string_view text);

std::string tapeCsv(const TapeContent& tape);

}  // namespace tivorum
