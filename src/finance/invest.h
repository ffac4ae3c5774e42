// The investment window's solver: starting amount, target or periodic
// addition of an investment growing over whole years, after tax, with the
// target's value in today's money. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/invest_window.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

// The three-way choice of InvestStartGroup's two items and PeriodicRadio.
enum class InvestSolveFor { StartingAmount, TargetAmount, PeriodicAmount };

struct InvestInput {
  std::string start;                                     // StartEnter
  std::string target;                                    // TargetEnter
  std::string amount;                                    // AmountEnter, the addition per period
  std::string annualReturn;                              // ReturnEnter, percent
  std::string tax;                                       // TaxEnter, percent
  std::string inflation;                                 // InflationEnter, percent
  int years = 1;                                         // NumberYearsSpin
  int periodIndex = invest_window::kPeriodInitialIndex;  // into kInvestmentPeriods
  InvestSolveFor solveFor = InvestSolveFor::StartingAmount;
  int startMaxLength = 0;
  int targetMaxLength = 0;
  int amountMaxLength = 0;
  int returnMaxLength = 0;
  int taxMaxLength = 0;
  int inflationMaxLength = 0;
  int futureMaxLength = 0;
};

// SolveButtonClick without the window. Empty return, amount, tax and
// inflation fields are refilled with "0" first (recorded in `out`); then the
// solved field and FutureShow are written and the tape block appended, or the
// solve stops with a message. Faults are thrown, with `out` holding whatever
// was written before them.
void SolveInvestment(const InvestInput& in, ModuleSolve& out, Tape& tape);

// ReturnEnterExit, AmountEnterExit, TaxEnterExit, InflationEnterExit: an
// empty field becomes "0".
inline std::string investFieldAfterExit(std::string_view text) {
  return text.empty() ? std::string("0") : std::string(text);
}

}  // namespace tivorum
