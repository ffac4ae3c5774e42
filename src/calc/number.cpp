#include "calc/number.h"

#include <locale.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tivorum {

std::string faultMessage(FaultKind kind) {
  switch (kind) {
    case FaultKind::InvalidOperation:
      return "Invalid floating point operation";
    case FaultKind::DivisionByZero:
      return "Floating point division by zero";
    case FaultKind::Overflow:
      return "Floating point overflow";
    case FaultKind::Conversion:
      break;
  }
  return "Invalid floating point operation";
}

void raiseFault(FaultKind kind) {
  throw Fault(kind, faultMessage(kind));
}

void raiseConversionFault(std::string_view text) {
  throw Fault(FaultKind::Conversion,
              "'" + std::string(text) + "' is not a valid floating point value");
}

std::string errorReportText(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > '.') text += '.';
  return text;
}

Real checkedResult(Real r) {
  if (std::isnan(r)) raiseFault(FaultKind::InvalidOperation);
  if (std::isinf(r)) raiseFault(FaultKind::Overflow);
  return r;
}

Ext operator/(Ext a, Ext b) {
  if (b.v_ == 0) raiseFault(a.v_ == 0 ? FaultKind::InvalidOperation : FaultKind::DivisionByZero);
  return Ext(checkedResult(a.v_ / b.v_));
}

Ext Sqrt(Ext x) {
  if (x.value() < 0) raiseFault(FaultKind::InvalidOperation);
  return Ext(sqrtl(x.value()));
}

Ext Ln(Ext x) {
  if (x.value() < 0) raiseFault(FaultKind::InvalidOperation);
  if (x.value() == 0) raiseFault(FaultKind::DivisionByZero);
  return Ext(logl(x.value()));
}

Ext Exp(Ext x) {
  return Ext(checkedResult(expl(x.value())));
}
Ext Sin(Ext x) {
  return Ext(checkedResult(sinl(x.value())));
}
Ext Cos(Ext x) {
  return Ext(checkedResult(cosl(x.value())));
}
Ext ArcTan(Ext x) {
  return Ext(atanl(x.value()));
}
Ext Abs(Ext x) {
  return Ext(fabsl(x.value()));
}
Ext Trunc(Ext x) {
  return Ext(truncl(x.value()));
}
Ext Frac(Ext x) {
  return Ext(x.value() - truncl(x.value()));
}
bool IsWhole(Ext x) {
  return truncl(x.value()) == x.value();
}

Ext Power(Ext b, Ext e) {
  const Real base = b.value();
  const Real exponent = e.value();
  if (exponent == 0) return Ext(1);
  if (base == 0) {
    if (exponent < 0) raiseFault(FaultKind::DivisionByZero);
    return Ext(0);
  }
  // A negative base has a real power only for whole exponents.
  if (base < 0 && !IsWhole(e)) raiseFault(FaultKind::InvalidOperation);
  return Ext(checkedResult(powl(base, exponent)));
}

Ext Growth(Ext i, Ext n) {
  const Ext base = Ext(1) + i;
  if (base <= Ext(0) || n == Ext(0)) return Power(base, n);
  return Ext(checkedResult(expl(n.value() * log1pl(i.value()))));
}

Ext GrowthMinusOne(Ext i, Ext n) {
  const Ext base = Ext(1) + i;
  if (base <= Ext(0) || n == Ext(0)) return Power(base, n) - Ext(1);
  return Ext(checkedResult(expm1l(n.value() * log1pl(i.value()))));
}

// ---- Text to number -------------------------------------------------------

namespace {

locale_t cLocale() {
  static const locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
  return loc;
}

}  // namespace

