// The calculator's scientific functions: the unary keys by function code, the
// binary keys (root, hypotenuse, permutations, combinations) and their tape
// lines. Pure and window-free; every failure is a Fault.
#pragma once

#include <string>
#include <string_view>

#include "calc/number.h"

namespace tivorum {

// The unary keys' function codes, as the key handlers pass them to the
// engine; the numbers are the keys' documented codes.
enum class FunctionCode : int {
  Reciprocal = 1,
  Square = 2,
  SquareRoot = 3,
  Ln = 4,
  Log = 5,
  Sin = 6,
  Sinh = 7,
  Cos = 8,
  Cosh = 9,
  Tan = 10,
  Tanh = 11,
  Absolute = 12,
  Factorial = 13,
  ArcSin = 14,
  ArcSinh = 15,
  ArcCos = 16,
  ArcCosh = 17,
  ArcTan = 18,
  ArcTanh = 19,
  Percent = 20,
};

// The angle unit of the trigonometric keys, in the order the Deg key cycles
// through them.
enum class AngleMode { Deg, Rad, Gra };

// A factorial of a negative or fractional number. The engine writes "ERROR"
// on the tape for it even inside a completion.
class FactorialDomainError : public Fault {
 public:
  FactorialDomainError()
      : Fault(FaultKind::InvalidOperation, faultMessage(FaultKind::InvalidOperation)) {}
};

// n! by repeated multiplication; overflows above 1754.
Ext factorial(Ext n);

// The result of unary key `code` (all but Percent) for the displayed value
// v. Angles are in `angleMode`. The reciprocal of 0 is a plain division by
// zero here; the engine refuses it before asking.
Ext unaryResult(FunctionCode code, Ext v, AngleMode angleMode);

// The tape line a unary key writes before its "= result" line; t is the
// display text the key was pressed on.
std::string unaryTapeLine(FunctionCode code, std::string_view t);

// The nth root of a; a negative a has a real root for odd whole n.
Ext rootOf(Ext a, Ext n);
Ext hypotenuse(Ext a, Ext b);

// a!/(a-x)! and a!/(x!(a-x)!), rounded to the nearest whole number (ties to
// even) that must fit a signed 32-bit integer. Whole arguments only: the
// caller checks that first, because it reports fractions differently.
Ext permutations(Ext a, Ext x);
Ext combinations(Ext a, Ext x);

// The unit the angle-unit key moves to from `mode`.
AngleMode nextAngleMode(AngleMode mode);

// The displayed angle converted by the angle-unit key when it moves from
// `fromMode` to the next unit.
Ext convertToNextAngleUnit(Ext v, AngleMode fromMode);

}  // namespace tivorum
