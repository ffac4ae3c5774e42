#include "finance/loan.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "finance_cases.h"

using namespace tivorum;
using namespace tivorum::test;

namespace {

SolveRun run(const LoanInput& in) {
  return runSolver(SolveLoan, in);
}

LoanInput loan(std::string principal, std::string rate, std::string payment, int periodIndex, int n,
               int k, LoanSolveFor solveFor, std::string down = "0") {
  LoanInput in;
  in.principal = std::move(principal);
  in.rate = std::move(rate);
  in.payment = std::move(payment);
  in.downPayment = std::move(down);
  in.periodIndex = periodIndex;
  in.periods = n;
  in.afterPayment = k;
  in.solveFor = solveFor;
  return in;
}

// The four balance fields, in the order they are written.
Writes balance(const char* b, const char* accrued, const char* interest, const char* principal) {
  return {{"LoanBalanceShow", b},
          {"AccruedInterestShow", accrued},
          {"IntInPmtShow", interest},
          {"PrinInPayShow", principal}};
}

Writes concat(Writes a, const Writes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

TEST(SolveLoan, PaymentExampleWritesFieldsAndTapeBlock) {
  const SolveRun r = run(loan("10000", "8.5", "", kMonthly, 36, 12, LoanSolveFor::Payment));
  ASSERT_EQ(r.fault, "");
  EXPECT_EQ(r.out.message, "");
  EXPECT_TRUE(r.out.spins.empty());
  EXPECT_EQ(writesOf(r.out), concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "315.68"}},
                                    balance("6944.69", "732.79", "51.07", "264.61")));
  EXPECT_EQ(r.tape.lines, (std::vector<std::string>{
                              "------- Loan -------",
                              "Payment Period: Monthly",
                              "Number of Periods: 36",
                              "Principal ($): 10000",
                              "Annual Interest Rate (APR) (%) : 8.5",
                              "Payment ($): 315.68",
                              "Down Payment ($): 0.00",
                              "Loan Balance Information --",
                              "After Payment Number:  12",
                              "Principal Balance: 6944.69",
                              "Accrued Interest: 732.79",
                              "Interest in Pmt: 51.07",
                              "Principal in Pmt: 264.61",
                              " ",
                          }));
}

TEST(SolveLoan, RateExampleTapeBlock) {
  const SolveRun r = run(loan("10000", "", "315.68", kMonthly, 36, 0, LoanSolveFor::Rate, "250"));
  ASSERT_EQ(r.fault, "");
  EXPECT_EQ(writesOf(r.out), concat({{"DownPayEnter", "0.00"}, {"LoanAPREnter", "8.501"}},
                                    balance("10000.00", "0.00", "0.00", "0.00")));
  EXPECT_EQ(r.tape.lines, (std::vector<std::string>{
                              "------- Loan -------",
                              "Payment Period: Monthly",
                              "Number of Periods: 36",
                              "Principal ($): 10000",
                              "Annual Interest Rate (APR) (%) : 8.501",
                              "Payment ($): 315.68",
                              "Down Payment ($): 0.00",
                              "Loan Balance Information --",
                              "After Payment Number:  0",
                              "Principal Balance: 10000.00",
                              "Accrued Interest: 0.00",
                              "Interest in Pmt: 0.00",
                              "Principal in Pmt: 0.00",
                              " ",
                          }));
}

TEST(SolveLoan, DownExampleSolvesOnlyTheDownPayment) {
  const SolveRun monthly =
      run(loan("12000", "8.5", "315.68", kMonthly, 36, 0, LoanSolveFor::DownPayment, "5"));
  ASSERT_EQ(monthly.fault, "");
  EXPECT_EQ(writesOf(monthly.out),
            concat({{"DownPayEnter", "1999.85"}}, balance("10000.15", "0.00", "0.00", "0.00")));
  ASSERT_EQ(monthly.tape.lines.size(), 14u);
  EXPECT_EQ(monthly.tape.lines[3], "Principal ($): 12000");
  EXPECT_EQ(monthly.tape.lines[6], "Down Payment ($): 1999.85");
}

struct ReferenceCase {
  const char* what;
  LoanInput in;
  Writes expected;
};

