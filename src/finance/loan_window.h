// What the loan window shows, as plain data: objectNames, captions, hints,
// field lengths, places, the tab order and the window's size. The solver writes
// its results and its tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace loan_window {

inline constexpr std::array<std::string_view, 4> kGroupItems{"Principal ($):", "Annual Interest",
                                                             "Payment ($):", "Down"};
inline constexpr std::array<Spot, 4> kGroupSpots{{{8, 10}, {8, 38}, {8, 78}, {8, 106}}};
// Each item stands in front of its field.
inline constexpr RadioGroupData kGroup{
    .name = "LoanGroup",
    .items = kGroupItems,
    .initialIndex = 2,
    .hint =
        "Select \"Principal\", \"APR\", \"Payment\", or \"Down\nPayment\" for calculation, given "
        "other values.",
    .accessibleName = "Solve for",
    .place = {4, 4, 273, 150},
    .itemSpots = kGroupSpots,
};
// Second lines of the items "Annual Interest" and "Down".
inline constexpr std::string_view kIntPanelCaption = "Rate (APR) (%) :";
inline constexpr LabelData kIntPanel{
    .name = "IntPanel",
    .caption = kIntPanelCaption,
    .place = {8, 56, 140, 18},
    .parent = kGroup.name,
    .start = LabelStart::BesideMark,
};
inline constexpr std::string_view kDownPayPanelCaption = "Payment ($):";
inline constexpr LabelData kDownPayPanel{
    .name = "DownPayPanel",
    .caption = kDownPayPanelCaption,
    .place = {8, 124, 140, 18},
    .parent = kGroup.name,
    .start = LabelStart::BesideMark,
};

// Beside the group's items, in item order; one right edge for every field.
inline constexpr EntryFieldData kPrincipal{
    .name = "LoanPrinEnter",
    .maxLength = 13,
    .hint = "Enter amount of principal for loan.",
    .accessibleName = "Principal ($)",
    .place = {148, 9, 117, 24},
    .parent = kGroup.name,
};
inline constexpr EntryFieldData kRate{
    .name = "LoanAPREnter",
    .maxLength = 6,
    .hint = "Enter annual % interest for loan.",
    .accessibleName = "Annual Interest Rate (APR) (%)",
    .place = {148, 44, 117, 24},
    .parent = kGroup.name,
};
inline constexpr EntryFieldData kPayment{
    .name = "LoanPayEnter",
    .maxLength = 13,
    .hint = "Enter amount of periodic payments.",
    .accessibleName = "Payment ($)",
    .place = {148, 77, 117, 24},
    .parent = kGroup.name,
};
inline constexpr EntryFieldData kDownPayment{
    .name = "DownPayEnter",
    .maxLength = 13,
    .initialText = "0",
    .hint = "Enter amount of down payment, if any.",
    .accessibleName = "Down Payment ($)",
    .place = {148, 112, 117, 24},
    .parent = kGroup.name,
};

inline constexpr std::string_view kPeriodLabelCaption = "Payment Period:";
inline constexpr int kPeriodInitialIndex = 0;  // "Annual", set by FormCreate
inline constexpr DropDownData kPeriodBox{
    .labelName = "LoanPayPerLabel",
    .labelCaption = kPeriodLabelCaption,
    .name = "LoanDropDownBox",
    .periods = kPaymentPeriods,
    .hint = "Select payment period.",
    .labelPlace = {8, 160, 140, 24},
    .place = {152, 160, 117, 24},
};

inline constexpr SpinFieldData kPeriods{
    .labelName = "LoanNoPeriodLabel",
    .labelCaption = "Number of Periods:",
    .name = "NoPerSpin",
    .minimum = 1,
    .maximum = 5000,
    .maxLength = 3,
    .initialValue = 1,
    .labelPlace = {8, 188, 180, 24},
    .place = {205, 188, 64, 24},
};

