#include "calc/numeric_key.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace tivorum;

namespace {

// Every code the fields accept, written out independently of the filter.
const std::set<int> kAcceptedCodes = {8,  9,  33,  34,  35,  36,  37,  38,  39,  40, 45, 46,
                                      48, 49, 50,  51,  52,  53,  54,  55,  56,  57, 96, 97,
                                      98, 99, 100, 101, 102, 103, 104, 105, 110, 190};

}  // namespace

TEST(NumericKeyAllowed, AcceptsExactlyTheThirtyFourCodes) {
  ASSERT_EQ(kAcceptedCodes.size(), 34u);
  for (int code = 0; code <= 0xFFFF; ++code) {
    const bool expected = kAcceptedCodes.count(code) != 0;
    EXPECT_EQ(NumericKeyAllowed(static_cast<std::uint16_t>(code), "12"), expected)
        << "code " << code;
  }
}

TEST(NumericKeyAllowed, RefusesNamedKeys) {
  struct Case {
    const char* name;
    std::uint16_t code;
  };
  const Case cases[] = {
      {"Shift", 16},      {"Control", 17},   {"Alt", 18},       {"Enter", 13},
      {"Escape", 27},     {"Space", 32},     {"A", 65},         {"Z", 90},
      {"keypad *", 106},  {"keypad +", 107}, {"keypad -", 109}, {"keypad /", 111},
      {"comma", 188},     {"minus", 189},    {"F1", 112},       {"slash", 191},
      {"backquote", 192}, {"beyond", 0x1BE}, {"zero", 0},       {"seven", 7},
  };
  for (const Case& c : cases) EXPECT_FALSE(NumericKeyAllowed(c.code, "")) << c.name;
}

TEST(NumericKeyAllowed, DecimalPointRule) {
  struct Case {
    std::string text;
    bool allowed;
  };
  const Case cases[] = {
      {"", true},       // nothing typed yet
      {".", true},      // a first point, just typed
      {"1.", true},     // point typed at the end
      {"..", false},    // second point
      {"1.5.", false},  // point typed at the end of "1.5"
      {"1..5", false},  // point typed inside: an earlier one counts
      {".5", false},    // the last character is not the point, the first is
      {"15", true},     // no point at all
      {"1,5.", true},   // only "." counts, not the comma
  };
  for (const Case& c : cases) {
    EXPECT_EQ(NumericKeyAllowed(kVkPeriod, c.text), c.allowed) << '"' << c.text << '"';
    EXPECT_EQ(NumericKeyAllowed(kVkKeypadDecimal, c.text), c.allowed) << '"' << c.text << '"';
  }
}

TEST(NumericKeyAllowed, PointRuleIgnoresOtherKeys) {
  for (std::uint16_t code :
       {std::uint16_t{8}, std::uint16_t{46}, std::uint16_t{48}, std::uint16_t{105}})
    EXPECT_TRUE(NumericKeyAllowed(code, "1..2..")) << code;
}

TEST(NumericKeyAllowed, LooksAtTheFirst255CharactersOnly) {
  // A point at index 254 is the last character looked at, so it does not
  // count; one at 253 does.
  std::string text(300, '1');
  text[254] = '.';
  EXPECT_TRUE(NumericKeyAllowed(kVkPeriod, text));
  text[254] = '1';
  text[253] = '.';
  EXPECT_FALSE(NumericKeyAllowed(kVkPeriod, text));
  // Points beyond the first 255 characters are not seen.
  std::string late(255, '1');
  late += "..";
  EXPECT_TRUE(NumericKeyAllowed(kVkPeriod, late));
}