// Expected texts from the standard annuity formulas evaluated independently
// at 60 digits (rates by bisection), rounded half up.
TEST(SolveLoan, AgreesWithTheAnnuityFormula) {
  const ReferenceCase cases[] = {
      {"mortgage", loan("250000", "6.75", "", kMonthly, 360, 120, LoanSolveFor::Payment),
       concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "1621.50"}},
              balance("213252.50", "157831.93", "1201.91", "419.59"))},
      {"weekly", loan("5000", "12", "", kWeekly, 104, 50, LoanSolveFor::Payment),
       concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "54.13"}},
              balance("2745.35", "451.95", "6.45", "47.69"))},
      {"quarterly", loan("20000", "4", "", kQuarterly, 20, 7, LoanSolveFor::Payment),
       concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "1108.31"}},
              balance("13447.90", "1206.04", "144.12", "964.19"))},
      {"daily", loan("1500", "18", "", kDay365, 90, 45, LoanSolveFor::Payment),
       concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "17.04"}},
              balance("758.32", "25.27", "0.38", "16.66"))},
      {"last payment", loan("80000", "7.25", "", kSemiAnnual, 30, 29, LoanSolveFor::Payment),
       concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "4418.09"}},
              balance("4263.54", "52388.26", "303.70", "4114.39"))},
      {"one period", loan("1000", "3", "", kAnnual, 1, 1, LoanSolveFor::Payment),
       concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "1030.00"}},
              balance("0.00", "30.00", "30.00", "1000.00"))},
      {"principal", loan("", "5.5", "1200", kMonthly, 240, 100, LoanSolveFor::Principal),
       concat({{"DownPayEnter", "0.00"}, {"LoanPrinEnter", "174447.18"}},
              balance("123791.14", "69343.96", "570.26", "629.74"))},
      {"principal, k = N", loan("", "9", "75.5", kWeekly, 156, 156, LoanSolveFor::Principal),
       concat({{"DownPayEnter", "0.00"}, {"LoanPrinEnter", "10314.14"}},
              balance("0.00", "1463.86", "0.13", "75.37"))},
      {"rate", loan("18000", "", "400", kMonthly, 60, 24, LoanSolveFor::Rate),
       concat({{"DownPayEnter", "0.00"}, {"LoanAPREnter", "11.956"}},
              balance("12050.62", "3650.62", "122.83", "277.17"))},
      {"rate, high", loan("1000", "", "110", kMonthly, 12, 3, LoanSolveFor::Rate),
       concat({{"DownPayEnter", "0.00"}, {"LoanAPREnter", "54.638"}},
              balance("797.66", "127.66", "39.53", "70.47"))},
      {"rate, annual", loan("5000", "", "1500", kAnnual, 4, 2, LoanSolveFor::Rate),
       concat({{"DownPayEnter", "0.00"}, {"LoanAPREnter", "7.714"}},
              balance("2685.43", "685.43", "299.74", "1200.26"))},
      {"rate, quarterly", loan("1000", "", "400", kQuarterly, 4, 1, LoanSolveFor::Rate),
       concat({{"DownPayEnter", "0.00"}, {"LoanAPREnter", "87.449"}},
              balance("818.62", "218.62", "218.62", "181.38"))},
      {"down", loan("30000", "6", "500", kMonthly, 48, 10, LoanSolveFor::DownPayment),
       concat({{"DownPayEnter", "8709.84"}}, balance("17264.93", "974.77", "88.38", "411.62"))},
      // Rates too small to change 1 + i in extended precision still count.
      {"tiny rate", loan("1000", "1E-15", "", kMonthly, 12, 6, LoanSolveFor::Payment),
       concat({{"DownPayEnter", "0.00"}, {"LoanPayEnter", "83.33"}},
              balance("500.00", "0.00", "0.00", "83.33"))},
      {"tiny rate, principal",
       loan("", "1E-12", "100", kMonthly, 360, 100, LoanSolveFor::Principal),
       concat({{"DownPayEnter", "0.00"}, {"LoanPrinEnter", "36000.00"}},
              balance("26000.00", "0.00", "0.00", "100.00"))},
  };
  for (const ReferenceCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.out.message, "");
    EXPECT_EQ(writesOf(r.out), c.expected);
    EXPECT_EQ(r.tape.lines.size(), 14u);
  }
}

struct LoanRateCase {
  const char* what;
  const char* principal;
  const char* payment;
  int n;
  const char* shown;  // empty: the rate cannot be found
};

