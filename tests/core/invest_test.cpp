#include "finance/invest.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "finance_cases.h"

using namespace tivorum;
using namespace tivorum::test;

namespace {

constexpr int kAnnually = 0;
constexpr int kBiMonthly = 1;
constexpr int kBiWeekly = 2;
constexpr int kMonthly = 3;
constexpr int kQuarterly = 4;
constexpr int kSemiAnnually = 5;
constexpr int kSemiMonthly = 6;
constexpr int kSemiWeekly = 7;
constexpr int kWeekly = 8;

using S = InvestSolveFor;
InvestInput invest(S solveFor, std::string start, std::string target, std::string amount,
                   std::string annualReturn, int years, int periodIndex, std::string tax = "0",
                   std::string inflation = "0") {
  InvestInput in;
  in.solveFor = solveFor;
  in.start = std::move(start);
  in.target = std::move(target);
  in.amount = std::move(amount);
  in.annualReturn = std::move(annualReturn);
  in.years = years;
  in.periodIndex = periodIndex;
  in.tax = std::move(tax);
  in.inflation = std::move(inflation);
  return in;
}

SolveRun run(const InvestInput& in) {
  return runSolver(SolveInvestment, in);
}

struct SolvedCase {
  const char* what;
  InvestInput in;
  Writes expected;
};

TEST(SolveInvestment, WritesTheSolvedAmountAndTodaysValue) {
  const SolvedCase cases[] = {
      // Examples.
      {"target",
       invest(S::TargetAmount, "1000", "", "0", "8", 10, kAnnually),
       {{"TargetEnter", "2158.92"}, {"FutureShow", "2158.92"}}},
      {"target, inflation 3",
       invest(S::TargetAmount, "1000", "", "0", "8", 10, kAnnually, "0", "3"),
       {{"TargetEnter", "2158.92"}, {"FutureShow", "1606.44"}}},
      {"target, tax 25",
       invest(S::TargetAmount, "1000", "", "0", "8", 10, kAnnually, "25"),
       {{"TargetEnter", "1790.85"}, {"FutureShow", "1790.85"}}},
      {"start",
       invest(S::StartingAmount, "", "2158.92", "0", "8", 10, kAnnually),
       {{"StartEnter", "1000.00"}, {"FutureShow", "2158.92"}}},
      {"periodic",
       invest(S::PeriodicAmount, "1000", "10000", "0", "8", 10, kMonthly),
       {{"AmountEnter", "42.53"}, {"FutureShow", "10000.00"}}},
      {"target with additions",
       invest(S::TargetAmount, "1000", "", "100", "8", 10, kMonthly),
       {{"TargetEnter", "20514.24"}, {"FutureShow", "20514.24"}}},
      {"start 0.00 accepted",
       invest(S::TargetAmount, "0.00", "", "100", "8", 10, kMonthly),
       {{"TargetEnter", "18294.60"}, {"FutureShow", "18294.60"}}},
      // Against the standard formulas, evaluated independently at 60 digits.
      {"bi-monthly",
       invest(S::TargetAmount, "5000", "", "50", "6", 5, kBiMonthly, "20", "2"),
       {{"TargetEnter", "8037.90"}, {"FutureShow", "7274.20"}}},
      {"bi-weekly",
       invest(S::TargetAmount, "2500", "", "25", "7", 20, kBiWeekly, "0", "2.5"),
       {{"TargetEnter", "38417.89"}, {"FutureShow", "23307.23"}}},
      {"semi-monthly",
       invest(S::StartingAmount, "", "50000", "100", "5", 15, kSemiMonthly, "30", "3"),
       {{"StartEnter", "1596.97"}, {"FutureShow", "31890.37"}}},
      {"semi-weekly",
       invest(S::StartingAmount, "", "100000", "0", "9", 30, kSemiWeekly),
       {{"StartEnter", "6728.40"}, {"FutureShow", "100000.00"}}},
      {"weekly",
       invest(S::PeriodicAmount, "0.00", "1000000", "0", "7", 40, kWeekly, "15", "3"),
       {{"AmountEnter", "116.87"}, {"FutureShow", "301298.45"}}},
      {"withdrawals",
       invest(S::PeriodicAmount, "20000", "15000", "0", "4", 5, kQuarterly),
       {{"AmountEnter", "-427.08"}, {"FutureShow", "15000.00"}}},
      {"a century",
       invest(S::TargetAmount, "100", "", "10", "12", 100, kSemiAnnually, "0", "4"),
       {{"TargetEnter", "30700074.37"}, {"FutureShow", "584931.59"}}},
      // Returns too small to change 1 + i in extended precision still count.
      {"target, tiny return",
       invest(S::TargetAmount, "1", "", "100", "0.0000000000001", 100, kSemiWeekly),
       {{"TargetEnter", "1040001.00"}, {"FutureShow", "1040001.00"}}},
      {"start, tiny return",
       invest(S::StartingAmount, "", "1040001", "100", "0.0000000000001", 100, kSemiWeekly),
       {{"StartEnter", "1.00"}, {"FutureShow", "1040001.00"}}},
      {"periodic, tiny return",
       invest(S::PeriodicAmount, "1", "866633", "0", "0.000000000000000000001", 100, kSemiWeekly),
       {{"AmountEnter", "83.33"}, {"FutureShow", "866633.00"}}},
      {"tiny inflation",
       invest(S::TargetAmount, "1", "", "100", "0.0000000000001", 100, kSemiWeekly, "0", "1E-19"),
       {{"TargetEnter", "1040001.00"}, {"FutureShow", "1040001.00"}}},
  };
  for (const SolvedCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.out.message, "");
    EXPECT_EQ(writesOf(r.out), c.expected);
    EXPECT_EQ(r.tape.lines.size(), 10u);
  }
}

