#include "finance/financal.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "finance_cases.h"

using namespace tivorum;
using namespace tivorum::test;

namespace {

using Q = AnnuityQuantity;
using T = AnnuityType;
using Lines = std::vector<std::string>;

AnnuityInput annuity(T type, Q solveFor, int periodIndex, std::string pv, std::string fv,
                     std::string rate, std::string payment) {
  AnnuityInput in;
  in.type = type;
  in.solveFor = solveFor;
  in.periodIndex = periodIndex;
  in.presentValue = std::move(pv);
  in.futureValue = std::move(fv);
  in.rate = std::move(rate);
  in.payment = std::move(payment);
  return in;
}

SolveRun run(const AnnuityInput& in) {
  return runSolver(SolveAnnuity, in);
}

struct SolvedCase {
  const char* what;
  AnnuityInput in;
  const char* field;
  const char* text;
};

TEST(SolveAnnuity, WritesOnlyTheSolvedField) {
  const SolvedCase cases[] = {
      // Examples.
      {"CI annual FV", annuity(T::CompoundInterest, Q::FutureValue, kAnnual, "1000", "", "10", "0"),
       "AFVEnter", "1100.00"},
      {"CI monthly FV",
       annuity(T::CompoundInterest, Q::FutureValue, kMonthly, "1000", "", "12", "0"), "AFVEnter",
       "1126.83"},
      {"CI monthly rate",
       annuity(T::CompoundInterest, Q::InterestRate, kMonthly, "1000", "1126.83", "", "0"),
       "AIREnter", "12.0004"},
      {"CI annual rate",
       annuity(T::CompoundInterest, Q::InterestRate, kAnnual, "1000", "1126.83", "", "0"),
       "AIREnter", "12.6830"},
      {"OA PV", annuity(T::OrdinaryAnnuity, Q::PresentValue, kMonthly, "", "", "12", "100"),
       "APVEnter", "1125.51"},
      {"OA FV", annuity(T::OrdinaryAnnuity, Q::FutureValue, kMonthly, "", "", "12", "100"),
       "AFVEnter", "1268.25"},
      {"AD PV", annuity(T::AnnuityDue, Q::PresentValue, kMonthly, "", "", "12", "100"), "APVEnter",
       "1136.76"},
      {"AD FV", annuity(T::AnnuityDue, Q::FutureValue, kMonthly, "", "", "12", "100"), "AFVEnter",
       "1280.93"},
      // Against the standard formulas, evaluated independently at 60 digits.
      {"CI PV quarterly",
       annuity(T::CompoundInterest, Q::PresentValue, kQuarterly, "", "5000", "6", "0"), "APVEnter",
       "4710.92"},
      {"CI PV semi-annual",
       annuity(T::CompoundInterest, Q::PresentValue, kSemiAnnual, "9", "2500.5", "3.25", "0"),
       "APVEnter", "2421.17"},
      {"CI FV semi-annual",
       annuity(T::CompoundInterest, Q::FutureValue, kSemiAnnual, "1234.56", "", "7.5", "0"),
       "AFVEnter", "1328.89"},
      {"CI FV daily 365",
       annuity(T::CompoundInterest, Q::FutureValue, kDay365, "800", "", "5", "0"), "AFVEnter",
       "841.01"},
      {"CI FV daily 360",
       annuity(T::CompoundInterest, Q::FutureValue, kDay360, "800", "", "5", "0"), "AFVEnter",
       "841.01"},
      {"CI FV weekly", annuity(T::CompoundInterest, Q::FutureValue, kWeekly, "1000", "", "9", "0"),
       "AFVEnter", "1094.09"},
      {"CI rate annual",
       annuity(T::CompoundInterest, Q::InterestRate, kAnnual, "1000", "1500", "", "0"), "AIREnter",
       "50.0000"},
      {"CI rate monthly",
       annuity(T::CompoundInterest, Q::InterestRate, kMonthly, "2000", "2100", "", "0"), "AIREnter",
       "4.8889"},
      {"CI rate negative",
       annuity(T::CompoundInterest, Q::InterestRate, kQuarterly, "500", "480", "", "0"), "AIREnter",
       "-4.0614"},
      {"CI rate daily",
       annuity(T::CompoundInterest, Q::InterestRate, kDay360, "1000", "1051.27", "", "0"),
       "AIREnter", "5.0002"},
      {"OA PV monthly", annuity(T::OrdinaryAnnuity, Q::PresentValue, kMonthly, "", "", "6", "250"),
       "APVEnter", "2904.73"},
      {"OA FV monthly", annuity(T::OrdinaryAnnuity, Q::FutureValue, kMonthly, "", "", "6", "250"),
       "AFVEnter", "3083.89"},
      {"AD PV monthly", annuity(T::AnnuityDue, Q::PresentValue, kMonthly, "", "", "6", "250"),
       "APVEnter", "2919.26"},
      {"AD FV monthly", annuity(T::AnnuityDue, Q::FutureValue, kMonthly, "", "", "6", "250"),
       "AFVEnter", "3099.31"},
      {"OA PV quarterly",
       annuity(T::OrdinaryAnnuity, Q::PresentValue, kQuarterly, "", "", "8", "1000"), "APVEnter",
       "3807.73"},
      {"OA FV quarterly",
       annuity(T::OrdinaryAnnuity, Q::FutureValue, kQuarterly, "", "", "8", "1000"), "AFVEnter",
       "4121.61"},
      {"AD PV weekly", annuity(T::AnnuityDue, Q::PresentValue, kWeekly, "", "", "5", "50"),
       "APVEnter", "2537.32"},
      {"AD FV weekly", annuity(T::AnnuityDue, Q::FutureValue, kWeekly, "", "", "5", "50"),
       "AFVEnter", "2667.35"},
      {"OA PV annual", annuity(T::OrdinaryAnnuity, Q::PresentValue, kAnnual, "", "", "10", "3000"),
       "APVEnter", "2727.27"},
      {"AD FV annual", annuity(T::AnnuityDue, Q::FutureValue, kAnnual, "", "", "10", "3000"),
       "AFVEnter", "3300.00"},
      {"OA FV daily", annuity(T::OrdinaryAnnuity, Q::FutureValue, kDay365, "", "", "3.65", "10"),
       "AFVEnter", "3717.24"},
      {"AD PV daily", annuity(T::AnnuityDue, Q::PresentValue, kDay360, "", "", "3.6", "10"),
       "APVEnter", "3536.15"},
      // Rates too small to change 1 + i in extended precision still count.
      {"OA FV tiny rate",
       annuity(T::OrdinaryAnnuity, Q::FutureValue, kDay365, "", "", "0.00000000001", "100"),
       "AFVEnter", "36500.00"},
      {"OA PV tiny rate",
       annuity(T::OrdinaryAnnuity, Q::PresentValue, kDay365, "", "", "0.00000000001", "100"),
       "APVEnter", "36500.00"},
      {"AD FV tiny rate", annuity(T::AnnuityDue, Q::FutureValue, kDay365, "", "", "1E-20", "100"),
       "AFVEnter", "36500.00"},
  };
  for (const SolvedCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.out.message, "");
    ASSERT_EQ(r.out.writes.size(), 1u);
    EXPECT_EQ(r.out.writes[0].control, c.field);
    EXPECT_EQ(r.out.writes[0].text, c.text);
    EXPECT_FALSE(r.tape.lines.empty());
  }
}

