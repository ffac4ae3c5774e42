// What the investment window shows, as plain data: objectNames, captions,
// hints, field lengths, places, the tab order and the window's size. The solver
// writes its results and its tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace invest_window {

// Captions on the left; fields, lists and spin fields end at one right edge.
inline constexpr std::array<std::string_view, 2> kStartGroupItems{"Starting amount ($):",
                                                                  "Target amount ($):"};
inline constexpr std::array<Spot, 2> kStartGroupSpots{{{8, 24}, {8, 56}}};
// Each item stands in front of its field.
inline constexpr RadioGroupData kStartGroup{
    .name = "InvestStartGroup",
    .caption = "Starting Investment",
    .items = kStartGroupItems,
    .initialIndex = 0,
    .hint =
        "Select  \"Starting Amount\" if target amount and\n% return are known. Select \"Target "
        "Amount\"\nif starting amount and % return are known.",
    .place = {4, 4, 296, 88},
    .itemSpots = kStartGroupSpots,
};
inline constexpr EntryFieldData kStart{
    .name = "StartEnter",
    .maxLength = 0,
    .hint = "Enter starting amount of investment.",
    .accessibleName = kStartGroupItems[0],
    .place = {192, 23, 100, 24},
    .parent = kStartGroup.name,
};
inline constexpr EntryFieldData kTarget{
    .name = "TargetEnter",
    .maxLength = 0,
    .hint = "Enter target amount of investment.",
    .accessibleName = kStartGroupItems[1],
    .place = {192, 55, 100, 24},
    .parent = kStartGroup.name,
};

inline constexpr ResultFieldData kFuture{
    .labelName = "FutureLabel",
    .labelCaption = "Future value:",
    .name = "FutureShow",
    .hint = "Future value of investment adjusted for rate\nof inflation.",
    .labelPlace = {8, 100, 180, 24},
    .place = {196, 100, 100, 24},
};
inline constexpr SpinFieldData kYears{
    .labelName = "NumberYearslabel",
    .labelCaption = "Number of Years:",
    .name = "NumberYearsSpin",
    .minimum = 1,
    .maximum = 100,
    .maxLength = 3,
    .initialValue = 1,
    .hint = "Enter number of years for investment.",
    .labelPlace = {8, 130, 180, 24},
    .place = {232, 130, 64, 24},
};

// The long caption takes two lines beside its field.
inline constexpr std::string_view kReturnLabelCaption = "% Annual return on Investment (expected):";
inline constexpr LabelData kReturnLabel{
    .name = "ReturnLabel",
    .caption = kReturnLabelCaption,
    .place = {8, 158, 176, 36},
    .buddy = "ReturnEnter",
    .wrap = true,
};
inline constexpr EntryFieldData kReturn{
    .name = kReturnLabel.buddy,
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter expected annual rate of return on\ninvestment.",
    .accessibleName = kReturnLabelCaption,
    .place = {196, 164, 100, 24},
};

// The periodic addition and how often it is made.
inline constexpr FrameData kPeriodicGroup{
    .name = "PeriodicGroup",
    .caption = "Periodic Investment",
    .place = {4, 202, 296, 108},
    .hint =
        "Select  to calculate periodic investment\n amount required when starting amount, "
        "\ntarget amount, and % return are known.",
};
inline constexpr std::string_view kPeriodicRadioCaption = "Investment ";  // initially clear
inline constexpr RadioData kPeriodicRadio{
    .name = "PeriodicRadio",
    .caption = kPeriodicRadioCaption,
    .spot = {4, 23},
    .minHeight = 24,  // on the line of its label
    .accessibleName = "Investment Amount ($)",
    .parent = kPeriodicGroup.name,
};
// The radio's caption goes on in this label, right after it.
inline constexpr std::string_view kPeriodicLabelCaption = "Amount ($):";
inline constexpr LabelData kPeriodicLabel{
    .name = "PeriodicLabel",
    .caption = kPeriodicLabelCaption,
    .place = {0, 23, 90, 24},
    .parent = kPeriodicGroup.name,
    .buddy = "AmountEnter",
    .start = LabelStart::AfterPrevious,
};
inline constexpr EntryFieldData kAmount{
    .name = kPeriodicLabel.buddy,
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter amount of periodic investment.",
    .accessibleName = kPeriodicRadio.accessibleName,
    .place = {192, 23, 100, 24},
    .parent = kPeriodicGroup.name,
};

