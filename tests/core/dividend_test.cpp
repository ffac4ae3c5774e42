#include "finance/dividend.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "finance_cases.h"

using namespace tivorum;
using namespace tivorum::test;

namespace {

struct DividendCase {
  DividendSolveFor solveFor;
  const char* dividend;
  const char* price;
  const char* yield;
  const char* control;
  const char* written;
};

TEST(SolveDividend, WritesTheSelectedQuantityFittedToItsField) {
  const DividendCase cases[] = {
      {DividendSolveFor::Yield, "2", "50", "", "YieldEnter", "4"},
      // general(10) gives 4.026845638; the field keeps 7 characters.
      {DividendSolveFor::Yield, "1.5", "37.25", "", "YieldEnter", "4.02684"},
      {DividendSolveFor::Yield, "1", "3", "", "YieldEnter", "33.3333"},
      {DividendSolveFor::Yield, "3", "7", "", "YieldEnter", "42.8571"},
      {DividendSolveFor::Yield, "0.07", "19.5", "", "YieldEnter", "0.35897"},
      {DividendSolveFor::Yield, "1", "1E9", "", "YieldEnter", "1E-7"},
      // 12345600 would lose integer digits when cut: fewer digits instead.
      {DividendSolveFor::Yield, "123456", "1", "", "YieldEnter", "1.235E7"},
      {DividendSolveFor::Dividend, "", "50", "4", "DivEnter", "2.00"},
      {DividendSolveFor::Dividend, "", "123.45", "3.3", "DivEnter", "4.07"},
      {DividendSolveFor::Dividend, "", "0.01", "0.5", "DivEnter", "0.00"},
      {DividendSolveFor::Price, "2", "", "4", "PriceEnter", "50.00"},
      {DividendSolveFor::Price, "1.23", "", "3.7", "PriceEnter", "33.24"},
      {DividendSolveFor::Price, "5", "", "0.0001", "PriceEnter", "5000000.00"},
      // More than 10 integer digits: general(10).
      {DividendSolveFor::Price, "1", "", "1E-9", "PriceEnter", "1E11"},
      // general(10) gives -1.23456789E10, 14 characters; 13 hold the whole number.
      {DividendSolveFor::Price, "-1234567.89", "", "0.01", "PriceEnter", "-12345678900"},
      // The solved field's old text is replaced.
      {DividendSolveFor::Yield, "2", "50", "17", "YieldEnter", "4"},
  };
  for (const DividendCase& c : cases) {
    SCOPED_TRACE(std::string(c.dividend) + " " + c.price + " " + c.yield);
    DividendInput in{c.dividend, c.price, c.yield, c.solveFor};
    ModuleSolve out;
    MemoryTape tape;
    SolveDividend(in, out, tape);
    EXPECT_FALSE(out.stopped());
    EXPECT_EQ(writesOf(out), (Writes{{c.control, c.written}}));
    std::string d = c.dividend, p = c.price, y = c.yield;
    (c.solveFor == DividendSolveFor::Dividend ? d
     : c.solveFor == DividendSolveFor::Price  ? p
                                              : y) = c.written;
    EXPECT_EQ(tape.lines,
              (std::vector<std::string>{"------ Dividend ------", "Dividend ($): " + d,
                                        "Price per Share ($): " + p, "Yield (%): " + y}));
  }
}

TEST(SolveDividend, TapeBlockShowsTypedTextsAndTheResult) {
  DividendInput in{"1.5", "37.25", "", DividendSolveFor::Yield};
  ModuleSolve out;
  MemoryTape tape;
  tape.append("earlier");
  SolveDividend(in, out, tape);
  EXPECT_EQ(tape.lines,
            (std::vector<std::string>{"earlier", "------ Dividend ------", "Dividend ($): 1.5",
                                      "Price per Share ($): 37.25", "Yield (%): 4.02684"}));
}

TEST(SolveDividend, MissingOrZeroInputStopsWithTheItemsMessage) {
  struct Case {
    DividendSolveFor solveFor;
    const char* dividend;
    const char* price;
    const char* yield;
    const char* message;
  };
  const char* yieldAndPrice =
      "You must enter non-zero values in the \"Yield\" and \"Price per Share\" fields.";
  const char* yieldAndDividend =
      "You must enter non-zero values in the \"Yield\" and \"Dividend\" fields.";
  const char* dividendAndPrice =
      "You must enter non-zero values in the \"Dividend\" and \"Price per Share\" fields.";
  const Case cases[] = {
      {DividendSolveFor::Yield, "2", "0", "", dividendAndPrice},
      {DividendSolveFor::Yield, "", "50", "", dividendAndPrice},
      {DividendSolveFor::Yield, "0", "50", "4", dividendAndPrice},
      {DividendSolveFor::Dividend, "2", "50", "", yieldAndPrice},
      {DividendSolveFor::Dividend, "2", "", "4", yieldAndPrice},
      {DividendSolveFor::Dividend, "", "0", "0", yieldAndPrice},
      {DividendSolveFor::Price, "", "50", "4", yieldAndDividend},
      {DividendSolveFor::Price, "2", "50", "0", yieldAndDividend},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dividend) + "|" + c.price + "|" + c.yield);
    DividendInput in{c.dividend, c.price, c.yield, c.solveFor};
    ModuleSolve out;
    MemoryTape tape;
    SolveDividend(in, out, tape);
    EXPECT_EQ(out.message, c.message);
    EXPECT_TRUE(out.writes.empty());
    EXPECT_TRUE(tape.lines.empty());
  }
}

TEST(SolveDividend, FaultsStopBeforeAnythingIsWritten) {
  struct Case {
    DividendSolveFor solveFor;
    const char* dividend;
    const char* price;
    const char* yield;
    const char* message;
  };
  const Case cases[] = {
      {DividendSolveFor::Yield, "2", "0.0", "", "Floating point division by zero"},
      {DividendSolveFor::Yield, "0.0", "0.00", "", "Invalid floating point operation"},
      {DividendSolveFor::Price, "2", "", "00", "Floating point division by zero"},
      // Every non-empty field is read, the one to be solved too.
      {DividendSolveFor::Dividend, "1.2.3", "50", "4",
       "'1.2.3' is not a valid floating point value"},
      {DividendSolveFor::Yield, "2", "50x", "", "'50x' is not a valid floating point value"},
      // Held in double precision: beyond its range is an overflow ...
      {DividendSolveFor::Yield, "2", "1E400", "", "Floating point overflow"},
      // ... and below it the price reads as 0.
      {DividendSolveFor::Yield, "2", "1E-400", "", "Floating point division by zero"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.dividend) + "|" + c.price + "|" + c.yield);
    DividendInput in{c.dividend, c.price, c.yield, c.solveFor};
    ModuleSolve out;
    MemoryTape tape;
    try {
      SolveDividend(in, out, tape);
      ADD_FAILURE() << "no fault";
    } catch (const Fault& f) {
      EXPECT_EQ(std::string(f.what()), c.message);
    }
    EXPECT_TRUE(out.writes.empty());
    EXPECT_TRUE(tape.lines.empty());
  }
}

}  // namespace
