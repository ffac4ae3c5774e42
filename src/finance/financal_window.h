// What the financial window shows, as plain data: objectNames, captions, hints,
// field lengths and the window's size. The solver writes its results and its
// tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace financial_window {

inline constexpr std::string_view kCaption = "Financial Calculations";
inline constexpr int kClientWidth = 275;
inline constexpr int kClientHeight = 351;
inline constexpr std::string_view kHelpTopic = "Financial";

inline constexpr std::array<std::string_view, 4> kGroupItems{
    "Present Value ($):", "Future Value ($):", "Interest Rate (%):", "Payment ($):"};
inline constexpr RadioGroupData kGroup{
    .name = "AnnuityGroup",
    .items = kGroupItems,
    .initialIndex = 1,
    .hint =
        "Select \"Present Value\", Future Value\",\n\"Interest Rate\", or \"Payment\" given "
        "other\namounts.",
};

// Beside the group's items, in item order.
inline constexpr EntryFieldData kPresentValue{
    .name = "APVEnter",
    .maxLength = 13,
    .hint = "Enter present value amount.",
};
inline constexpr EntryFieldData kFutureValue{
    .name = "AFVEnter",
    .maxLength = 13,
    .hint = "Enter future value amount.",
};
inline constexpr EntryFieldData kRate{
    .name = "AIREnter",
    .maxLength = 13,
    .hint = "Enter interest rate.",
};
inline constexpr EntryFieldData kPayment{
    .name = "APayEnter",
    .maxLength = 13,
    .initialText = "0",
    .hint = "Enter amount of payment, if any.",
};

inline constexpr std::string_view kPeriodLabelName = "FinPeriodLabel";
inline constexpr std::string_view kPeriodLabelCaption = "Compounding Period:";
inline constexpr std::string_view kPeriodBoxName = "FinDropDownBox";
inline constexpr int kPeriodInitialIndex = 0;  // "Annual", set by FormActivate
inline constexpr std::string_view kPeriodHint = "Select compounding period for calculations.";

inline constexpr std::array<std::string_view, 3> kTypeItems{"Compound Interest", "Ordinary Annuity",
                                                            "Annuity Due"};
inline constexpr RadioGroupData kTypeGroup{
    .name = "FinSelectGroup",
    .caption = "Calculation Type",
    .items = kTypeItems,
    .initialIndex = 1,
    .hint = "Select type of calculation.",
};

inline constexpr ButtonData kSolveButton{"FinSolveButton", kSolveCaption,
                                         "Solve for selected value given others."};
inline constexpr ButtonData kCloseButton{"FinCloseButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"FinHelpButton", kHelpCaption, kHelpHint};

}  // namespace financial_window

}  // namespace tivorum