bool tryTextToNumber(std::string_view text, Real& out, char decimalChar) {
  size_t i = 0;
  const size_t n = text.size();
  while (i < n && text[i] == ' ') ++i;
  std::string normal;
  if (i < n && (text[i] == '+' || text[i] == '-')) {
    if (text[i] == '-') normal += '-';
    ++i;
  }
  std::string intDigits, fracDigits;
  bool separator = false;
  while (i < n && isDigit(text[i])) intDigits += text[i++];
  if (i < n && text[i] == decimalChar) {
    separator = true;
    ++i;
    while (i < n && isDigit(text[i])) fracDigits += text[i++];
  }
  if (intDigits.empty() && fracDigits.empty() && !separator) return false;
  std::string exponent;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    ++i;
    std::string sign;
    if (i < n && (text[i] == '+' || text[i] == '-')) sign = text[i++];
    std::string digits;
    while (i < n && isDigit(text[i])) digits += text[i++];
    if (!digits.empty()) exponent = "e" + sign + digits;
  }
  while (i < n && text[i] == ' ') ++i;
  if (i != n) return false;

  normal += intDigits.empty() ? "0" : intDigits;
  normal += '.';
  normal += fracDigits.empty() ? "0" : fracDigits;
  normal += exponent;
  char* end = nullptr;
  const Real v = strtold_l(normal.c_str(), &end, cLocale());
  if (end == nullptr || *end != '\0' || std::isinf(v) || std::isnan(v)) return false;
  out = v;
  return true;
}

Real textToNumber(std::string_view text, char decimalChar) {
  Real v = 0;
  if (!tryTextToNumber(text, v, decimalChar)) raiseConversionFault(text);
  return v;
}

Real textToNumberEitherPoint(std::string_view text) {
  return textToNumber(text, text.find(',') != std::string_view::npos ? ',' : '.');
}

std::string tradePoint(std::string_view text, char point) {
  std::string out(text);
  if (point == '.') return out;
  for (char& c : out) {
    if (c == point) {
      c = '.';
    } else if (c == '.') {
      c = point;
    }
  }
  return out;
}

// ---- Number to text -------------------------------------------------------

namespace {

// |v| = 0.d1d2d3... x 10^exponent; no digits for zero.
struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

Decimal expand18(Real v) {
  Decimal d;
  d.negative = std::signbit(v) && v != 0;
  if (v == 0) return d;
  char buf[64];
  const auto res =
      std::to_chars(buf, buf + sizeof buf, fabsl(v), std::chars_format::scientific, 17);
  const std::string s(buf, res.ptr);  // d.ddddddddddddddddde+XX
  const size_t e = s.find('e');
  d.digits = s.substr(0, 1) + s.substr(2, e - 2);
  d.exponent = std::stoi(s.substr(e + 1)) + 1;
  return d;
}

// Keeps `keep` leading digits, rounding half up; keep <= 0 may round to one
// unit of the next higher place or to nothing.
void roundDigits(Decimal& d, int keep) {
  if (keep >= static_cast<int>(d.digits.size())) return;
  if (keep < 0) {
    d.digits.clear();
    return;
  }
  const bool up = d.digits[keep] >= '5';
  d.digits.resize(keep);
  if (!up) return;
  int i = keep - 1;
  while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
  if (i >= 0) {
    ++d.digits[i];
  } else {
    d.digits = "1" + std::string(keep > 0 ? keep - 1 : 0, '0');
    ++d.exponent;
  }
}

void stripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
}

// The general layout of rounded digits: fixed notation for decimal exponents
// -3..fixedUpTo, else "d.dddE-x".
std::string generalLayout(const Decimal& d, int fixedUpTo, char decimalChar) {
  if (d.digits.empty()) return "0";
  std::string out = d.negative ? "-" : "";
  const int e = d.exponent;
  const int count = static_cast<int>(d.digits.size());
  if (e >= -3 && e <= fixedUpTo) {
    if (e > 0) {
      for (int i = 0; i < e; ++i) out += i < count ? d.digits[i] : '0';
      if (count > e) out += decimalChar + d.digits.substr(e);
    } else {
      out += '0';
      out += decimalChar;
      out += std::string(-e, '0') + d.digits;
    }
  } else {
    out += d.digits[0];
    if (count > 1) out += decimalChar + d.digits.substr(1);
    out += 'E';
    out += std::to_string(e - 1);
  }
  return out;
}

}  // namespace

std::string generalText(Real v, int precision, char decimalChar) {
  Decimal d = expand18(v);
  roundDigits(d, precision);
  stripTrailingZeros(d);
  return generalLayout(d, precision, decimalChar);
}

