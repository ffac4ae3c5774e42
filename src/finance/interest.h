// The interest window's solver: a nominal annual rate compounded m times a
// year against the actual (effective) annual rate it amounts to. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/interest_window.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

// The InterestGroup item: the rate to compute.
enum class InterestSolveFor { NominalRate, ActualRate };

struct InterestInput {
  std::string nominalRate;                                 // NominalRateEnter, percent
  std::string actualRate;                                  // ActualRateEnter, percent
  int periodIndex = interest_window::kPeriodInitialIndex;  // into kPaymentPeriods
  InterestSolveFor solveFor = InterestSolveFor::ActualRate;
  int nominalRateMaxLength = interest_window::kNominalRate.maxLength;
  int actualRateMaxLength = interest_window::kActualRate.maxLength;
};

// InterestSolveButtonClick without the window. Stops with a message when the
// given rate is empty; otherwise writes the other rate in general(3) and
// appends its three lines and an empty line to the tape, one by one. Faults
// are thrown before anything is written.
void SolveInterest(const InterestInput& in, ModuleSolve& out, Tape& tape);

}  // namespace tivorum
