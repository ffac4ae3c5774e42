// What the financial window shows, as plain data: objectNames, captions, hints,
// field lengths, places, the tab order and the window's size. The solver writes
// its results and its tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace financial_window {

inline constexpr std::array<std::string_view, 4> kGroupItems{
    "Present Value ($):", "Future Value ($):", "Interest Rate (%):", "Payment ($):"};
inline constexpr std::array<Spot, 4> kGroupSpots{{{8, 12}, {8, 42}, {8, 72}, {8, 102}}};
// Each item stands in front of its field.
inline constexpr RadioGroupData kGroup{
    .name = "AnnuityGroup",
    .items = kGroupItems,
    .initialIndex = 1,
    .hint =
        "Select \"Present Value\", Future Value\",\n\"Interest Rate\", or \"Payment\" given "
        "other\namounts.",
    .accessibleName = "Solve for",
    .place = {4, 4, 267, 134},
    .itemSpots = kGroupSpots,
};

// Beside the group's items, in item order.
inline constexpr EntryFieldData kPresentValue{
    .name = "APVEnter",
    .maxLength = 13,
    .hint = "Enter present value amount.",
    .accessibleName = kGroupItems[0],
    .place = {150, 11, 109, 24},
    .parent = kGroup.name,
};
inline constexpr EntryFieldData kFutureValue{
    .name = "AFVEnter",
    .maxLength = 13,
    .hint = "Enter future value amount.",
    .accessibleName = kGroupItems[1],
    .place = {150, 41, 109, 24},
    .parent = kGroup.name,
};
inline constexpr EntryFieldData kRate{
    .name = "AIREnter",
    .maxLength = 13,
    .hint = "Enter interest rate.",
    .accessibleName = kGroupItems[2],
    .place = {150, 71, 109, 24},
    .parent = kGroup.name,
};
inline constexpr EntryFieldData kPayment{
    .name = "APayEnter",
    .maxLength = 13,
    .initialText = "0",
    .hint = "Enter amount of payment, if any.",
    .accessibleName = kGroupItems[3],
    .place = {150, 101, 109, 24},
    .parent = kGroup.name,
};

inline constexpr std::string_view kPeriodLabelCaption = "Compounding Period:";
inline constexpr int kPeriodInitialIndex = 0;  // "Annual", set by FormActivate
inline constexpr DropDownData kPeriodBox{
    .labelName = "FinPeriodLabel",
    .labelCaption = kPeriodLabelCaption,
    .name = "FinDropDownBox",
    .periods = kPaymentPeriods,
    .hint = "Select compounding period for calculations.",
    .labelPlace = {8, 148, 144, 24},
    .place = {154, 148, 109, 24},
};

inline constexpr std::array<std::string_view, 3> kTypeItems{"Compound Interest", "Ordinary Annuity",
                                                            "Annuity Due"};
inline constexpr std::array<Spot, 3> kTypeSpots{{{8, 22}, {8, 47}, {8, 72}}};
inline constexpr RadioGroupData kTypeGroup{
    .name = "FinSelectGroup",
    .caption = "Calculation Type",
    .items = kTypeItems,
    .initialIndex = 1,
    .hint = "Select type of calculation.",
    .place = {4, 182, 267, 100},
    .itemSpots = kTypeSpots,
};

inline constexpr ButtonData kSolveButton{"FinSolveButton", kSolveCaption,
                                         "Solve for selected value given others.",
                                         ButtonKind::Plain, Place{8, 308, 83, 28}};
inline constexpr ButtonData kCloseButton{"FinCloseButton", kCloseCaption, kCloseHint,
                                         ButtonKind::Close, Place{96, 308, 83, 28}};
inline constexpr ButtonData kHelpButton{"FinHelpButton", kHelpCaption, kHelpHint, ButtonKind::Help,
                                        Place{184, 308, 83, 28}};

inline constexpr auto kControls = std::to_array<ModuleControl>(
    {&kGroup, &kPresentValue, &kFutureValue, &kRate, &kPayment, &kPeriodBox, &kTypeGroup,
     &kSolveButton, &kCloseButton, &kHelpButton});
inline constexpr auto kTabOrder = std::to_array<std::string_view>(
    {kPresentValue.name, kFutureValue.name, kRate.name, kPayment.name, kPeriodBox.name,
     kSolveButton.name, kCloseButton.name, kHelpButton.name});

inline constexpr ModuleWindowData kWindow{
    .formName = "TFinancialForm",
    .caption = "Financial Calculations",
    .clientWidth = 275,
    .clientHeight = 351,
    .helpTopic = "Financial",
    .controls = kControls,
    .tabOrder = kTabOrder,
};

}  // namespace financial_window

}  // namespace tivorum