struct TapeCase {
  const char* what;
  AnnuityInput in;
  Lines lines;
};

TEST(SolveAnnuity, TapeBlocks) {
  const TapeCase cases[] = {
      {"CI, present value last",
       annuity(T::CompoundInterest, Q::PresentValue, kQuarterly, "", "5000", "6", "0"),
       {"------ Compound Interest ------", "Compounding Period: Quarterly",
        "Future Value ($): 5000", "Interest Rate (%): 6", "Present Value ($): 4710.92"}},
      {"CI, future value last",
       annuity(T::CompoundInterest, Q::FutureValue, kMonthly, "1000", "77", "12", "0"),
       {"------ Compound Interest ------", "Compounding Period: Monthly", "Present Value ($): 1000",
        "Interest Rate (%): 12", "Future Value ($): 1126.83"}},
      {"CI, rate last",
       annuity(T::CompoundInterest, Q::InterestRate, kAnnual, "1000", "1126.83", "3", "0"),
       {"------ Compound Interest ------", "Compounding Period: Annual", "Present Value ($): 1000",
        "Future Value ($): 1126.83", "Interest Rate (%): 12.6830"}},
      {"ordinary, the other value as typed, empty",
       annuity(T::OrdinaryAnnuity, Q::PresentValue, kMonthly, "", "", "12", "100"),
       {"------ Ordinary Annuity ------", "Compounding Period: Monthly",
        "Present Value ($): 1125.51", "Future Value ($): ", "Interest Rate (%): 12",
        "Payment ($): 100"}},
      {"due, the other value as typed",
       annuity(T::AnnuityDue, Q::FutureValue, kMonthly, "5", "", "12", "100"),
       {"------ Annuity Due ------", "Compounding Period: Monthly", "Present Value ($): 5",
        "Future Value ($): 1280.93", "Interest Rate (%): 12", "Payment ($): 100"}},
  };
  for (const TapeCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    ASSERT_EQ(r.fault, "");
    EXPECT_EQ(r.tape.lines, c.lines);
  }
}

struct MessageCase {
  const char* what;
  AnnuityInput in;
  const char* message;
};

