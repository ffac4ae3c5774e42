// The interest window's solver: a nominal annual rate compounded m times a
// year against the actual (effective) annual rate it amounts to. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace interest_window {

inline constexpr std::string_view kCaption = "Interest";
inline constexpr int kClientWidth = 277;
inline constexpr int kClientHeight = 222;
inline constexpr std::string_view kHelpTopic = "Interest";

// Each item labels the field beside it.
inline constexpr std::array<std::string_view, 2> kGroupItems{"Nominal Rate (%):",
                                                             "Actual Rate (%):"};
inline constexpr RadioGroupData kGroup{
    "InterestGroup", "", kGroupItems, 1,
    "Select \"Nominal Rate\" or \"Actual Rate\" given\ncompounding period and opposite value."};

inline constexpr EntryFieldData kNominalRate{"NominalRateEnter", 0, "", ""};
inline constexpr EntryFieldData kActualRate{"ActualRateEnter", 0, "", ""};

// Items: the captions of kPaymentPeriods; FormActivate selects "Annual".
inline constexpr std::string_view kPeriodLabelName = "PeriodLabel";
inline constexpr std::string_view kPeriodLabelCaption = "Compounding Period:";
inline constexpr std::string_view kPeriodBoxName = "PeriodDropDown";
inline constexpr int kPeriodInitialIndex = 0;
inline constexpr std::string_view kPeriodHint = "Select compounding period.";

inline constexpr ButtonData kSolveButton{"InterestSolveButton", kSolveCaption,
                                         "Solve for value selected."};
inline constexpr ButtonData kCloseButton{"CloseInterestButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"InterestHelpButton", kHelpCaption, kHelpHint};

}  // namespace interest_window

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
