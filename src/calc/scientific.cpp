#include "calc/scientific.h"

#include <cmath>
#include <cstdint>

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
Ext trigOf(Trig which, Ext v, std::string_view angleMode) {
  Real r = v.value();
  if (angleMode == kDegrees || angleMode == kGrads) {
    const bool degrees = angleMode == kDegrees;
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

Ext fromRadians(Ext x, std::string_view angleMode) {
  if (angleMode == kDegrees) return x * Ext(180) * kOneOverPi;
  if (angleMode == kGrads) return x * Ext(200) * kOneOverPi;
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

Ext unaryResult(int code, Ext v, std::string_view angleMode) {
  switch (code) {
    case kReciprocal:
      return Ext(1) / v;
    case kSquare:
      return v * v;
    case kSquareRoot:
      return Sqrt(v);
    case kNaturalLog:
      return Ln(v);
    case kCommonLog:
      return Ln(v) / Ln(Ext(10));
    case kSine:
      return unsigned0(trigOf(Trig::Sine, v, angleMode));
    case kHyperbolicSine:
      return checked(sinhl(v.value()));
    case kCosine:
      return unsigned0(trigOf(Trig::Cosine, v, angleMode));
    case kHyperbolicCosine:
      return checked(coshl(v.value()));
    case kTangent:
      return unsigned0(trigOf(Trig::Tangent, v, angleMode));
    case kHyperbolicTangent:
      return checked(tanhl(v.value()));
    case kAbsolute:
      return Abs(v);
    case kFactorial:
      return factorial(v);
    case kArcSine:
      return unsigned0(fromRadians(arcSine(v), angleMode));
    case kArcHyperbolicSine:
      return checked(asinhl(v.value()));
    case kArcCosine:
      return unsigned0(fromRadians(arcCosine(v), angleMode));
    case kArcHyperbolicCosine:
      return arcHyperbolicCosine(v);
    case kArcTangent:
      return unsigned0(fromRadians(ArcTan(v), angleMode));
    case kArcHyperbolicTangent:
      return arcHyperbolicTangent(v);
    default:
      break;
  }
  raiseFault(FaultKind::InvalidOperation);
}

std::string unaryTapeLine(int code, std::string_view t) {
  const std::string text(t);
  switch (code) {
    case kReciprocal:
      return "1/" + text;
    case kSquare:
      return "(" + text + ")\u00b2";
    case kSquareRoot:
      return "Sqrt(" + text + ")";
    case kNaturalLog:
      return "Ln(" + text + ")";
    case kCommonLog:
      return "Log(" + text + ")";
    case kSine:
      return "Sin(" + text + ")";
    case kHyperbolicSine:
      return "Sinh(" + text + ")";
    case kCosine:
      return "Cos(" + text + ")";
    case kHyperbolicCosine:
      return "Cosh(" + text + ")";
    case kTangent:
      return "Tan(" + text + ")";
    case kHyperbolicTangent:
      return "Tanh(" + text + ")";
    case kAbsolute:
      return "Abs(" + text + ")";
    case kFactorial:
      return "(" + text + ")!";
    case kArcSine:
      return "ArcSin(" + text + ")";
    case kArcHyperbolicSine:
      return "ArcSinh(" + text + ")";
    case kArcCosine:
      return "ArcCos(" + text + ")";
    case kArcHyperbolicCosine:
      return "ArcCosh(" + text + ")";
    case kArcTangent:
      return "ArcTan(" + text + ")";
    case kArcHyperbolicTangent:
      return "ArcTanh(" + text + ")";
    default:
      return text;
  }
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

Ext convertToNextAngleUnit(Ext v, std::string_view fromMode) {
  if (fromMode == kDegrees) return v * Ext(kPiOver180);
  if (fromMode == kRadians) return v * Ext(200) * kOneOverPi;
  return v * Ext(180) * Ext(0.005L);
}

}  // namespace tivorum
