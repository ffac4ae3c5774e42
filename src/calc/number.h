// The number core: checked extended arithmetic, text to number and the
// number texts every window writes. Window-free.
#pragma once

#include <compare>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tivorum {

// x87 80-bit extended: 64-bit mantissa, 15-bit exponent.
using Real = long double;

// The digits 0 to 9 only, whatever the locale or script: a number's text is
// written with these. Takes a char, a UTF-16 unit or a code point.
constexpr bool isDigit(char32_t c) {
  return c >= U'0' && c <= U'9';
}

enum class FaultKind { InvalidOperation, DivisionByZero, Overflow, Conversion };

// A failed operation. Its message is what the error box shows (before the
// error reporter adds its full stop).
class Fault : public std::runtime_error {
 public:
  Fault(FaultKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}
  FaultKind kind() const { return kind_; }

 private:
  FaultKind kind_;
};

// The message of one of the three floating-point faults.
std::string faultMessage(FaultKind kind);
[[noreturn]] void raiseFault(FaultKind kind);
// "'<text>' is not a valid floating point value"
[[noreturn]] void raiseConversionFault(std::string_view text);

// What the error box shows for a fault's message: a "." is appended when the
// last character sorts after ".".
std::string errorReportText(std::string_view message);

// Checks a raw result: NaN is an invalid operation, an infinity an overflow.
Real checkedResult(Real r);

// A checked extended number. Every operation raises the fault the hardware
// would raise with invalid operation, division by zero and overflow unmasked,
// at the first operation that goes wrong. Values are always finite.
class Ext {
 public:
  constexpr Ext() = default;
  constexpr Ext(Real v) : v_(v) {}  // NOLINT: implicit so formulas read naturally
  constexpr Ext(int v) : v_(v) {}   // NOLINT
  constexpr Real value() const { return v_; }

  friend Ext operator+(Ext a, Ext b) { return Ext(checkedResult(a.v_ + b.v_)); }
  friend Ext operator-(Ext a, Ext b) { return Ext(checkedResult(a.v_ - b.v_)); }
  friend Ext operator*(Ext a, Ext b) { return Ext(checkedResult(a.v_ * b.v_)); }
  friend Ext operator/(Ext a, Ext b);
  friend constexpr Ext operator-(Ext a) { return Ext(-a.v_); }
  Ext& operator+=(Ext b) { return *this = *this + b; }
  Ext& operator-=(Ext b) { return *this = *this - b; }
  Ext& operator*=(Ext b) { return *this = *this * b; }
  Ext& operator/=(Ext b) { return *this = *this / b; }

  friend constexpr bool operator==(Ext a, Ext b) { return a.v_ == b.v_; }
  friend constexpr auto operator<=>(Ext a, Ext b) { return a.v_ <=> b.v_; }

 private:
  Real v_ = 0;
};

// Checked functions. Logarithms of 0 divide by zero; of negatives, and square
// roots of negatives, are invalid operations.
Ext Sqrt(Ext x);
Ext Ln(Ext x);
Ext Exp(Ext x);
Ext Sin(Ext x);  // radians
Ext Cos(Ext x);
Ext ArcTan(Ext x);
Ext Abs(Ext x);
Ext Trunc(Ext x);  // towards zero
Ext Frac(Ext x);   // x - Trunc(x), keeps the sign of x
bool IsWhole(Ext x);

// b to the power e, shared by the engine's power and root keys and the
// modules. b > 0: exp(e ln b). b = 0: 1 for e = 0, a division by zero for
// e < 0, else 0. b < 0: 1 for e = 0; for whole e, |b|^e with the sign of
// (-1)^e; for other e an invalid operation.
Ext Power(Ext b, Ext e);

// Compound growth over n periods at the rate i per period: (1 + i)^n and
// (1 + i)^n - 1. For i > -1 they go through log1p and exp/expm1, so a rate
// too small to change 1 + i still counts; otherwise they are Power(1 + i, n)
// with its faults. Overflow is the overflow fault.
Ext Growth(Ext i, Ext n);
Ext GrowthMinusOne(Ext i, Ext n);

// Constants at extended precision.
inline constexpr Real kPi = 3.14159265358979323851L;
inline constexpr Real kHalfPi = 1.57079632679489661926L;
inline constexpr Real kOneOver180 = 0.00555555555555555556L;
inline constexpr Real kOneOverPi = 0.318309886183790671538L;
inline constexpr Real kPiOver180 = 0.0174532925199432957691L;
inline constexpr Real kTwoPi = 6.28318530717958647693L;
inline constexpr Real kOneOverTwoPi = 0.159154943091895335769L;
inline constexpr Real kOneOverFourPi = 0.0795774715459476678845L;

// ---- Text to number -------------------------------------------------------
// Optional blanks, optional sign, digits with at most one decimal separator
// (at least one digit or the separator), optional exponent ("E"/"e", optional
// sign, digits), optional blanks. Anything else, and a value beyond the
// extended range, raises the conversion fault naming the whole text.
Real textToNumber(std::string_view text, char decimalChar = '.');
// Same grammar, without raising: false when the text is not a number.
bool tryTextToNumber(std::string_view text, Real& out, char decimalChar = '.');

// Memory texts and currency factors hold no grouping, so a file written under
// either locale reads: a "," in the text is its point, else a "." is.
Real textToNumberEitherPoint(std::string_view text);

// The text with `point` and "." trading places ("," and "." for a comma
// locale; the text itself when `point` is "."). Applied twice it gives the
// text back: the fields hand the solvers "." texts through it and show the
// solvers' texts through it again.
std::string tradePoint(std::string_view text, char point);

// ---- Number to text -------------------------------------------------------
// Digits come from an 18-digit decimal expansion of the value, then are
// rounded half up to the precision asked for.

// General format, precision 1..18: fixed notation for decimal exponents
// -3..precision, else "d.dddE-x" (no "+", no leading zeros). Zero is "0".
std::string generalText(Real v, int precision, char decimalChar = '.');
// Fixed format: at most `precision` significant digits and `decimals`
// decimals; more than `precision` integer digits falls back to generalText.
std::string fixedText(Real v, int precision, int decimals, char decimalChar = '.');

// The shortest text, at most 17 significant digits, that reads back through
// textToNumber and a rounding to double as v itself; laid out as the general
// format with 15 digits lays out its digits.
std::string roundTripText(double v, char decimalChar = '.');

// The engine's display formats: "%g" is general(15); "%15.2f" is fixed with
// two decimals right-aligned in 15 characters (18 digits at most). Any other
// format string is taken as "%g".
inline constexpr std::string_view kGeneralFormat = "%g";
inline constexpr std::string_view kFinancialFormat = "%15.2f";
std::string engineText(Real v, std::string_view format, char decimalChar = '.');

// The memory's 23-character scientific form: " 8.00000000000000E+0000".
std::string memoryText(Real v, char decimalChar = '.');

// ---- Writing a result into a field ---------------------------------------
// The text a field of `maxLength` characters (0: no limit) shows for a result
// `value` whose full text is `text`. A text that fits is kept. A longer one is
// cut to its leading characters when the cut only drops decimals; when it
// would drop integer digits or an exponent, the value is written in the
// general format with the largest precision that fits.
std::string fieldText(Real value, std::string_view text, int maxLength);

}  // namespace tivorum