TEST(SolveAnnuity, MissingInputsAndImpossibleChoicesWriteNothing) {
  const char* fvRate = "You must enter values in the \"Future Value\" and \"Interest rate\" fields";
  const char* pvRate =
      "You must enter values in the \"Present Value\" and \"Interest rate\" fields";
  const char* pvFv = "You must enter values in the \"Present Value\" and \"Future Value\" fields";
  const char* ratePay = "You must enter values in the \"Interest rate\" and \"Payment\" fields";
  const char* select = "You must select \"Present Value\" or \"Future Value\".";
  const char* compoundPayment =
      "Cannot calculate \"Payment\" for a \"Compound Interest\" calculation type.";
  const MessageCase cases[] = {
      {"CI PV, no FV", annuity(T::CompoundInterest, Q::PresentValue, kAnnual, "1", "", "5", "0"),
       fvRate},
      {"CI PV, FV 0", annuity(T::CompoundInterest, Q::PresentValue, kAnnual, "1", "0", "5", "0"),
       fvRate},
      {"CI PV, no rate", annuity(T::CompoundInterest, Q::PresentValue, kAnnual, "", "9", "", "0"),
       fvRate},
      {"CI FV, no PV", annuity(T::CompoundInterest, Q::FutureValue, kAnnual, "", "9", "5", "0"),
       pvRate},
      {"CI FV, rate 0", annuity(T::CompoundInterest, Q::FutureValue, kAnnual, "9", "", "0", "0"),
       pvRate},
      {"CI rate, no FV", annuity(T::CompoundInterest, Q::InterestRate, kAnnual, "9", "", "5", "0"),
       pvFv},
      {"CI rate, no PV", annuity(T::CompoundInterest, Q::InterestRate, kAnnual, "", "9", "5", "0"),
       pvFv},
      {"CI payment", annuity(T::CompoundInterest, Q::Payment, kAnnual, "9", "9", "5", "5"),
       compoundPayment},
      {"OA PV, payment 0",
       annuity(T::OrdinaryAnnuity, Q::PresentValue, kMonthly, "", "", "12", "0"), ratePay},
      {"AD FV, no rate", annuity(T::AnnuityDue, Q::FutureValue, kMonthly, "", "", "", "100"),
       ratePay},
      {"OA rate", annuity(T::OrdinaryAnnuity, Q::InterestRate, kMonthly, "", "", "", "0"), select},
      {"AD payment", annuity(T::AnnuityDue, Q::Payment, kMonthly, "1", "2", "3", "4"), select},
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

TEST(SolveAnnuity, ZeroPointZeroPaymentIsFilled) {
  const SolveRun r =
      run(annuity(T::OrdinaryAnnuity, Q::FutureValue, kMonthly, "", "", "12", "0.00"));
  ASSERT_EQ(r.fault, "");
  EXPECT_EQ(r.out.written("AFVEnter"), "0.00");
}

struct FaultCase {
  const char* what;
  AnnuityInput in;
  const char* fault;
};

TEST(SolveAnnuity, FaultsWriteNothing) {
  const FaultCase cases[] = {
      {"annuity rate 0.0",
       annuity(T::OrdinaryAnnuity, Q::PresentValue, kMonthly, "", "", "0.0", "100"),
       "Invalid floating point operation"},
      {"due rate 0.0", annuity(T::AnnuityDue, Q::FutureValue, kAnnual, "", "", "0.0", "100"),
       "Invalid floating point operation"},
      {"CI rate, PV 0.0",
       annuity(T::CompoundInterest, Q::InterestRate, kAnnual, "0.0", "100", "", "0"),
       "Floating point division by zero"},
      {"pasted text checked before the choice",
       annuity(T::OrdinaryAnnuity, Q::InterestRate, kAnnual, "", "", "", "1.2.3"),
       "'1.2.3' is not a valid floating point value"},
      {"overflow", annuity(T::CompoundInterest, Q::FutureValue, kDay365, "1", "", "1E30", "0"),
       "Floating point overflow"},
  };
  for (const FaultCase& c : cases) {
    SCOPED_TRACE(c.what);
    const SolveRun r = run(c.in);
    EXPECT_EQ(r.fault, c.fault);
    EXPECT_TRUE(r.out.writes.empty());
    EXPECT_TRUE(r.tape.lines.empty());
  }
}

struct GroupCase {
  T type;
  Q clicked;
  const char* message;
  Q selection;
};

TEST(AnnuityGroupClick, PaymentIsRefusedOnlyForCompoundInterest) {
  const GroupCase cases[] = {
      {T::CompoundInterest, Q::Payment,
       "Cannot calculate \"Payment\" for a \"Compound Interest\" calculation type.",
       Q::FutureValue},
      {T::CompoundInterest, Q::InterestRate, "", Q::InterestRate},
      {T::CompoundInterest, Q::PresentValue, "", Q::PresentValue},
      {T::OrdinaryAnnuity, Q::Payment, "", Q::Payment},
      {T::AnnuityDue, Q::Payment, "", Q::Payment},
  };
  for (const GroupCase& c : cases) {
    const AnnuityGroupCheck check = checkAnnuityGroupClick(c.type, c.clicked);
    EXPECT_EQ(check.message, c.message);
    EXPECT_EQ(check.selection, c.selection);
  }
}

}  // namespace
