#include "calc/paste_number.h"

#include "calc/legacy_text.h"

namespace tivorum {

namespace {

constexpr char16_t kNoBreakSpace = 0x00a0;
constexpr char16_t kThinSpace = 0x2009;
constexpr char16_t kNarrowNoBreakSpace = 0x202f;
constexpr char16_t kMinusSign = 0x2212;

// Blanks that may stand between groups of three digits.
bool isGroupBlank(char16_t c) {
  return c == ' ' || c == kNoBreakSpace || c == kNarrowNoBreakSpace || c == kThinSpace;
}

bool isLineBreak(char16_t c) {
  return c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool isHighSurrogate(char16_t c) {
  return c >= 0xd800 && c <= 0xdbff;
}
bool isLowSurrogate(char16_t c) {
  return c >= 0xdc00 && c <= 0xdfff;
}

// The text as one line (each run of tabs and line ends a blank), cut to
// kPasteQuoted characters, in UTF-8 for the message.
std::string quoted(std::u16string_view text) {
  std::string out;
  size_t shown = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (isLineBreak(text[i])) {
      while (i + 1 < text.size() && isLineBreak(text[i + 1])) ++i;
      c = ' ';
    } else if (isHighSurrogate(text[i]) && i + 1 < text.size() && isLowSurrogate(text[i + 1])) {
      c = 0x10000 + ((c - 0xd800) << 10) + (text[++i] - 0xdc00);
    } else if (isHighSurrogate(text[i]) || isLowSurrogate(text[i])) {
      c = 0xfffd;
    }
    if (shown++ == kPasteQuoted) return out + "\u2026";
    appendUtf8(out, c);
  }
  return out;
}

// The number as the core's plain grammar writes it ("-1234.5e3"), or
// nothing when the text is not one number or its grouping is not the one
// rule allows.
class Reader {
 public:
  Reader(std::u16string_view text, char16_t point, char16_t separator)
      : t_(text), point_(point), separator_(separator) {}

  std::optional<std::string> canonical() {
    std::string out;
    if (at('-') || at(kMinusSign)) {
      out += '-';
      ++i_;
    } else if (at('+')) {
      ++i_;
    }
    const std::optional<std::string> whole = integerPart();
    if (!whole) return std::nullopt;
    std::string fraction;
    if (at(point_)) {
      ++i_;
      fraction = digits();
    }
    if (whole->empty() && fraction.empty()) return std::nullopt;
    out += whole->empty() ? "0" : *whole;
    out += '.';
    out += fraction.empty() ? "0" : fraction;
    if (at('e') || at('E')) {
      ++i_;
      out += 'e';
      if (at('+') || at('-')) out += static_cast<char>(t_[i_++]);
      const std::string exponent = digits();
      if (exponent.empty()) return std::nullopt;
      out += exponent;
    }
    if (i_ != t_.size()) return std::nullopt;
    return out;
  }

 private:
  bool at(char16_t c) const { return i_ < t_.size() && t_[i_] == c; }

  std::string digits() {
    std::string out;
    while (i_ < t_.size() && isDigit(t_[i_])) out += static_cast<char>(t_[i_++]);
    return out;
  }

  // Digits, possibly in groups of three after a first group of one to three
  // that does not start with 0, all separated by the same kind of separator.
  std::optional<std::string> integerPart() {
    std::string out = digits();
    bool grouped = false;
    bool blanks = false;
    while (i_ < t_.size() && (t_[i_] == separator_ || isGroupBlank(t_[i_]))) {
      const bool blank = isGroupBlank(t_[i_]);
      if (grouped && blank != blanks) return std::nullopt;  // "1,234 567"
      if (!grouped && (out.empty() || out.size() > 3 || out[0] == '0')) return std::nullopt;
      grouped = true;
      blanks = blank;
      ++i_;
      const std::string group = digits();
      if (group.size() != 3) return std::nullopt;
      out += group;
    }
    return out;
  }

  std::u16string_view t_;
  char16_t point_;
  char16_t separator_;
  size_t i_ = 0;
};

}  // namespace

PastedNumber readPastedNumber(std::u16string_view text, char decimalChar) {
  // Trimmed from both ends without reading what lies between, and refused
  // by its length alone when it is long: a huge clipboard costs nothing.
  auto trimmed = [](char16_t c) { return isGroupBlank(c) || isLineBreak(c); };
  size_t from = 0, to = text.size();
  while (from < to && trimmed(text[from])) ++from;
  while (to > from && trimmed(text[to - 1])) --to;
  text = text.substr(from, to - from);
  size_t characters = text.size();
  if (characters <= 2 * kPasteLimit) {  // else too long however it is counted
    for (size_t i = 0; i + 1 < text.size(); ++i) {
      if (isHighSurrogate(text[i]) && isLowSurrogate(text[i + 1])) --characters;
    }
  }
  if (characters > kPasteLimit) {
    return {std::nullopt, "The clipboard holds no number: its text is longer than " +
                              std::to_string(kPasteLimit) + " characters"};
  }

  const char16_t point = decimalChar == ',' ? ',' : '.';
  const char16_t separator = point == ',' ? '.' : ',';
  Real value = 0;
  if (const std::optional<std::string> number = Reader(text, point, separator).canonical()) {
    if (tryTextToNumber(*number, value, '.')) return {value, {}};
  }
  try {
    raiseConversionFault(quoted(text));
  } catch (const Fault& fault) {
    return {std::nullopt, fault.what()};
  }
}

}  // namespace tivorum