TEST(SolveInvestment, TapeBlock) {
  const SolveRun r =
      run(invest(S::PeriodicAmount, "1000", "10000", "0", "8", 10, kMonthly, "0", "2"));
  ASSERT_EQ(r.fault, "");
  EXPECT_EQ(r.tape.lines, (std::vector<std::string>{
                              "------ Investment ------",
                              "Starting amount ($): 1000",
                              "Target amount ($): 10000",
                              "Future value: 8188.67",
                              "Number of Years: 10",
                              "% Annual return on Investment (expected): 8",
                              "Investment  Amount ($): 42.53",
                              "How Often?: Monthly",
                              "Tax rate (%): 0",
                              "Inflation rate (%): 2",
                          }));
}

struct MessageCase {
  const char* what;
  InvestInput in;
  const char* message;
};

TEST(SolveInvestment, MissingStartOrTargetWritesNothing) {
  const char* target = "You must enter a value in the \"Target Amount\" field.";
  const char* start = "You must enter a value in the \"Starting Amount\" field.";
  const char* both =
      "You must enter values in the \"Starting Amount\" and \"Target Amount\" fields.";
  const MessageCase cases[] = {
      {"start, no target", invest(S::StartingAmount, "5", "", "0", "8", 10, kAnnually), target},
      {"start, target 0", invest(S::StartingAmount, "5", "0", "0", "8", 10, kAnnually), target},
      {"target, no start", invest(S::TargetAmount, "", "5", "0", "8", 10, kAnnually), start},
      {"target, start 0", invest(S::TargetAmount, "0", "5", "0", "8", 10, kAnnually), start},
      {"periodic, no start", invest(S::PeriodicAmount, "", "5", "0", "8", 10, kAnnually), both},
      {"periodic, no target", invest(S::PeriodicAmount, "5", "0", "0", "8", 10, kAnnually), both},
  };
  for (const MessageCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.out.message, c.message);
    EXPECT_TRUE(r.out.writes.empty());
    EXPECT_TRUE(r.tape.lines.empty());
  }
}

struct FaultCase {
  const char* what;
  InvestInput in;
  const char* fault;
  Writes kept;
};

TEST(SolveInvestment, FaultsKeepOnlyTheRefills) {
  const FaultCase cases[] = {
      {"return still 0",
       invest(S::TargetAmount, "1000", "", "0", "0", 10, kAnnually),
       "Invalid floating point operation",
       {}},
      {"tax 100",
       invest(S::StartingAmount, "", "1000", "0", "8", 10, kAnnually, "100"),
       "Invalid floating point operation",
       {}},
      {"empty return refilled, then 0/0",
       invest(S::TargetAmount, "1000", "", "", "", 10, kMonthly, "", ""),
       "Invalid floating point operation",
       {{"ReturnEnter", "0"}, {"AmountEnter", "0"}, {"TaxEnter", "0"}, {"InflationEnter", "0"}}},
      {"pasted start",
       invest(S::TargetAmount, "1.2.3", "", "0", "8", 10, kAnnually),
       "'1.2.3' is not a valid floating point value",
       {}},
      {"pasted tax after a refill",
       invest(S::TargetAmount, "1000", "", "", "8", 10, kAnnually, "x"),
       "'x' is not a valid floating point value",
       {{"AmountEnter", "0"}}},
      {"overflow",
       invest(S::TargetAmount, "1000", "", "0", "1E40", 100, kSemiWeekly),
       "Floating point overflow",
       {}},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(writesOf(r.out), c.kept);
    EXPECT_TRUE(r.tape.lines.empty());
  }
}

TEST(SolveInvestment, EmptyRatesAndAmountCountAsZero) {
  // Solve pressed by its access key before the fields were left: the empty
  // fields take "0" and the tape shows them so.
  const SolveRun r = run(invest(S::TargetAmount, "1000", "", "", "8", 10, kAnnually, "", ""));
  ASSERT_EQ(r.fault, "");
  EXPECT_EQ(writesOf(r.out), (Writes{{"AmountEnter", "0"},
                                     {"TaxEnter", "0"},
                                     {"InflationEnter", "0"},
                                     {"TargetEnter", "2158.92"},
                                     {"FutureShow", "2158.92"}}));
  ASSERT_EQ(r.tape.lines.size(), 10u);
  EXPECT_EQ(r.tape.lines[6], "Investment  Amount ($): 0");
  EXPECT_EQ(r.tape.lines[8], "Tax rate (%): 0");
  EXPECT_EQ(r.tape.lines[9], "Inflation rate (%): 0");
}

TEST(InvestFieldAfterExit, OnlyAnEmptyFieldChanges) {
  const std::pair<const char*, const char*> cases[] = {{"", "0"}, {"0", "0"}, {"7.5", "7.5"}};
  for (const auto& [text, after] : cases) EXPECT_EQ(investFieldAfterExit(text), after);
}

}  // namespace
