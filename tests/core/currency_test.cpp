#include "finance/currency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "finance_cases.h"

using namespace tivorum;
using namespace tivorum::test;

namespace {

CurrencyFactors allOnes() {
  CurrencyFactors f;
  f.fill(1);
  return f;
}

TEST(FactorText, FiveDecimalsUnlessThatLosesTheFactor) {
  const struct {
    double factor;
    const char* text;
  } cases[] = {
      {1, "1.00000"},
      {1.5, "1.50000"},
      {0.1, "0.10000"},
      {1234.56789, "1234.56789"},
      {12345.6789, "12345.67890"},
      {0.00001, "0.00001"},
      {-2, "-2.00000"},
      // Rounded to five decimals these would read back as another factor.
      {0.000516, "0.000516"},
      {0.000005, "5E-6"},
      {12345.678901, "12345.678901"},
      {123456.123456, "123456.123456"},
      {99999.999999, "99999.999999"},
      {2.0 / 3.0, "0.6666666666666666"},
      {1e-300, "1E-300"},
      {0.1234567890123456789, "0.12345678901234568"},
      {1.7976931348623157e308, "1.7976931348623157E308"},
      {4.9406564584124654e-324, "5E-324"},
      // fixed(10,5) falls back to 10 digits here, which lose the last one.
      {12345678901.0, "12345678901"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(factorText(c.factor), c.text) << c.factor;
    // Leaving the field stores the very factor that was shown.
    CurrencyFactors f = allOnes();
    storeFactor(f, 5, factorText(c.factor));
    EXPECT_EQ(f[5], c.factor) << c.text;
  }
}

TEST(MakeFactorsPositive, ReplacesFactorsNotAboveZeroByOne) {
  CurrencyFactors f = allOnes();
  f[0] = 0;
  f[1] = -1;
  f[2] = 2.5;
  f[3] = 1e-300;
  f[4] = -0.0;
  f[5] = std::numeric_limits<double>::quiet_NaN();
  f[12] = -1e-300;
  makeFactorsPositive(f);
  CurrencyFactors expected = allOnes();
  expected[2] = 2.5;
  expected[3] = 1e-300;
  for (int i = 0; i < kCurrencyCount; ++i) EXPECT_EQ(f[i], expected[i]) << i;
}

TEST(StoreFactor, StoresTheTypedFactorAsADouble) {
  const struct {
    const char* text;
    double stored;
  } cases[] = {
      {"0.000516", 0.000516}, {"2.5", 2.5}, {"0", 0}, {"-3", -3}, {".", 0}, {"1E-400", 0},
  };
  for (const auto& c : cases) {
    CurrencyFactors f = allOnes();
    storeFactor(f, 7, c.text);
    EXPECT_EQ(f[7], c.stored) << c.text;
    EXPECT_EQ(f[6], 1);
  }
}

TEST(StoreFactor, BadTextLeavesTheTableAlone) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", "'' is not a valid floating point value"},
      {"1.2.3", "'1.2.3' is not a valid floating point value"},
      {"1E400", "Floating point overflow"},
  };
  for (const auto& c : cases) {
    CurrencyFactors f = allOnes();
    f[4] = 2.5;
    try {
      storeFactor(f, 4, c.text);
      ADD_FAILURE() << "no fault for " << c.text;
    } catch (const Fault& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(f[4], 2.5);
  }
}

struct ConvertCase {
  CurrencyDirection direction;
  int position;
  double factor;
  const char* amount;  // typed in the field of the direction
  const char* factorShown;
  const char* result;
  std::vector<std::string> tape;
};

TEST(SolveCurrency, ConvertsAtTheSelectedFactor) {
  using D = CurrencyDirection;
  const std::string h = "--- Currency Conversion ---";
  const std::string c = "converts to";
  const ConvertCase cases[] = {
      {D::ToDollars,
       1,
       1.5,
       "100",
       "1.50000",
       "150.00",
       {h, "100 British Pound", c, "150.00 US $"}},
      {D::FromDollars,
       1,
       1.5,
       "150",
       "1.50000",
       "100.00",
       {h, "150 US $", c, "100.00 British Pound"}},
      // More than 10 integer digits: general(10).
      {D::ToDollars,
       0,
       1,
       "12345678901",
       "1.00000",
       "1.23456789E10",
       {h, "12345678901 Belgian Franc", c, "1.23456789E10 US $"}},
      // The factor is shown, and used, as typed.
      {D::ToDollars,
       4,
       0.000516,
       "1000000",
       "0.000516",
       "516.00",
       {h, "1000000 German Mark", c, "516.00 US $"}},
      {D::FromDollars,
       4,
       0.000516,
       "1000",
       "0.000516",
       "1937984.50",
       {h, "1000 US $", c, "1937984.50 German Mark"}},
      {D::ToDollars, 3, 0.1, "3", "0.10000", "0.30", {h, "3 French Frank", c, "0.30 US $"}},
      {D::ToDollars,
       0,
       1234.56789,
       "2.5",
       "1234.56789",
       "3086.42",
       {h, "2.5 Belgian Franc", c, "3086.42 US $"}},
      {D::FromDollars, 12, 3, "2", "3.00000", "0.67", {h, "2 US $", c, "0.67 United States $"}},
      {D::FromDollars, 7, 1e-300, "1", "1E-300", "1E300", {h, "1 US $", c, "1E300 Japanese Yen"}},
      // Amounts go to the tape as typed.
      {D::ToDollars,
       11,
       2,
       "007.50",
       "2.00000",
       "15.00",
       {h, "007.50 Swiss Franc", c, "15.00 US $"}},
  };
  for (const ConvertCase& k : cases) {
    SCOPED_TRACE(std::string(k.amount) + " at " + k.factorShown);
    CurrencyFactors factors = allOnes();
    factors[k.position] = k.factor;
    CurrencyInput in;
    in.direction = k.direction;
    in.position = k.position;
    const bool toDollars = k.direction == D::ToDollars;
    (toDollars ? in.from : in.to) = k.amount;
    ModuleSolve out;
    MemoryTape tape;
    SolveCurrency(in, factors, out, tape);
    EXPECT_FALSE(out.stopped());
    EXPECT_EQ(writesOf(out), (Writes{{"CurFactor", k.factorShown},
                                     {toDollars ? "CurToEnter" : "CurFromEnter", k.result}}));
    EXPECT_EQ(tape.lines, k.tape);
    EXPECT_EQ(factors[k.position], k.factor);
  }
}

TEST(SolveCurrency, UsesTheTableNotTheFactorFieldText) {
  // A typed factor counts only once leaving the field has stored it.
  CurrencyFactors factors = allOnes();
  factors[2] = 2;
  CurrencyInput in;
  in.position = 2;
  in.from = "10";
  in.factor = "5";
  ModuleSolve out;
  MemoryTape tape;
  SolveCurrency(in, factors, out, tape);
  EXPECT_EQ(writesOf(out), (Writes{{"CurFactor", "2.00000"}, {"CurToEnter", "20.00"}}));

  storeFactor(factors, 2, "5");
  ModuleSolve again;
  SolveCurrency(in, factors, again, tape);
  EXPECT_EQ(writesOf(again), (Writes{{"CurFactor", "5.00000"}, {"CurToEnter", "50.00"}}));
}

TEST(SolveCurrency, ZeroOrNegativeFactorsBecomeOneEverywhere) {
  CurrencyFactors factors = allOnes();
  storeFactor(factors, 1, "0");
  factors[5] = -4;
  factors[9] = 0.25;
  CurrencyInput in;
  in.position = 1;
  in.from = "100";
  ModuleSolve out;
  MemoryTape tape;
  SolveCurrency(in, factors, out, tape);
  EXPECT_EQ(writesOf(out), (Writes{{"CurFactor", "1.00000"}, {"CurToEnter", "100.00"}}));
  EXPECT_EQ(factors[1], 1);
  EXPECT_EQ(factors[5], 1);
  EXPECT_EQ(factors[9], 0.25);
}

TEST(SolveCurrency, EmptyAmountStopsWithAMessageAfterShowingTheFactor) {
  const struct {
    CurrencyDirection direction;
    const char* from;
    const char* to;
    const char* message;
  } cases[] = {
      {CurrencyDirection::ToDollars, "", "150",
       "The \"Convert From [foreign currency]\" and \"Conversion Factor\" fields must contain "
       "valid data."},
      {CurrencyDirection::FromDollars, "100", "",
       "The \"Convert From United States $\" and \"Conversion Factor\" fields must contain valid "
       "data."},
  };
  for (const auto& c : cases) {
    CurrencyFactors factors = allOnes();
    factors[6] = -1;
    CurrencyInput in;
    in.direction = c.direction;
    in.position = 6;
    in.from = c.from;
    in.to = c.to;
    ModuleSolve out;
    MemoryTape tape;
    SolveCurrency(in, factors, out, tape);
    EXPECT_EQ(out.message, c.message);
    EXPECT_EQ(writesOf(out), (Writes{{"CurFactor", "1.00000"}}));
    EXPECT_TRUE(tape.lines.empty());
    EXPECT_EQ(factors[6], 1);
  }
}

TEST(SolveCurrency, FaultKeepsTheFactorWriteAndAddsNoTape) {
  const struct {
    CurrencyDirection direction;
    const char* amount;
    const char* message;
  } cases[] = {
      {CurrencyDirection::ToDollars, "1.2.3", "'1.2.3' is not a valid floating point value"},
      {CurrencyDirection::FromDollars, "$5", "'$5' is not a valid floating point value"},
      {CurrencyDirection::ToDollars, "1E4930", "Floating point overflow"},
  };
  for (const auto& c : cases) {
    CurrencyFactors factors = allOnes();
    factors[0] = 0;
    factors[1] = 1000;
    CurrencyInput in;
    in.direction = c.direction;
    in.position = 1;
    (c.direction == CurrencyDirection::ToDollars ? in.from : in.to) = c.amount;
    ModuleSolve out;
    MemoryTape tape;
    try {
      SolveCurrency(in, factors, out, tape);
      ADD_FAILURE() << "no fault for " << c.amount;
    } catch (const Fault& e) {
      EXPECT_EQ(std::string(e.what()), c.message);
    }
    EXPECT_EQ(writesOf(out), (Writes{{"CurFactor", "1000.00000"}}));
    EXPECT_TRUE(tape.lines.empty());
    EXPECT_EQ(factors[0], 1);
  }
}

}  // namespace
