#include "calc/scientific.h"

#include <cmath>
#include <cstdint>
#include <iterator>

namespace tivorum {

namespace {

// Result of a library function whose domain the caller already checked:
// NaN and infinities still become faults.
Ext checked(Real r) {
  return Ext(checkedResult(r));
}

// Zero without a sign, so that no "-0" reaches the display.
Ext unsigned0(Ext x) {
  return x == Ext(0) ? Ext(0) : x;
}

enum class Trig { Sine, Cosine, Tangent };

// Degrees and grads are reduced by whole turns exactly before converting, so
// that multiples of a right angle give exact results; radians go straight to
// the library, whose own reduction is exact for any size.
Ext trigOf(Trig which, Ext v, AngleMode angleMode) {
  Real r = v.value();
  if (angleMode != AngleMode::Rad) {
    const bool degrees = angleMode == AngleMode::Deg;
    const Real turn = degrees ? 360 : 400;
    const Real rightAngle = degrees ? 90 : 100;
    Real reduced = fmodl(v.value(), turn);
    if (fmodl(reduced, rightAngle) == 0) {
      long quarter = lroundl(reduced / rightAngle) % 4;
      if (quarter < 0) quarter += 4;
      static constexpr int kSin[] = {0, 1, 0, -1};
      static constexpr int kCos[] = {1, 0, -1, 0};
      switch (which) {
        case Trig::Sine:
          return Ext(kSin[quarter]);
        case Trig::Cosine:
          return Ext(kCos[quarter]);
        case Trig::Tangent:
          return Ext(kSin[quarter]) / Ext(kCos[quarter]);
      }
    }
    r = degrees ? (Ext(reduced) * kPi * kOneOver180).value()
                : (Ext(reduced) * kPi * Ext(0.005L)).value();
  }
  switch (which) {
    case Trig::Sine:
      return Sin(r);
    case Trig::Cosine:
      return Cos(r);
    case Trig::Tangent:
      break;
  }
  return Sin(r) / Cos(r);
}

Ext fromRadians(Ext x, AngleMode angleMode) {
  switch (angleMode) {
    case AngleMode::Deg:
      return x * Ext(180) * kOneOverPi;
    case AngleMode::Gra:
      return x * Ext(200) * kOneOverPi;
    case AngleMode::Rad:
      break;
  }
  return x;
}

Ext arcSine(Ext v) {
  const Ext w = Sqrt(Ext(1) - v * v);
  if (Abs(v) <= w) return ArcTan(v / w);
  const Ext sign = v < Ext(0) ? Ext(-1) : Ext(1);
  return sign * kHalfPi - ArcTan(w / v);
}

Ext arcCosine(Ext v) {
  const Ext w = Sqrt(Ext(1) - v * v);
  if (Abs(v) <= w) return Ext(kHalfPi) - ArcTan(v / w);
  return (v < Ext(0) ? Ext(kPi) : Ext(0)) + ArcTan(w / v);
}

// The library's hyperbolic functions keep every digit for small arguments
// and do not overflow early, unlike the textbook exp() formulas.
Ext arcHyperbolicCosine(Ext v) {
  if (v < Ext(1)) raiseFault(FaultKind::InvalidOperation);
  return checked(acoshl(v.value()));
}

Ext arcHyperbolicTangent(Ext v) {
  const Real a = fabsl(v.value());
  if (a == 1) raiseFault(FaultKind::DivisionByZero);
  if (a > 1) raiseFault(FaultKind::InvalidOperation);
  return checked(atanhl(v.value()));
}

// A quotient of factorials rounded to a signed 32-bit whole number.
Ext roundedCount(Ext quotient) {
  const Real r = nearbyintl(quotient.value());
  if (r > INT32_MAX || r < INT32_MIN) raiseFault(FaultKind::InvalidOperation);
  return Ext(r);
}

}  // namespace

Ext factorial(Ext n) {
  if (n < Ext(0) || !IsWhole(n)) throw FactorialDomainError();
  if (n <= Ext(1)) return Ext(1);
  Ext r = n;
  Ext k = n;
  do {
    k = k - Ext(1);
    r = r * k;
  } while (k > Ext(1));
  return r;
}

Ext unaryResult(FunctionCode code, Ext v, AngleMode angleMode) {
  switch (code) {
    case FunctionCode::Reciprocal:
      return Ext(1) / v;
    case FunctionCode::Square:
      return v * v;
    case FunctionCode::SquareRoot:
      return Sqrt(v);
    case FunctionCode::Ln:
      return Ln(v);
    case FunctionCode::Log:
      return Ln(v) / Ln(Ext(10));
    case FunctionCode::Sin:
      return unsigned0(trigOf(Trig::Sine, v, angleMode));
    case FunctionCode::Sinh:
      return checked(sinhl(v.value()));
    case FunctionCode::Cos:
      return unsigned0(trigOf(Trig::Cosine, v, angleMode));
    case FunctionCode::Cosh:
      return checked(coshl(v.value()));
    case FunctionCode::Tan:
      return unsigned0(trigOf(Trig::Tangent, v, angleMode));
    case FunctionCode::Tanh:
      return checked(tanhl(v.value()));
    case FunctionCode::Absolute:
      return Abs(v);
    case FunctionCode::Factorial:
      return factorial(v);
    case FunctionCode::ArcSin:
      return unsigned0(fromRadians(arcSine(v), angleMode));
    case FunctionCode::ArcSinh:
      return checked(asinhl(v.value()));
    case FunctionCode::ArcCos:
      return unsigned0(fromRadians(arcCosine(v), angleMode));
    case FunctionCode::ArcCosh:
      return arcHyperbolicCosine(v);
    case FunctionCode::ArcTan:
      return unsigned0(fromRadians(ArcTan(v), angleMode));
    case FunctionCode::ArcTanh:
      return arcHyperbolicTangent(v);
    default:
      break;
  }
  raiseFault(FaultKind::InvalidOperation);
}

std::string unaryTapeLine(FunctionCode code, std::string_view t) {
  // What goes before and after the operand text, by code from Reciprocal.
  static constexpr std::string_view kAround[][2] = {
      {"1/", ""},       {"(", ")\u00b2"},  {"Sqrt(", ")"},   {"Ln(", ")"},      {"Log(", ")"},
      {"Sin(", ")"},    {"Sinh(", ")"},    {"Cos(", ")"},    {"Cosh(", ")"},    {"Tan(", ")"},
      {"Tanh(", ")"},   {"Abs(", ")"},     {"(", ")!"},      {"ArcSin(", ")"},  {"ArcSinh(", ")"},
      {"ArcCos(", ")"}, {"ArcCosh(", ")"}, {"ArcTan(", ")"}, {"ArcTanh(", ")"},
  };
  const size_t i = static_cast<size_t>(code) - static_cast<size_t>(FunctionCode::Reciprocal);
  if (i >= std::size(kAround)) return std::string(t);
  return std::string(kAround[i][0]).append(t).append(kAround[i][1]);
}

Ext rootOf(Ext a, Ext n) {
  const Ext exponent = Ext(1) / n;
  if (a < Ext(0) && IsWhole(n) && fmodl(n.value(), 2) != 0) return -Power(-a, exponent);
  return Power(a, exponent);
}

Ext hypotenuse(Ext a, Ext b) {
  return Sqrt(a * a + b * b);
}

Ext permutations(Ext a, Ext x) {
  // A negative count fails like the factorial it stands for.
  if (x < Ext(0)) throw FactorialDomainError();
  const Ext top = factorial(a);
  return roundedCount(top / factorial(a - x));
}

Ext combinations(Ext a, Ext x) {
  const Ext top = factorial(a);
  const Ext xFactorial = factorial(x);
  return roundedCount(top / (xFactorial * factorial(a - x)));
}

AngleMode nextAngleMode(AngleMode mode) {
  switch (mode) {
    case AngleMode::Deg:
      return AngleMode::Rad;
    case AngleMode::Rad:
      return AngleMode::Gra;
    case AngleMode::Gra:
      break;
  }
  return AngleMode::Deg;
}

Ext convertToNextAngleUnit(Ext v, AngleMode fromMode) {
  switch (fromMode) {
    case AngleMode::Deg:
      return v * Ext(kPiOver180);
    case AngleMode::Rad:
      return v * Ext(200) * kOneOverPi;
    case AngleMode::Gra:
      break;
  }
  return v * Ext(180) * Ext(0.005L);
}

}  // namespace tivorum
