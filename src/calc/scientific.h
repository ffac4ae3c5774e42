// The calculator's scientific functions: the unary keys by function code, the
// binary keys (root, hypotenuse, permutations, combinations) and their tape
// lines. Pure and window-free; every failure is a Fault.
#pragma once

#include <string>
#include <string_view>

#include "calc/number.h"

namespace tivorum {

// Function codes of the unary keys, as the key handlers pass them.
enum FunctionCode : int {
  kReciprocal = 1,
  kSquare = 2,
  kSquareRoot = 3,
  kNaturalLog = 4,
  kCommonLog = 5,
  kSine = 6,
  kHyperbolicSine = 7,
  kCosine = 8,
  kHyperbolicCosine = 9,
  kTangent = 10,
  kHyperbolicTangent = 11,
  kAbsolute = 12,
  kFactorial = 13,
  kArcSine = 14,
  kArcHyperbolicSine = 15,
  kArcCosine = 16,
  kArcHyperbolicCosine = 17,
  kArcTangent = 18,
  kArcHyperbolicTangent = 19,
  kPercent = 20,
};

// Angle units, spelled as the angle-mode field holds them.
inline constexpr std::string_view kDegrees = "deg";
inline constexpr std::string_view kRadians = "rad";
inline constexpr std::string_view kGrads = "gra";

// A factorial of a negative or fractional number. The engine writes "ERROR"
// on the tape for it even inside a completion.
class FactorialDomainError : public Fault {
 public:
  FactorialDomainError()
      : Fault(FaultKind::InvalidOperation, faultMessage(FaultKind::InvalidOperation)) {}
};

// n! by repeated multiplication; overflows above 1754.
Ext factorial(Ext n);

// The result of unary key `code` (1..19) for the displayed value v. Angles
// are in `angleMode`. The reciprocal of 0 is a plain division by zero here;
// the engine refuses it before asking.
Ext unaryResult(int code, Ext v, std::string_view angleMode);

// The tape line a unary key writes before its "= result" line; t is the
// display text the key was pressed on.
std::string unaryTapeLine(int code, std::string_view t);

// The nth root of a; a negative a has a real root for odd whole n.
Ext rootOf(Ext a, Ext n);
Ext hypotenuse(Ext a, Ext b);

// a!/(a-x)! and a!/(x!(a-x)!), rounded to the nearest whole number (ties to
// even) that must fit a signed 32-bit integer. Whole arguments only: the
// caller checks that first, because it reports fractions differently.
Ext permutations(Ext a, Ext x);
Ext combinations(Ext a, Ext x);

// The displayed angle converted by the angle-unit key when it moves from
// `fromMode` to the next unit.
Ext convertToNextAngleUnit(Ext v, std::string_view fromMode);

}  // namespace tivorum
