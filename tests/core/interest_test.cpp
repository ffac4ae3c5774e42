#include "finance/interest.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "finance_cases.h"

using namespace tivorum;
using namespace tivorum::test;

namespace {

int periodIndex(std::string_view caption) {
  for (size_t i = 0; i < kPaymentPeriods.size(); ++i) {
    if (kPaymentPeriods[i].caption == caption) return static_cast<int>(i);
  }
  ADD_FAILURE() << "no period " << caption;
  return 0;
}

struct RateCase {
  const char* period;
  InterestSolveFor solveFor;
  const char* given;  // the other rate's text
  const char* solved;
};

TEST(SolveInterest, ConvertsInThreeSignificantDigits) {
  const RateCase cases[] = {
      {"Monthly", InterestSolveFor::ActualRate, "12", "12.7"},
      {"Monthly", InterestSolveFor::NominalRate, "12", "11.4"},
      {"Annual", InterestSolveFor::ActualRate, "10", "10"},
      {"Annual", InterestSolveFor::NominalRate, "10", "10"},
      {"Day (365)", InterestSolveFor::ActualRate, "5", "5.13"},
      // The rounded text converts back to the rate it came from.
      {"Monthly", InterestSolveFor::NominalRate, "12.7", "12"},
      {"Day (365)", InterestSolveFor::NominalRate, "5.13", "5"},
      {"Quarterly", InterestSolveFor::ActualRate, "8", "8.24"},
      {"Quarterly", InterestSolveFor::NominalRate, "8.24", "8"},
      {"Weekly", InterestSolveFor::ActualRate, "6.5", "6.71"},
      {"Weekly", InterestSolveFor::NominalRate, "100", "69.8"},
      {"Day (360)", InterestSolveFor::ActualRate, "18", "19.7"},
      {"Semi-Annual", InterestSolveFor::ActualRate, "7.25", "7.38"},
      {"Semi-Annual", InterestSolveFor::NominalRate, "0.5", "0.499"},
      {"Monthly", InterestSolveFor::ActualRate, "0.001", "0.001"},
      {"Monthly", InterestSolveFor::ActualRate, "0", "0"},
      {"Monthly", InterestSolveFor::NominalRate, "0", "0"},
      // 1000 and more is written in E notation.
      {"Monthly", InterestSolveFor::ActualRate, "1000", "1.44E5"},
      // A pasted -100 gives a zero base: the nominal rate is -m * 100.
      {"Monthly", InterestSolveFor::NominalRate, "-100", "-1.2E3"},
      // Rates too small to change 1 + i at extended precision still count.
      {"Monthly", InterestSolveFor::ActualRate, "1E-15", "1E-15"},
      {"Day (365)", InterestSolveFor::ActualRate, "2.5E-14", "2.5E-14"},
      {"Weekly", InterestSolveFor::NominalRate, "3E-15", "3E-15"},
  };
  for (const RateCase& c : cases) {
    SCOPED_TRACE(std::string(c.period) + " " + c.given);
    InterestInput in;
    in.periodIndex = periodIndex(c.period);
    in.solveFor = c.solveFor;
    const bool nominal = c.solveFor == InterestSolveFor::NominalRate;
    (nominal ? in.actualRate : in.nominalRate) = c.given;
    ModuleSolve out;
    MemoryTape tape;
    SolveInterest(in, out, tape);
    EXPECT_FALSE(out.stopped());
    EXPECT_EQ(writesOf(out),
              (Writes{{nominal ? "NominalRateEnter" : "ActualRateEnter", c.solved}}));
    const std::string nominalText = nominal ? c.solved : c.given;
    const std::string actualText = nominal ? c.given : c.solved;
    EXPECT_EQ(tape.lines, (std::vector<std::string>{"Nominal Rate (%): " + nominalText,
                                                    std::string("Compounding Period: ") + c.period,
                                                    "Actual Rate (%): " + actualText, ""}));
  }
}

TEST(SolveInterest, TapeGetsThreeLinesAndAnEmptyOneAfterWhatWasThere) {
  InterestInput in;
  in.nominalRate = "12";
  in.actualRate = "99";  // overwritten
  in.periodIndex = 3;    // Monthly
  ModuleSolve out;
  MemoryTape tape;
  tape.append("= 5");
  SolveInterest(in, out, tape);
  EXPECT_EQ(tape.lines,
            (std::vector<std::string>{"= 5", "Nominal Rate (%): 12", "Compounding Period: Monthly",
                                      "Actual Rate (%): 12.7", ""}));
}

TEST(SolveInterest, EmptyGivenRateStopsWithAMessage) {
  struct Case {
    InterestSolveFor solveFor;
    const char* nominal;
    const char* actual;
    const char* message;
  };
  const Case cases[] = {
      {InterestSolveFor::NominalRate, "5", "",
       "You must enter a value in the \"Actual Rate\" field."},
      {InterestSolveFor::ActualRate, "", "5",
       "You must enter a value in the \"Nominal Rate\" field."},
  };
  for (const Case& c : cases) {
    InterestInput in;
    in.nominalRate = c.nominal;
    in.actualRate = c.actual;
    in.solveFor = c.solveFor;
    ModuleSolve out;
    MemoryTape tape;
    SolveInterest(in, out, tape);
    EXPECT_EQ(out.message, c.message);
    EXPECT_TRUE(out.writes.empty());
    EXPECT_TRUE(tape.lines.empty());
  }
}

TEST(SolveInterest, FaultsStopBeforeAnythingIsWritten) {
  struct Case {
    const char* period;
    InterestSolveFor solveFor;
    const char* given;
    const char* message;
  };
  const Case cases[] = {
      {"Monthly", InterestSolveFor::ActualRate, "1.2.3",
       "'1.2.3' is not a valid floating point value"},
      {"Monthly", InterestSolveFor::NominalRate, "12%",
       "'12%' is not a valid floating point value"},
      {"Day (365)", InterestSolveFor::ActualRate, "1E20", "Floating point overflow"},
      // A negative base to the power 1/m has no real value.
      {"Monthly", InterestSolveFor::NominalRate, "-200", "Invalid floating point operation"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.given);
    InterestInput in;
    in.periodIndex = periodIndex(c.period);
    in.solveFor = c.solveFor;
    (c.solveFor == InterestSolveFor::NominalRate ? in.actualRate : in.nominalRate) = c.given;
    ModuleSolve out;
    MemoryTape tape;
    try {
      SolveInterest(in, out, tape);
      ADD_FAILURE() << "no fault";
    } catch (const Fault& f) {
      EXPECT_EQ(std::string(f.what()), c.message);
    }
    EXPECT_TRUE(out.writes.empty());
    EXPECT_TRUE(tape.lines.empty());
  }
}

TEST(SolveInterest, OnlyTheGivenRateIsRead) {
  // The field being solved may hold anything: it is overwritten, not read.
  InterestInput in;
  in.nominalRate = "not a number";
  in.actualRate = "12";
  in.periodIndex = 3;
  in.solveFor = InterestSolveFor::NominalRate;
  ModuleSolve out;
  MemoryTape tape;
  SolveInterest(in, out, tape);
  EXPECT_EQ(writesOf(out), (Writes{{"NominalRateEnter", "11.4"}}));
}

}  // namespace
