// What the loan window shows, as plain data: objectNames, captions, hints,
// field lengths and the window's size. The solver writes its results and its
// tape lines with the same names and captions.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace loan_window {

inline constexpr std::string_view kCaption = "Loan";
inline constexpr int kClientWidth = 281;
inline constexpr int kClientHeight = 425;
inline constexpr std::string_view kHelpTopic = "Loans";

inline constexpr std::array<std::string_view, 4> kGroupItems{"Principal ($):", "Annual Interest",
                                                             "Payment ($):", "Down"};
inline constexpr RadioGroupData kGroup{
    .name = "LoanGroup",
    .items = kGroupItems,
    .initialIndex = 2,
    .hint =
        "Select \"Principal\", \"APR\", \"Payment\", or \"Down\nPayment\" for calculation, given "
        "other values.",
};
// Second lines of the items "Annual Interest" and "Down".
inline constexpr std::string_view kIntPanelName = "IntPanel";
inline constexpr std::string_view kIntPanelCaption = "Rate (APR) (%) :";
inline constexpr std::string_view kDownPayPanelName = "DownPayPanel";
inline constexpr std::string_view kDownPayPanelCaption = "Payment ($):";

// Beside the group's items, in item order.
inline constexpr EntryFieldData kPrincipal{
    .name = "LoanPrinEnter",
    .maxLength = 13,
    .hint = "Enter amount of principal for loan.",
};
inline constexpr EntryFieldData kRate{
    .name = "LoanAPREnter",
    .maxLength = 6,
    .hint = "Enter annual % interest for loan.",
};
inline constexpr EntryFieldData kPayment{
    .name = "LoanPayEnter",
    .maxLength = 13,
    .hint = "Enter amount of periodic payments.",
};
inline constexpr EntryFieldData kDownPayment{
    .name = "DownPayEnter",
    .maxLength = 13,
    .initialText = "0",
    .hint = "Enter amount of down payment, if any.",
};

inline constexpr std::string_view kPeriodLabelName = "LoanPayPerLabel";
inline constexpr std::string_view kPeriodLabelCaption = "Payment Period:";
inline constexpr std::string_view kPeriodBoxName = "LoanDropDownBox";
inline constexpr int kPeriodInitialIndex = 0;  // "Annual", set by FormCreate
inline constexpr std::string_view kPeriodHint = "Select payment period.";

inline constexpr SpinFieldData kPeriods{
    .labelName = "LoanNoPeriodLabel",
    .labelCaption = "Number of Periods:",
    .name = "NoPerSpin",
    .minimum = 1,
    .maximum = 5000,
    .maxLength = 3,
    .initialValue = 1,
};

inline constexpr std::string_view kBalanceGroupName = "BalanceGroup";
inline constexpr std::string_view kBalanceGroupCaption = "Loan Balance Information";
inline constexpr ResultFieldData kBalance{
    "LoanBalanceLabel", "Principal Balance:", "LoanBalanceShow",
    "Show principal balance after entered\nnumber of payments."};
inline constexpr ResultFieldData kAccruedInterest{
    "AccruedInterestLabel", "Accrued Interest:", "AccruedInterestShow",
    "Show amount of interest paid as of payment\nnumber entered."};
inline constexpr ResultFieldData kInterestInPayment{"IntinPayLabel",
                                                    "Interest in Pmt:", "IntInPmtShow",
                                                    "Show amount of interest in payment shown."};
inline constexpr ResultFieldData kPrincipalInPayment{
    "PrinInPayLabel", "Principal in Pmt:", "PrinInPayShow",
    "Show amount of principal in payment number\nshown."};
inline constexpr SpinFieldData kAfterPayment{
    .labelName = "AfterPaymentLabel",
    .labelCaption = "After Payment Number: ",
    .name = "AfterPayNoSpin",
    .minimum = 0,
    .maximum = 365,
    .maxLength = 3,
    .initialValue = 0,
};

inline constexpr ButtonData kSolveButton{"LoanSolveButton", kSolveCaption,
                                         "Solve for selected amounts given amounts\nentered."};
inline constexpr ButtonData kCloseButton{"LoanCloseButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"HelpButton", kHelpCaption, kHelpHint};

}  // namespace loan_window

}  // namespace tivorum
