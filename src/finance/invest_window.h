// What the investment window shows, as plain data: objectNames, captions, hints,
// field lengths and the window's size. The solver writes its results and its
// tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace invest_window {

inline constexpr std::string_view kCaption = "Investments";
inline constexpr int kClientWidth = 304;
inline constexpr int kClientHeight = 412;
inline constexpr std::string_view kHelpTopic = "Investment";

inline constexpr std::array<std::string_view, 2> kStartGroupItems{"Starting amount ($):",
                                                                  "Target amount ($):"};
inline constexpr RadioGroupData kStartGroup{
    .name = "InvestStartGroup",
    .caption = "Starting Investment",
    .items = kStartGroupItems,
    .initialIndex = 0,
    .hint =
        "Select  \"Starting Amount\" if target amount and\n% return are known. Select \"Target "
        "Amount\"\nif starting amount and % return are known.",
};
inline constexpr EntryFieldData kStart{
    .name = "StartEnter",
    .maxLength = 0,
    .hint = "Enter starting amount of investment.",
};
inline constexpr EntryFieldData kTarget{
    .name = "TargetEnter",
    .maxLength = 0,
    .hint = "Enter target amount of investment.",
};

inline constexpr ResultFieldData kFuture{"FutureLabel", "Future value:", "FutureShow",
                                         "Future value of investment adjusted for rate\nof "
                                         "inflation."};
inline constexpr SpinFieldData kYears{
    .labelName = "NumberYearslabel",
    .labelCaption = "Number of Years:",
    .name = "NumberYearsSpin",
    .minimum = 1,
    .maximum = 100,
    .maxLength = 3,
    .initialValue = 1,
    .hint = "Enter number of years for investment.",
};

inline constexpr std::string_view kReturnLabelName = "ReturnLabel";
inline constexpr std::string_view kReturnLabelCaption = "% Annual return on Investment (expected):";
inline constexpr EntryFieldData kReturn{
    .name = "ReturnEnter",
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter expected annual rate of return on\ninvestment.",
};

inline constexpr std::string_view kPeriodicGroupName = "PeriodicGroup";
inline constexpr std::string_view kPeriodicGroupCaption = "Periodic Investment";
inline constexpr std::string_view kPeriodicGroupHint =
    "Select  to calculate periodic investment\n amount required when starting amount, \ntarget "
    "amount, and % return are known.";
inline constexpr std::string_view kPeriodicRadioName = "PeriodicRadio";
inline constexpr std::string_view kPeriodicRadioCaption = "Investment ";  // initially clear
inline constexpr std::string_view kPeriodicLabelName = "PeriodicLabel";
inline constexpr std::string_view kPeriodicLabelCaption = "Amount ($):";
inline constexpr EntryFieldData kAmount{
    .name = "AmountEnter",
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter amount of periodic investment.",
};

inline constexpr std::string_view kHowOftenLabelName = "HowOftenLabel";
inline constexpr std::string_view kHowOftenLabelCaption = "How Often?:";
inline constexpr std::string_view kPeriodBoxName = "PeriodDropDownBox";
inline constexpr int kPeriodInitialIndex = 0;  // "Annually", set by FormActivate
inline constexpr std::string_view kPeriodHint =
    "Select period of investment (how often amounts\nare added to investment).";

inline constexpr std::string_view kTaxLabelName = "TaxLabel";
inline constexpr std::string_view kTaxLabelCaption = "Tax rate (%):";
inline constexpr EntryFieldData kTax{
    .name = "TaxEnter",
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter % tax rate. Calculations are adjusted\nfor the tax rate shown.",
};
inline constexpr std::string_view kInflationLabelName = "InflationLabel";
inline constexpr std::string_view kInflationLabelCaption = "Inflation rate (%):";
inline constexpr EntryFieldData kInflation{
    .name = "InflationEnter",
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter anticipated % rate of inflation.  Future\nValue of investment is adjusted.",
};

inline constexpr ButtonData kSolveButton{
    "SolveButton", kSolveCaption, "Solve for selected investment amounts using\namounts entered."};
inline constexpr ButtonData kCloseButton{"BitBtn2", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"BitBtn1", kHelpCaption, kHelpHint};

}  // namespace invest_window

}  // namespace tivorum