TEST(SolveLoan, RateIterationStopsOnTheStepsMagnitude) {
  const LoanRateCase cases[] = {
      // A signed stop test would end after the first (negative) step at 11.607.
      {"long mortgage", "100000", "1000", 360, "11.627"},
      {"same shape, small amounts", "100", "1", 360, "11.627"},
      {"three-year loan", "10000", "315.68", 36, "8.501"},
      // Rates of 100 % and more are cut to the six-character field.
      {"over 100 %", "1000", "200", 12, "203.31"},
      {"huge, exponent kept", "1", "1000", 360, "1.2E6"},
      // Paying back less than borrowed is a negative rate, still above -100 %.
      {"negative", "10000", "800", 12, "-7.470"},
      {"strongly negative", "10000", "100", 12, "-280.3"},
      // Start value exactly 0: payments without interest.
      {"no interest", "12000", "1000", 12, ""},
      // Start value below -100 % per period.
      {"start out of range", "10000", "1", 12, ""},
      // Does not settle within the bound of rounds.
      {"no convergence", "100000", "1", 360, ""},
      {"stuck near -100 %", "10000", "1", 100, ""},
  };
  for (const LoanRateCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(loan(c.principal, "", c.payment, kMonthly, c.n, 0, LoanSolveFor::Rate));
    ASSERT_EQ(r.fault, "");
    if (*c.shown) {
      EXPECT_EQ(r.out.message, "");
      EXPECT_EQ(r.out.written("LoanAPREnter"), c.shown);
      EXPECT_EQ(r.tape.lines.size(), 14u);
    } else {
      EXPECT_EQ(r.out.message, "The interest rate cannot be found for these values.");
      // Only the down-payment reset that precedes every solve.
      EXPECT_EQ(writesOf(r.out), (Writes{{"DownPayEnter", "0.00"}}));
      EXPECT_TRUE(r.tape.lines.empty());
    }
  }
}

struct MissingCase {
  LoanSolveFor solveFor;
  const char* principal;
  const char* rate;
  const char* payment;
  const char* message;
};

TEST(SolveLoan, MissingInputsStopWithTheRowsMessage) {
  const char* principalMsg =
      "You must enter values in the \"Interest Rate\" and \"Payment\" fields";
  const char* rateMsg = "You must enter values in the \"Principal\" and \"Payment\" fields";
  const char* paymentMsg =
      "You must enter values in the \"Interest Rate\" and \"Principal\" fields";
  const char* downMsg =
      "You must enter values in the \"Interest Rate\", \"Payment\", and \"Principal\" fields";
  const MissingCase cases[] = {
      {LoanSolveFor::Principal, "", "", "", principalMsg},
      {LoanSolveFor::Principal, "5", "8", "", principalMsg},
      {LoanSolveFor::Principal, "5", "", "100", principalMsg},
      {LoanSolveFor::Principal, "5", "8", "0", principalMsg},  // exactly "0" is not filled
      {LoanSolveFor::Rate, "", "8", "100", rateMsg},
      {LoanSolveFor::Rate, "0", "8", "100", rateMsg},
      {LoanSolveFor::Rate, "1000", "8", "", rateMsg},
      {LoanSolveFor::Payment, "1000", "", "100", paymentMsg},
      {LoanSolveFor::Payment, "", "8", "100", paymentMsg},
      {LoanSolveFor::Payment, "1000", "0", "100", paymentMsg},
      {LoanSolveFor::DownPayment, "", "8", "100", downMsg},
      {LoanSolveFor::DownPayment, "1000", "", "100", downMsg},
      {LoanSolveFor::DownPayment, "1000", "8", "", downMsg},
  };
  for (const MissingCase& c : cases) {
    SCOPED_TRACE(std::string(c.principal) + "|" + c.rate + "|" + c.payment);
    const SolveRun r = run(loan(c.principal, c.rate, c.payment, kMonthly, 36, 0, c.solveFor, "7"));
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.out.message, c.message);
    EXPECT_TRUE(r.tape.lines.empty());
    // The down-payment reset happens before the check, except when solving it.
    const Writes expected =
        c.solveFor == LoanSolveFor::DownPayment ? Writes{} : Writes{{"DownPayEnter", "0.00"}};
    EXPECT_EQ(writesOf(r.out), expected);
  }
}

TEST(SolveLoan, ZeroPointZeroIsFilled) {
  const SolveRun r = run(loan("", "8.5", "0.00", kMonthly, 36, 0, LoanSolveFor::Principal));
  ASSERT_EQ(r.fault, "");
  EXPECT_EQ(r.out.message, "");
  EXPECT_EQ(r.out.written("LoanPrinEnter"), "0.00");
}

struct AfterPaymentCase {
  int k;
  bool stopsWithMessage;
  std::vector<SpinWrite> spins;
};

