// The dividend window's solver: dividend per share, price per share and the
// percentage yield, any one from the other two. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/dividend_window.h"
#include "finance/module_solve.h"
#include "finance/window_data.h"

namespace tivorum {

// The DividendGroup item: the quantity to compute.
enum class DividendSolveFor { Dividend, Price, Yield };

struct DividendInput {
  std::string dividend;  // DivEnter, D per share
  std::string price;     // PriceEnter, P per share
  std::string yield;     // YieldEnter, Y percent
  DividendSolveFor solveFor = DividendSolveFor::Yield;
  int dividendMaxLength = dividend_window::kDividend.maxLength;
  int priceMaxLength = dividend_window::kPrice.maxLength;
  int yieldMaxLength = dividend_window::kYield.maxLength;
};

// DivSolveButtonClick without the window. Reads the non-empty fields as
// doubles, stops with a message when an input is empty or exactly "0",
// writes the result (amounts fixed(10,2), yield general(10), fitted to the
// field) and appends the tape block. Faults are thrown before anything is
// written.
void SolveDividend(const DividendInput& in, ModuleSolve& out, Tape& tape);

}  // namespace tivorum