std::string roundTripText(double v, char decimalChar) {
  if (!std::isfinite(v)) return generalText(v, 15, decimalChar);
  // Correctly rounded digits from to_chars, one more at a time, until the
  // text comes back through this program's own reading (extended, then
  // double), which is the reading that counts.
  std::string text;
  for (int digits = 1; digits <= 17; ++digits) {
    Decimal d;
    d.negative = std::signbit(v) && v != 0;
    if (v != 0) {
      char buf[64];
      const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v),
                                     std::chars_format::scientific, digits - 1);
      const std::string s(buf, res.ptr);  // d.ddde+XX
      const size_t e = s.find('e');
      d.digits = s.substr(0, 1) + (e > 2 ? s.substr(2, e - 2) : "");
      d.exponent = std::stoi(s.substr(e + 1)) + 1;
      stripTrailingZeros(d);
    }
    text = generalLayout(d, 15, decimalChar);
    Real back = 0;
    if (tryTextToNumber(text, back, decimalChar) && static_cast<double>(back) == v) break;
  }
  return text;
}

std::string fixedText(Real v, int precision, int decimals, char decimalChar) {
  Decimal d = expand18(v);
  const std::string zeroDecimals =
      decimals > 0 ? std::string(1, decimalChar) + std::string(decimals, '0') : "";
  if (d.digits.empty()) return "0" + zeroDecimals;
  const int keep = std::min(precision, d.exponent + decimals);
  roundDigits(d, keep);
  stripTrailingZeros(d);
  if (d.digits.empty()) {
    // Rounded away: the sign stays only when the first digit was in the
    // place right after the last decimal.
    return (d.negative && keep == 0 ? "-0" : "0") + zeroDecimals;
  }
  if (d.exponent > precision) return generalText(v, precision, decimalChar);
  std::string out = d.negative ? "-" : "";
  const int e = d.exponent;
  const int count = static_cast<int>(d.digits.size());
  auto digitAt = [&](int i) { return i >= 0 && i < count ? d.digits[i] : '0'; };
  if (e > 0) {
    for (int i = 0; i < e; ++i) out += digitAt(i);
  } else {
    out += '0';
  }
  if (decimals > 0) {
    out += decimalChar;
    for (int k = 0; k < decimals; ++k) out += digitAt(e + k);
  }
  return out;
}

std::string engineText(Real v, std::string_view format, char decimalChar) {
  if (format != kFinancialFormat) return generalText(v, 15, decimalChar);
  std::string s = fixedText(v, 18, 2, decimalChar);
  if (s.size() < 15) s.insert(0, 15 - s.size(), ' ');
  return s;
}

std::string memoryText(Real v, char decimalChar) {
  Decimal d = expand18(v);
  roundDigits(d, 15);
  std::string out = d.negative ? "-" : " ";
  if (d.digits.empty()) {
    d.digits = "0";
    d.exponent = 1;
  }
  d.digits.resize(15, '0');
  out += d.digits[0];
  out += decimalChar;
  out += d.digits.substr(1);
  const int e = d.exponent - 1;
  out += e < 0 ? "E-" : "E+";
  std::string digits = std::to_string(e < 0 ? -e : e);
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
  return out + digits;
}

// ---- Writing a result into a field ---------------------------------------

std::string fieldText(Real value, std::string_view text, int maxLength) {
  if (maxLength <= 0 || static_cast<int>(text.size()) <= maxLength) return std::string(text);
  // Where does the integer part end? Blanks, sign and digits lead.
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
  while (i < text.size() && isDigit(text[i])) ++i;
  const bool hasExponent = text.find_first_of("Ee") != std::string_view::npos;
  if (!hasExponent && static_cast<int>(i) <= maxLength) {
    return std::string(text.substr(0, maxLength));
  }
  for (int precision = 18; precision >= 1; --precision) {
    std::string s = generalText(value, precision);
    if (static_cast<int>(s.size()) <= maxLength) return s;
  }
  return std::string(text.substr(0, maxLength));
}

}  // namespace tivorum
