#include "finance/profit.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "finance_cases.h"

using namespace tivorum;
using namespace tivorum::test;

namespace {

struct PricingCase {
  PricingSolveFor solveFor;
  const char* cost;
  const char* sell;
  const char* margin;
  const char* control;
  const char* written;
};

TEST(SolvePricing, WritesTheSelectedQuantity) {
  using P = PricingSolveFor;
  const PricingCase cases[] = {
      {P::Cost, "", "100", "20", "CostEnter", "80.00"},
      {P::Cost, "", "19.99", "37.5", "CostEnter", "12.49"},
      {P::Cost, "", "49.95", "12.345", "CostEnter", "43.78"},
      // A pasted negative margin is a loss.
      {P::Cost, "", "100", "-25", "CostEnter", "125.00"},
      {P::Cost, "", "100", "0.0", "CostEnter", "100.00"},
      {P::SellingPrice, "80", "", "20", "SellEnter", "100.00"},
      {P::SellingPrice, "50", "", "35", "SellEnter", "76.92"},
      {P::SellingPrice, "12.5", "", "37.469", "SellEnter", "19.99"},
      // A margin above 100 % gives a negative selling price.
      {P::SellingPrice, "80", "", "150", "SellEnter", "-160.00"},
      {P::SellingPrice, "0.0", "", "20", "SellEnter", "0.00"},
      {P::Margin, "80", "100", "", "ProfitEnter", "20.000"},
      {P::Margin, "100", "80", "", "ProfitEnter", "-25.000"},
      {P::Margin, "12.5", "19.99", "", "ProfitEnter", "37.469"},
      {P::Margin, "1", "3", "", "ProfitEnter", "66.667"},
      // "0.0" is filled in and counts as 0.
      {P::Margin, "0.0", "100", "", "ProfitEnter", "100.000"},
      // The old text of the solved field is replaced.
      {P::Margin, "80", "100", "55", "ProfitEnter", "20.000"},
  };
  for (const PricingCase& c : cases) {
    SCOPED_TRACE(std::string(c.cost) + "|" + c.sell + "|" + c.margin);
    PricingInput in{c.cost, c.sell, c.margin, c.solveFor};
    ModuleSolve out;
    MemoryTape tape;
    SolvePricing(in, out, tape);
    EXPECT_FALSE(out.stopped());
    EXPECT_EQ(writesOf(out), (Writes{{c.control, c.written}}));
    std::string cost = c.cost, sell = c.sell, margin = c.margin;
    (c.solveFor == P::Cost ? cost : c.solveFor == P::SellingPrice ? sell : margin) = c.written;
    EXPECT_EQ(tape.lines, (std::vector<std::string>{
                              "------ Profit/Loss ------", "Cost ($): " + cost,
                              "Selling Price ($): " + sell, "Profit Margin (%): " + margin}));
  }
}

TEST(SolvePricing, TapeBlockShowsTypedTextsAndTheResult) {
  PricingInput in{"", "100", "20", PricingSolveFor::Cost};
  ModuleSolve out;
  MemoryTape tape;
  tape.append("= 7");
  SolvePricing(in, out, tape);
  EXPECT_EQ(tape.lines,
            (std::vector<std::string>{"= 7", "------ Profit/Loss ------", "Cost ($): 80.00",
                                      "Selling Price ($): 100", "Profit Margin (%): 20"}));
}

TEST(SolvePricing, MissingOrZeroInputStopsWithTheItemsMessage) {
  using P = PricingSolveFor;
  struct Case {
    P solveFor;
    const char* cost;
    const char* sell;
    const char* margin;
    const char* message;
  };
  const char* sellAndMargin =
      "You must enter values in the \"Selling Price\" and \"Profit Margin\" fields";
  const char* costAndMargin = "You must enter values in the \"Cost\" and \"Profit Margin\" fields";
  const char* sellAndCost = "You must enter values in the \"Selling Price\" and \"Cost\" fields";
  const Case cases[] = {
      {P::Cost, "80", "", "20", sellAndMargin},
      {P::Cost, "80", "100", "0", sellAndMargin},
      {P::SellingPrice, "", "100", "20", costAndMargin},
      {P::SellingPrice, "80", "100", "0", costAndMargin},
      {P::Margin, "0", "100", "", sellAndCost},
      {P::Margin, "80", "", "20", sellAndCost},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.cost) + "|" + c.sell + "|" + c.margin);
    PricingInput in{c.cost, c.sell, c.margin, c.solveFor};
    ModuleSolve out;
    MemoryTape tape;
    SolvePricing(in, out, tape);
    EXPECT_EQ(out.message, c.message);
    EXPECT_TRUE(out.writes.empty());
    EXPECT_TRUE(tape.lines.empty());
  }
}

TEST(SolvePricing, FaultsStopBeforeAnythingIsWritten) {
  using P = PricingSolveFor;
  struct Case {
    P solveFor;
    const char* cost;
    const char* sell;
    const char* margin;
    const char* message;
  };
  const Case cases[] = {
      {P::SellingPrice, "80", "", "100", "Floating point division by zero"},
      {P::SellingPrice, "0.0", "", "100", "Invalid floating point operation"},
      {P::Margin, "80", "0.0", "", "Floating point division by zero"},
      {P::Margin, "0.0", "0.0", "", "Invalid floating point operation"},
      // Every non-empty field is read, even the one to be computed.
      {P::Cost, "12,50", "100", "20", "'12,50' is not a valid floating point value"},
      {P::Margin, "80", "100", "1.2.3", "'1.2.3' is not a valid floating point value"},
      {P::Cost, "", "1E400", "20", "Floating point overflow"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.cost) + "|" + c.sell + "|" + c.margin);
    PricingInput in{c.cost, c.sell, c.margin, c.solveFor};
    ModuleSolve out;
    MemoryTape tape;
    try {
      SolvePricing(in, out, tape);
      ADD_FAILURE() << "no fault";
    } catch (const Fault& f) {
      EXPECT_EQ(std::string(f.what()), c.message);
    }
    EXPECT_TRUE(out.writes.empty());
    EXPECT_TRUE(tape.lines.empty());
  }
}

}  // namespace