// The balance after a payment, in a grey frame; rows 26 pixels apart.
inline constexpr FrameData kBalanceGroup{
    .name = "BalanceGroup",
    .caption = "Loan Balance Information",
    .place = {4, 218, 273, 156},
};
inline constexpr ResultFieldData kBalance{
    .labelName = "LoanBalanceLabel",
    .labelCaption = "Principal Balance:",
    .name = "LoanBalanceShow",
    .hint = "Show principal balance after entered\nnumber of payments.",
    .labelPlace = {4, 22, 140, 24},
    .place = {148, 22, 117, 24},
    .parent = kBalanceGroup.name,
};
inline constexpr ResultFieldData kAccruedInterest{
    .labelName = "AccruedInterestLabel",
    .labelCaption = "Accrued Interest:",
    .name = "AccruedInterestShow",
    .hint = "Show amount of interest paid as of payment\nnumber entered.",
    .labelPlace = {4, 48, 140, 24},
    .place = {148, 48, 117, 24},
    .parent = kBalanceGroup.name,
};
inline constexpr ResultFieldData kInterestInPayment{
    .labelName = "IntinPayLabel",
    .labelCaption = "Interest in Pmt:",
    .name = "IntInPmtShow",
    .hint = "Show amount of interest in payment shown.",
    .labelPlace = {4, 74, 140, 24},
    .place = {148, 74, 117, 24},
    .parent = kBalanceGroup.name,
};
inline constexpr ResultFieldData kPrincipalInPayment{
    .labelName = "PrinInPayLabel",
    .labelCaption = "Principal in Pmt:",
    .name = "PrinInPayShow",
    .hint = "Show amount of principal in payment number\nshown.",
    .labelPlace = {4, 100, 140, 24},
    .place = {148, 100, 117, 24},
    .parent = kBalanceGroup.name,
};
inline constexpr SpinFieldData kAfterPayment{
    .labelName = "AfterPaymentLabel",
    .labelCaption = "After Payment Number: ",
    .name = "AfterPayNoSpin",
    .minimum = 0,
    .maximum = 365,
    .maxLength = 3,
    .initialValue = 0,
    .labelPlace = {4, 126, 190, 24},
    .place = {201, 126, 64, 24},
    .parent = kBalanceGroup.name,
};

inline constexpr ButtonData kSolveButton{"LoanSolveButton", kSolveCaption,
                                         "Solve for selected amounts given amounts\nentered.",
                                         ButtonKind::Plain, Place{8, 386, 85, 28}};
inline constexpr ButtonData kCloseButton{"LoanCloseButton", kCloseCaption, kCloseHint,
                                         ButtonKind::Close, Place{98, 386, 85, 28}};
inline constexpr ButtonData kHelpButton{"HelpButton", kHelpCaption, kHelpHint, ButtonKind::Help,
                                        Place{188, 386, 85, 28}};

inline constexpr auto kControls = std::to_array<ModuleControl>({
    &kGroup,
    &kIntPanel,
    &kDownPayPanel,
    &kPrincipal,
    &kRate,
    &kPayment,
    &kDownPayment,
    &kPeriodBox,
    &kPeriods,
    &kBalanceGroup,
    &kBalance,
    &kAccruedInterest,
    &kInterestInPayment,
    &kPrincipalInPayment,
    &kAfterPayment,
    &kSolveButton,
    &kCloseButton,
    &kHelpButton,
});
inline constexpr auto kTabOrder = std::to_array<std::string_view>(
    {kPrincipal.name, kRate.name, kPayment.name, kDownPayment.name, kPeriodBox.name, kPeriods.name,
     kBalance.name, kAccruedInterest.name, kInterestInPayment.name, kPrincipalInPayment.name,
     kAfterPayment.name, kSolveButton.name, kCloseButton.name, kHelpButton.name});

// The outer height of 452 pixels is this client area under its title bar.
inline constexpr ModuleWindowData kWindow{
    .formName = "TLoanForm",
    .caption = "Loan",
    .clientWidth = 281,
    .clientHeight = 425,
    .helpTopic = "Loans",
    .controls = kControls,
    .tabOrder = kTabOrder,
};

}  // namespace loan_window

}  // namespace tivorum