TEST(SolveLoan, PaymentNumberAboveTermIsLoweredFirst) {
  const AfterPaymentCase cases[] = {
      {60, false, {{"AfterPayNoSpin", 36}}},
      {60, true, {{"AfterPayNoSpin", 36}}},
      {36, false, {}},
      {0, false, {}},
  };
  for (const AfterPaymentCase& c : cases) {
    SCOPED_TRACE(c.k);
    const SolveRun r = run(loan("10000", c.stopsWithMessage ? "" : "8.5", "", kMonthly, 36, c.k,
                                LoanSolveFor::Payment));
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.out.stopped(), c.stopsWithMessage);
    ASSERT_EQ(r.out.spins.size(), c.spins.size());
    for (size_t i = 0; i < c.spins.size(); ++i) {
      EXPECT_EQ(r.out.spins[i].control, c.spins[i].control);
      EXPECT_EQ(r.out.spins[i].value, c.spins[i].value);
    }
  }
  // At k = N nothing is left owing and the interest paid is N A - F.
  const SolveRun end = run(loan("10000", "8.5", "", kMonthly, 36, 60, LoanSolveFor::Payment));
  EXPECT_EQ(end.out.written("LoanBalanceShow"), "0.00");
  EXPECT_EQ(end.out.written("AccruedInterestShow"), "1364.31");  // 36 * 315.675374... - 10000
  ASSERT_EQ(end.tape.lines.size(), 14u);
  EXPECT_EQ(end.tape.lines[8], "After Payment Number:  36");
}

struct FaultCase {
  const char* what;
  LoanInput in;
  const char* fault;
  Writes keptWrites;
  size_t keptSpins;
};

TEST(SolveLoan, FaultsKeepWhatWasWrittenBefore) {
  const FaultCase cases[] = {
      {"zero rate typed as 0.0",
       loan("10000", "0.0", "", kMonthly, 36, 60, LoanSolveFor::Payment),
       "Invalid floating point operation",
       {{"DownPayEnter", "0.00"}},
       1},
      {"zero rate, principal",
       loan("", "0.0", "100", kMonthly, 36, 0, LoanSolveFor::Principal),
       "Invalid floating point operation",
       {{"DownPayEnter", "0.00"}},
       0},
      {"pasted text",
       loan("1.2.3", "8", "", kMonthly, 36, 60, LoanSolveFor::Payment),
       "'1.2.3' is not a valid floating point value",
       {},
       1},
      {"down payment read even when unused",
       loan("1000", "8", "", kMonthly, 36, 0, LoanSolveFor::Payment, "x"),
       "'x' is not a valid floating point value",
       {},
       0},
      {"rate solve with principal 0.0",
       loan("0.0", "", "100", kMonthly, 36, 0, LoanSolveFor::Rate),
       "Floating point division by zero",
       {{"DownPayEnter", "0.00"}},
       0},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_EQ(writesOf(r.out), c.keptWrites);
    EXPECT_EQ(r.out.spins.size(), c.keptSpins);
    EXPECT_TRUE(r.tape.lines.empty());
  }
}

TEST(SolveLoan, WrittenRateFollowsTheFieldLength) {
  LoanInput in = loan("1000", "", "200", kMonthly, 12, 0, LoanSolveFor::Rate);
  in.rateMaxLength = 0;
  const SolveRun r = run(in);
  EXPECT_EQ(r.out.written("LoanAPREnter"), "203.311");
  ASSERT_EQ(r.tape.lines.size(), 14u);
  EXPECT_EQ(r.tape.lines[4], "Annual Interest Rate (APR) (%) : 203.311");
}

struct ExitCase {
  const char* down;
  const char* principal;
  const char* result;
};

TEST(DownPaymentAfterExit, EmptyBecomesZeroAndNeverAbovePrincipal) {
  const ExitCase cases[] = {
      {"", "", "0"},
      {"", "12000", "0"},
      {"15000", "12000", "12000"},
      {"15000", "12000.", "12000."},  // the principal's text, unchanged
      {"12000", "12000", "12000"},
      {"500", "12000", "500"},
      {"15000", "", "15000"},
      {"1.2.3", "12000", "1.2.3"},
      {"15000", "1.2.3", "15000"},
  };
  for (const ExitCase& c : cases) {
    SCOPED_TRACE(std::string(c.down) + " / " + c.principal);
    EXPECT_EQ(downPaymentAfterExit(c.down, c.principal), c.result);
  }
}

}  // namespace