inline constexpr std::string_view kHowOftenLabelCaption = "How Often?:";
inline constexpr int kPeriodInitialIndex = 0;  // "Annually", set by FormActivate
inline constexpr DropDownData kPeriodBox{
    .labelName = "HowOftenLabel",
    .labelCaption = kHowOftenLabelCaption,
    .name = "PeriodDropDownBox",
    .periods = kInvestmentPeriods,
    .hint = "Select period of investment (how often amounts\nare added to investment).",
    .labelPlace = {4, 51, 140, 24},
    .place = {162, 51, 130, 24},
    .parent = kPeriodicGroup.name,
};

inline constexpr std::string_view kTaxLabelCaption = "Tax rate (%):";
inline constexpr LabelData kTaxLabel{
    .name = "TaxLabel",
    .caption = kTaxLabelCaption,
    .place = {4, 79, 160, 24},
    .parent = kPeriodicGroup.name,
};
inline constexpr EntryFieldData kTax{
    .name = "TaxEnter",
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter % tax rate. Calculations are adjusted\nfor the tax rate shown.",
    .accessibleName = kTaxLabelCaption,
    .place = {192, 79, 100, 24},
    .parent = kPeriodicGroup.name,
};
inline constexpr std::string_view kInflationLabelCaption = "Inflation rate (%):";
inline constexpr LabelData kInflationLabel{
    .name = "InflationLabel",
    .caption = kInflationLabelCaption,
    .place = {8, 320, 180, 24},
};
inline constexpr EntryFieldData kInflation{
    .name = "InflationEnter",
    .maxLength = 0,
    .initialText = "0",
    .hint = "Enter anticipated % rate of inflation.  Future\nValue of investment is adjusted.",
    .accessibleName = kInflationLabelCaption,
    .place = {196, 320, 100, 24},
};

inline constexpr ButtonData kSolveButton{
    "SolveButton", kSolveCaption, "Solve for selected investment amounts using\namounts entered.",
    ButtonKind::Plain, Place{8, 368, 92, 28}};
inline constexpr ButtonData kCloseButton{"BitBtn2", kCloseCaption, kCloseHint, ButtonKind::Close,
                                         Place{106, 368, 92, 28}};
inline constexpr ButtonData kHelpButton{"BitBtn1", kHelpCaption, kHelpHint, ButtonKind::Help,
                                        Place{204, 368, 92, 28}};

inline constexpr auto kControls = std::to_array<ModuleControl>(
    {&kStartGroup, &kStart, &kTarget, &kFuture, &kYears, &kReturnLabel, &kReturn, &kPeriodicGroup,
     &kPeriodicRadio, &kPeriodicLabel, &kAmount, &kPeriodBox, &kTaxLabel, &kTax, &kInflationLabel,
     &kInflation, &kSolveButton, &kCloseButton, &kHelpButton});
inline constexpr auto kTabOrder = std::to_array<std::string_view>(
    {kStart.name, kTarget.name, kFuture.name, kYears.name, kReturn.name, kPeriodicRadio.name,
     kAmount.name, kPeriodBox.name, kTax.name, kInflation.name, kSolveButton.name,
     kCloseButton.name, kHelpButton.name});

inline constexpr ModuleWindowData kWindow{
    .formName = "TInvestForm",
    .caption = "Investments",
    .clientWidth = 304,
    .clientHeight = 412,
    .helpTopic = "Investment",
    .controls = kControls,
    .tabOrder = kTabOrder,
};

}  // namespace invest_window

}  // namespace tivorum
