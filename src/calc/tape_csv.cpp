#include "calc/tape_csv.h"

#include <vector>

#include "calc/number.h"

namespace tivorum {

namespace {

bool isLetterOrDigit(char c) {
  return isDigit(c) || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::size_t digitsAt(std::string_view s, std::size_t i) {
  std::size_t n = 0;
  while (i + n < s.size() && isDigit(s[i + n])) ++n;
  return n;
}

// The length of a blank that groups digits at s[i]: a space, a no-break space
// or a narrow or thin one (as locales group thousands); 0 for anything else.
std::size_t groupingBlankAt(std::string_view s, std::size_t i) {
  for (std::string_view blank : {" ", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"}) {
    if (s.substr(i).starts_with(blank)) return blank.size();
  }
  return 0;
}

// The number whose first digit is at s[start], in plain form; `end` is set
// past it.
std::string numberAt(std::string_view s, std::size_t start, std::size_t& end) {
  std::string digits;                 // all digits, points left out
  std::vector<std::size_t> pointsAt;  // where a "." or "," came, in digits
  std::vector<char> points;
  std::size_t i = start;
  for (;;) {
    const std::size_t run = digitsAt(s, i);
    digits.append(s.substr(i, run));
    i += run;
    if (i >= s.size()) break;
    const char c = s[i];
    if ((c == '.' || c == ',') && i + 1 < s.size() && isDigit(s[i + 1])) {
      pointsAt.push_back(digits.size());
      points.push_back(c);
      ++i;
    } else if (c == '\'' && i + 1 < s.size() && isDigit(s[i + 1])) {
      ++i;
    } else if (const std::size_t blank = groupingBlankAt(s, i);
               blank && digitsAt(s, i + blank) == 3) {
      i += blank;  // a thousands group: "1 234.50"
    } else {
      break;
    }
  }
  // The last point is the decimal one, unless all are the same and there are
  // several ("1.234.567"): then they all group.
  std::size_t decimalAt = std::string::npos;
  if (!points.empty()) {
    bool allSame = true;
    for (char p : points) allSame = allSame && p == points.front();
    if (points.size() == 1 || !allSame) decimalAt = pointsAt.back();
  }
  std::string out = digits.substr(0, decimalAt);
  if (decimalAt != std::string::npos) out += '.' + digits.substr(decimalAt);
  // An exponent: "E", its sign, digits.
  if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
    std::size_t j = i + 1;
    const bool minus = j < s.size() && s[j] == '-';
    if (j < s.size() && (s[j] == '-' || s[j] == '+')) ++j;
    if (const std::size_t run = digitsAt(s, j)) {
      out += minus ? "E-" : "E";
      out.append(s.substr(j, run));
      i = j + run;
    }
  }
  end = i;
  return out;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
  while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

LineFigures lineFigures(std::string_view line) {
  LineFigures figures;
  const std::string_view t = trimmed(line);
  if (t == "+" || t == "-" || t == "x" || t == "/") {
    figures.op = std::string(t);
    return figures;
  }
  if (t.starts_with('='))
    figures.op = "=";
  else if (t.size() >= 2 && t.back() == '%' && isDigit(t[t.size() - 2]))
    figures.op = "%";
  for (std::size_t i = 0; i < line.size();) {
    if (!isDigit(line[i])) {
      ++i;
      continue;
    }
    // A "-" right before the digits, not after a word or a number, is the sign.
    const bool negative = i > 0 && line[i - 1] == '-' && (i < 2 || !isLetterOrDigit(line[i - 2]));
    figures.amount = (negative ? "-" : "") + numberAt(line, i, i);
  }
  return figures;
}

std::string csvField(std::string_view text) {
  if (text.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(text);
  std::string out = "\"";
  for (char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
  return out;
}

std::string tapeCsv(const TapeContent& tape) {
  std::string out = "text,amount,operator,note\r\n";
  for (std::size_t i = 0; i < tape.size(); ++i) {
    const LineFigures figures = lineFigures(tape.line(i));
    out += csvField(tape.line(i));
    out += ',';
    out += figures.amount;
    out += ',';
    out += figures.op;
    out += ',';
    out += csvField(tape.note(i));
    out += "\r\n";
  }
  return out;
}

}  // namespace tivorum
