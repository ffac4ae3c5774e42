// The pricing window's solver: cost, selling price and the gross profit
// margin, which is a percentage of the selling price. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/module_solve.h"
#include "finance/profit_window.h"
#include "finance/window_data.h"

namespace tivorum {

// The ProfitGroup item: the quantity to compute.
enum class PricingSolveFor { Cost, SellingPrice, Margin };

struct PricingInput {
  std::string cost;    // CostEnter
  std::string sell;    // SellEnter
  std::string margin;  // ProfitEnter, percent of the selling price
  PricingSolveFor solveFor = PricingSolveFor::Cost;
  int costMaxLength = pricing_window::kCost.maxLength;
  int sellMaxLength = pricing_window::kSell.maxLength;
  int marginMaxLength = pricing_window::kMargin.maxLength;
};

// SolveButtonClick without the window. Reads every non-empty field as a
// double (a bad text fails even where it is not used), stops with a message
// when an input is empty or exactly "0", writes the result (amounts
// fixed(10,2), margin fixed(10,3)) and appends the tape block. Faults are
// thrown before anything is written.
void SolvePricing(const PricingInput& in, ModuleSolve& out, Tape& tape);

}  // namespace tivorum
