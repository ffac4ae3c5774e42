// A number pasted into the calculator's entry.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tivorum {

class CalcEngine;

// Types a pasted text into the entry character by character when it is a
// number (either point as the point key, its sign as "+/-" after it, its
// exponent through "E+" or "E-"). Any other text changes nothing; the
// result is then the conversion fault's message for the error reporter.
std::optional<std::string> pasteNumber(CalcEngine& engine, std::string_view text);

}  // namespace tivorum
