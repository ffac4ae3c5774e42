// What a financial module's solve tells its window to do: field texts to
// write (in order), spin values to change, and whether it stopped with a
// message in an "ERROR!" box. Floating-point and conversion faults are thrown;
// everything recorded before the throw still has to reach the window.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/number.h"

namespace tivorum {

inline constexpr std::string_view kModuleErrorCaption = "ERROR!";

struct FieldWrite {
  std::string control;
  std::string text;
};

struct SpinWrite {
  std::string control;
  int value;
};

struct ModuleSolve {
  std::vector<FieldWrite> writes;
  std::vector<SpinWrite> spins;
  std::string message;  // not empty: shown in an "ERROR!" box, the solve ended there

  bool stopped() const { return !message.empty(); }
  // The last text written into `control`, if any.
  std::optional<std::string> written(std::string_view control) const;

  // Writes `text`, the full result text of `value`, fitted to the field, and
  // returns what the field shows.
  std::string write(std::string_view control, Real value, std::string_view text, int maxLength);
};

// The modules treat an empty field and one holding exactly "0" as not filled
// in ("0.0" is filled).
inline bool isFilled(std::string_view text) {
  return !text.empty() && text != "0";
}

// The amounts' result text, fixed(10,2).
inline std::string amountText(Real v) {
  return fixedText(v, 10, 2);
}

// A field the solve may leave empty: empty reads as 0.
inline Ext readIfPresent(const std::string& text) {
  return text.empty() ? Ext(0) : Ext(textToNumber(text));
}

// A caption and what follows it on one tape line.
inline std::string join(std::string_view a, std::string_view b) {
  return std::string(a) + " " + std::string(b);
}

}  // namespace tivorum
