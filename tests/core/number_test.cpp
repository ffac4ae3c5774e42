#include "calc/number.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

using namespace tivorum;

namespace {

struct GeneralCase {
  Real value;
  int precision;
  const char* text;
};

TEST(GeneralText, FormatsLikeTheDisplay) {
  const GeneralCase cases[] = {
      {0, 15, "0"},
      {-0.0L, 15, "0"},
      {1234.5L, 15, "1234.5"},
      {0.0001L, 15, "0.0001"},
      {0.00001L, 15, "1E-5"},
      {1e15L, 15, "1E15"},
      {123456789012345.0L, 15, "123456789012345"},
      {1234567890123456.0L, 15, "1.23456789012346E15"},
      {-2.5e-7L, 15, "-2.5E-7"},
      {1500, 15, "1500"},
      {kPi, 15, "3.14159265358979"},
      {0.05L, 15, "0.05"},
      {0.0001234L, 15, "0.0001234"},
      {1.5e20L, 15, "1.5E20"},
      {1.234e-5L, 15, "1.234E-5"},
      {2.0L / 3.0L, 15, "0.666666666666667"},
      {0.1L, 15, "0.1"},
      {-1, 15, "-1"},
      {100, 15, "100"},
      // Rounding carries into a new leading digit.
      {9.9999999999999999L, 15, "10"},
      {999999999999999.9L, 15, "1E15"},
      // Half up on the 18-digit expansion.
      {0.125L, 2, "0.13"},
      {-0.125L, 2, "-0.13"},
      {2.025000166e-5L, 3, "2.03E-5"},
      {31415926535.8979L, 6, "3.14159E10"},
      {31415926535.8979L, 11, "31415926536"},
      {1e-4932L, 15, "1E-4932"},
      {0.5L, 3, "0.5"},
      {1e17L, 18, "100000000000000000"},
      {0.00099999999999999999L, 15, "0.001"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(generalText(c.value, c.precision), c.text) << c.text;
  }
}

TEST(GeneralText, UsesTheDecimalCharacter) {
  EXPECT_EQ(generalText(1.5L, 15, ','), "1,5");
  EXPECT_EQ(generalText(1.5e-7L, 15, ','), "1,5E-7");
}

struct FixedCase {
  Real value;
  int precision;
  int decimals;
  const char* text;
};

TEST(FixedText, RoundsAndPads) {
  const FixedCase cases[] = {
      {1234.5L, 10, 2, "1234.50"},
      {0, 10, 2, "0.00"},
      {0.005L, 10, 2, "0.01"},
      {315.6789L, 10, 2, "315.68"},
      {8.5006L, 8, 3, "8.501"},
      {123.4567L, 8, 3, "123.457"},
      {-1.5L, 10, 2, "-1.50"},
      {7, 10, 0, "7"},
      // Fewer significant digits than decimals allow.
      {1234567.891L, 8, 3, "1234567.900"},
      {0.000123456L, 3, 8, "0.00012300"},
      // Too many integer digits: general with the same precision.
      {12345678901.0L, 10, 2, "1.23456789E10"},
      {1234567890.0L, 10, 2, "1234567890.00"},
      {9999999999.999L, 10, 2, "1E10"},
      // Tiny magnitudes: unsigned zero below 10^(-N-1), "-0.00" up to -0.005.
      {-0.0001L, 10, 2, "0.00"},
      {0.0001L, 10, 2, "0.00"},
      {-0.001L, 10, 2, "-0.00"},
      {-0.0049L, 10, 2, "-0.00"},
      {-0.005L, 10, 2, "-0.01"},
      {0.001L, 10, 2, "0.00"},
      {0.5L, 10, 0, "1"},
      {-0.4L, 10, 0, "-0"},
      {999.995L, 18, 2, "1000.00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fixedText(c.value, c.precision, c.decimals), c.text) << c.text;
  }
}

TEST(EngineText, GeneralAndFinancialFormats) {
  EXPECT_EQ(engineText(1.0L / 3.0L, "%15.2f"), "           0.33");
  EXPECT_EQ(engineText(1.0L / 3.0L, "%g"), "0.333333333333333");
  EXPECT_EQ(engineText(15.5L, "%15.2f"), "          15.50");
  EXPECT_EQ(engineText(-1234567.125L, "%15.2f"), "    -1234567.13");
  EXPECT_EQ(engineText(12345678901234567.0L, "%15.2f"), "12345678901234567.00");
  EXPECT_EQ(engineText(1e19L, "%15.2f"), "           1E19");
  EXPECT_EQ(engineText(15.5L, "anything"), "15.5");
}

TEST(MemoryText, TwentyThreeCharacterScientificForm) {
  const struct {
    Real value;
    const char* text;
  } cases[] = {
      {8, " 8.00000000000000E+0000"},           {-0.25L, "-2.50000000000000E-0001"},
      {-2, "-2.00000000000000E+0000"},          {0, " 0.00000000000000E+0000"},
      {1.0L / 3.0L, " 3.33333333333333E-0001"}, {9.999999999999999L, " 1.00000000000000E+0001"},
      {12345.678L, " 1.23456780000000E+0004"},  {1e-4000L, " 1.00000000000000E-4000"},
  };
  for (const auto& c : cases) {
    const std::string text = memoryText(c.value);
    EXPECT_EQ(text, c.text);
    EXPECT_EQ(text.size(), 23u);
  }
}

TEST(TextToNumber, AcceptsTheGrammar) {
  const struct {
    const char* text;
    Real value;
  } cases[] = {
      {"0", 0},
      {"12", 12},
      {".", 0},
      {"5.", 5},
      {".5", 0.5L},
      {"  -1.5  ", -1.5L},
      {"+3", 3},
      {"5E", 5},
      {"5E+", 5},
      {"1.5E+3", 1500},
      {"1.5e3", 1500},
      {"2E-2", 0.02L},
      {"-.", 0},
      {"00", 0},
      {"1E-5000", 0},
      {"0.1", 0.1L},
      {" 8.00000000000000E+0000", 8},
      {"           0.33", 0.33L},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textToNumber(c.text), c.value) << c.text;
  }
}

TEST(TextToNumber, RejectsEverythingElseWithTheConversionMessage) {
  const char* bad[] = {"",     " ",   "-",   "+",       "1.2.3", "E5",
                       "1,5",  "abc", "1-",  "1 2",     "--1",   "1E5E5",
                       "0x10", "inf", "nan", "1E99999", "ERROR", "1.5E+3.2"};
  for (const char* text : bad) {
    try {
      textToNumber(text);
      ADD_FAILURE() << "accepted '" << text << "'";
    } catch (const Fault& f) {
      EXPECT_EQ(f.kind(), FaultKind::Conversion);
      EXPECT_EQ(std::string(f.what()),
                "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(TextToNumber, HonoursTheDecimalCharacter) {
  EXPECT_EQ(textToNumber("1,5", ','), 1.5L);
  EXPECT_THROW(textToNumber("1.5", ','), Fault);
}

TEST(TextToNumberEitherPoint, ACommaOrAFullStopIsThePoint) {
  struct Case {
    const char* text;
    Real value;
  };
  const Case cases[] = {
      {"1,5", 1.5L},
      {"1.5", 1.5L},
      {",5", 0.5L},
      {",", 0},  // a lone point reads as 0
      {"7", 7},
      {" 8,00000000000000E+0000", 8},  // memory texts of either locale
      {"-2.50000000000000E-0001", -0.25L},
      {"           1,50", 1.5L},  // the display in the Fin format
  };
  for (const Case& c : cases) EXPECT_EQ(textToNumberEitherPoint(c.text), c.value) << c.text;
}

TEST(TextToNumberEitherPoint, GroupingOrASecondPointIsNoNumber) {
  for (const char* text : {"1,000.5", "1.000,5", "1,2,3", "1.2.3", "1 000", ""}) {
    try {
      (void)textToNumberEitherPoint(text);
      ADD_FAILURE() << text;
    } catch (const Fault& f) {
      EXPECT_EQ(std::string(f.what()),
                "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(TradePoint, SwapsTheLocalePointAndTheFullStop) {
  struct Case {
    const char* text;
    char point;
    const char* traded;
  };
  const Case cases[] = {
      {"1234,50", ',', "1234.50"},
      {"1234.50", ',', "1234,50"},
      {"1,2.3", ',', "1.2,3"},
      {"'1.2.3' is not a valid floating point value", ',',
       "'1,2,3' is not a valid floating point value"},
      {"", ',', ""},
      {"1,5", '.', "1,5"},
      {"1.5", '.', "1.5"},
      {"1.5", ';', "1;5"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(tradePoint(c.text, c.point), c.traded) << c.text;
    EXPECT_EQ(tradePoint(tradePoint(c.text, c.point), c.point), c.text) << c.text;
  }
}

TEST(NumberTexts, IgnoreTheCLibraryLocale) {
  // The program's C library takes the user's locale at start-up.
  const std::string before = setlocale(LC_ALL, nullptr);
  ASSERT_NE(setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
      << "the de_DE.UTF-8 locale is missing: scripts/setup generates it";
  const Real read = textToNumber("1.5");
  const std::string general = generalText(1234.5L, 15);
  const std::string fixed = fixedText(-0.125L, 10, 2);
  const std::string roundTrip = roundTripText(0.1);
  const std::string memory = memoryText(8);
  setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(read, 1.5L);
  EXPECT_EQ(general, "1234.5");
  EXPECT_EQ(fixed, "-0.13");
  EXPECT_EQ(roundTrip, "0.1");
  EXPECT_EQ(memory, " 8.00000000000000E+0000");
}

TEST(TextToNumber, ReadsTheNearestExtendedValue) {
  EXPECT_EQ(textToNumber("3.14159265358979323851"), kPi);
  EXPECT_EQ(textToNumber("0.1"), 0.1L);
  EXPECT_NE(textToNumber("0.1"), static_cast<Real>(0.1));  // not via double
}

TEST(ErrorReport, AppendsAFullStopAfterCharactersAboveThePoint) {
  EXPECT_EQ(errorReportText("'x' is not a valid floating point value"),
            "'x' is not a valid floating point value.");
  EXPECT_EQ(errorReportText("Floating point overflow"), "Floating point overflow.");
  EXPECT_EQ(errorReportText("Done."), "Done.");
  EXPECT_EQ(errorReportText("Really!"), "Really!");
  EXPECT_EQ(errorReportText("(a)"), "(a)");
  EXPECT_EQ(errorReportText("x/"), "x/.");
  EXPECT_EQ(errorReportText(""), "");
}

FaultKind faultOf(void (*f)()) {
  try {
    f();
  } catch (const Fault& fault) {
    return fault.kind();
  }
  return FaultKind::Conversion;  // nothing raised
}

TEST(Ext, RaisesTheThreeFaultsAtTheFailingOperation) {
  const struct {
    void (*op)();
    FaultKind kind;
  } cases[] = {
      {[] { (void)(Ext(0) / Ext(0)); }, FaultKind::InvalidOperation},
      {[] { (void)(Ext(1) / Ext(0)); }, FaultKind::DivisionByZero},
      {[] { (void)(Ext(-1) / Ext(0)); }, FaultKind::DivisionByZero},
      {[] { (void)Sqrt(Ext(-1)); }, FaultKind::InvalidOperation},
      {[] { (void)Ln(Ext(-1)); }, FaultKind::InvalidOperation},
      {[] { (void)Ln(Ext(0)); }, FaultKind::DivisionByZero},
      {[] { (void)Exp(Ext(20000)); }, FaultKind::Overflow},
      {[] { (void)(Ext(1e4000L) * Ext(1e4000L)); }, FaultKind::Overflow},
      {[] { (void)(Ext(1e4932L) + Ext(1e4932L)); }, FaultKind::Overflow},
      {[] { (void)(Ext(1e4000L) / Ext(1e-4000L)); }, FaultKind::Overflow},
      {[] { (void)Power(Ext(0), Ext(-1)); }, FaultKind::DivisionByZero},
      {[] { (void)Power(Ext(-8), Ext(1.0L / 3)); }, FaultKind::InvalidOperation},
      {[] { (void)Power(Ext(10), Ext(5000)); }, FaultKind::Overflow},
  };
  for (const auto& c : cases) EXPECT_EQ(faultOf(c.op), c.kind);
  EXPECT_EQ(faultMessage(FaultKind::InvalidOperation), "Invalid floating point operation");
  EXPECT_EQ(faultMessage(FaultKind::DivisionByZero), "Floating point division by zero");
  EXPECT_EQ(faultMessage(FaultKind::Overflow), "Floating point overflow");
}

TEST(Ext, UnderflowIsNotAFault) {
  EXPECT_EQ((Ext(1e-4000L) * Ext(1e-4000L)).value(), 0);
  EXPECT_EQ(Exp(Ext(-20000)).value(), 0);
}

TEST(Power, FollowsTheSharedRules) {
  const struct {
    Real base, exponent, result;
  } cases[] = {
      {2, 10, 1024}, {0, 0, 1},       {0, 3, 0},    {-2, 3, -8},     {-2, 2, 4},
      {-2, 0, 1},    {-2, -1, -0.5L}, {4, 0.5L, 2}, {10, -2, 0.01L}, {1, 1e30L, 1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(generalText(Power(Ext(c.base), Ext(c.exponent)).value(), 15),
              generalText(c.result, 15))
        << c.base << "^" << c.exponent;
  }
  EXPECT_EQ(generalText(Power(Ext(27), Ext(1) / Ext(3)).value(), 15), "3");
}

TEST(Growth, TinyRatesStillCount) {
  // (1 + i)^n - 1 is about n i when n i is small; 1 + i itself rounds to 1.
  const struct {
    Real rate, periods;
  } cases[] = {
      {1e-15L, 12}, {1e-21L, 10400}, {2.7e-16L, 365}, {-1e-19L, 60}, {3e-25L, -12},
  };
  for (const auto& c : cases) {
    const Real expected = c.periods * c.rate * (1 + (c.periods - 1) * c.rate / 2);
    const Real minusOne = GrowthMinusOne(Ext(c.rate), Ext(c.periods)).value();
    EXPECT_LT(fabsl(minusOne / expected - 1), 1e-15L) << c.rate << " over " << c.periods;
    EXPECT_EQ(Growth(Ext(c.rate), Ext(c.periods)).value(), 1 + minusOne) << c.rate;
  }
}

TEST(Growth, OrdinaryRatesAgreeWithThePower) {
  const struct {
    Real rate, periods;
  } cases[] = {
      {0.1L, 1},  {0.01L, 12}, {0.085L / 12, 36},    {0.05L / 365, 365}, {0.08L, -10},
      {-0.5L, 3}, {2, 0.5L},   {0.07L / 104, 10400}, {0.3L, 1.0L / 12},
  };
  for (const auto& c : cases) {
    const Real power = Power(Ext(1) + Ext(c.rate), Ext(c.periods)).value();
    // The power itself is off by about n ulps of 1 + i.
    EXPECT_LT(fabsl(Growth(Ext(c.rate), Ext(c.periods)).value() / power - 1), 1e-15L) << c.rate;
    EXPECT_LT(fabsl(GrowthMinusOne(Ext(c.rate), Ext(c.periods)).value() / (power - 1) - 1), 1e-14L)
        << c.rate;
  }
  EXPECT_EQ(Growth(Ext(0), Ext(12)).value(), 1);
  EXPECT_EQ(GrowthMinusOne(Ext(0), Ext(12)).value(), 0);
  EXPECT_EQ(Growth(Ext(-3), Ext(0)).value(), 1);
}

TEST(Growth, KeepsThePowersFaults) {
  const struct {
    void (*op)();
    FaultKind kind;
  } cases[] = {
      {[] { (void)Growth(Ext(-1), Ext(-1)); }, FaultKind::DivisionByZero},
      {[] { (void)GrowthMinusOne(Ext(-1), Ext(-12)); }, FaultKind::DivisionByZero},
      {[] { (void)Growth(Ext(-3), Ext(0.5L)); }, FaultKind::InvalidOperation},
      {[] { (void)GrowthMinusOne(Ext(-3), Ext(1.0L / 12)); }, FaultKind::InvalidOperation},
      {[] { (void)Growth(Ext(9), Ext(5000)); }, FaultKind::Overflow},
      {[] { (void)GrowthMinusOne(Ext(1e300L), Ext(20)); }, FaultKind::Overflow},
      {[] { (void)Growth(Ext(1e4932L), Ext(2)); }, FaultKind::Overflow},
  };
  for (const auto& c : cases) EXPECT_EQ(faultOf(c.op), c.kind);
  EXPECT_EQ(Growth(Ext(-1), Ext(3)).value(), 0);
  EXPECT_EQ(Growth(Ext(-3), Ext(3)).value(), -8);
}

TEST(RoundTripText, ShortestTextThatReadsBack) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0, "0"},
      {0.1, "0.1"},
      {-2.5, "-2.5"},
      {0.1234567890123456789, "0.12345678901234568"},
      {2.0 / 3.0, "0.6666666666666666"},
      {1.7976931348623157e308, "1.7976931348623157E308"},
      {4.9406564584124654e-324, "5E-324"},
      {0.000005, "5E-6"},
      {0.000516, "0.000516"},
      {123456789012345.0, "123456789012345"},
      {1234567890123456.0, "1.234567890123456E15"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(roundTripText(c.value), c.text) << c.text;
    EXPECT_EQ(roundTripText(c.value, ','), [&] {
      std::string t = c.text;
      for (char& ch : t) ch = ch == '.' ? ',' : ch;
      return t;
    }()) << c.text;
  }
}

TEST(RoundTripText, EveryDoubleReadsBackInSeventeenDigitsAtMost) {
  uint64_t bits = 0x9E3779B97F4A7C15ull;
  for (int n = 0; n < 20000; ++n) {
    bits ^= bits << 13;
    bits ^= bits >> 7;
    bits ^= bits << 17;
    double v = 0;
    std::memcpy(&v, &bits, sizeof v);
    if (!std::isfinite(v)) continue;
    const std::string text = roundTripText(v);
    EXPECT_EQ(static_cast<double>(textToNumber(text)), v) << text;
    std::string digits;
    for (char ch : text.substr(0, text.find('E'))) {
      if (ch >= '0' && ch <= '9' && (ch != '0' || !digits.empty())) digits += ch;
    }
    EXPECT_LE(digits.size(), 17u) << text;
  }
}

TEST(FieldText, KeepsFittingTextsAndCutsOnlyDecimals) {
  const struct {
    Real value;
    const char* text;
    int maxLength;
    const char* shown;
  } cases[] = {
      {kPi, "3.14159265358979", 10, "3.14159265"},
      {kPi, "3.14159265358979", 15, "3.1415926535897"},
      {kPi, "3.14159265358979", 0, "3.14159265358979"},
      {123.457L, "123.457", 6, "123.45"},
      {1500, "1500", 10, "1500"},
      {12345.678L, "12345.678", 6, "12345."},
      {12345.678L, "12345.678", 5, "12345"},
      // Cutting would lose integer digits or the exponent: general that fits.
      {31415926535.8979L, "31415926535.8979", 10, "3.14159E10"},
      {2.025000166e-5L, "2.025000166E-5", 7, "2.03E-5"},
      {-31415926535.8979L, "-31415926535.8979", 10, "-3.1416E10"},
      {1.23456789012345e-5L, "1.23456789012345E-5", 10, "1.23457E-5"},
      {123456789012.0L, "123456789012.00", 10, "1.23457E11"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(fieldText(c.value, c.text, c.maxLength), c.shown) << c.text;
  }
}

// Bytes of UTF-8 text are negative chars, other scripts' digits are no
// digits here, and a code point must not be cut to its low 16 bits.
TEST(Digits, OnlyTheTenAsciiDigitsWhateverTheWidth) {
  struct Case {
    char32_t c;
    bool digit;
  };
  const Case cases[] = {
      {U'0', true},       {U'9', true},       {U'/', false},          {U':', false},
      {U'\u0660', false}, {U'\uFF10', false}, {U'\U00010030', false}, {U'\U0001D7CE', false},
  };
  for (const Case& c : cases) EXPECT_EQ(isDigit(c.c), c.digit) << static_cast<unsigned>(c.c);
  EXPECT_TRUE(isDigit('5'));
  EXPECT_FALSE(isDigit(static_cast<char>(0xB9)));  // a UTF-8 continuation byte
  EXPECT_TRUE(isDigit(u'7'));
  EXPECT_FALSE(isDigit(static_cast<char16_t>(0x0660)));
}

}  // namespace
