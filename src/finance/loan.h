// The loan window's solver: principal, rate, payment or down payment of a
// loan repaid by equal payments at the end of each period, with the balance
// after a chosen payment. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

namespace loan_window {

inline constexpr std::string_view kCaption = "Loan";
inline constexpr int kClientWidth = 281;
inline constexpr int kClientHeight = 425;
inline constexpr int kActivatedHeight = 452;  // FormActivate sets it
inline constexpr std::string_view kHelpTopic = "Loans";

inline constexpr std::array<std::string_view, 4> kGroupItems{"Principal ($):", "Annual Interest",
                                                             "Payment ($):", "Down"};
inline constexpr RadioGroupData kGroup{
    "LoanGroup", "", kGroupItems, 2,
    "Select \"Principal\", \"APR\", \"Payment\", or \"Down\nPayment\" for calculation, given "
    "other values."};
// Second lines of the items "Annual Interest" and "Down".
inline constexpr std::string_view kIntPanelName = "IntPanel";
inline constexpr std::string_view kIntPanelCaption = "Rate (APR) (%) :";
inline constexpr std::string_view kDownPayPanelName = "DownPayPanel";
inline constexpr std::string_view kDownPayPanelCaption = "Payment ($):";

// Beside the group's items, in item order.
inline constexpr EntryFieldData kPrincipal{"LoanPrinEnter", 13, "",
                                           "Enter amount of principal for loan."};
inline constexpr EntryFieldData kRate{"LoanAPREnter", 6, "", "Enter annual % interest for loan."};
inline constexpr EntryFieldData kPayment{"LoanPayEnter", 13, "",
                                         "Enter amount of periodic payments."};
inline constexpr EntryFieldData kDownPayment{"DownPayEnter", 13, "0",
                                             "Enter amount of down payment, if any."};

inline constexpr std::string_view kPeriodLabelName = "LoanPayPerLabel";
inline constexpr std::string_view kPeriodLabelCaption = "Payment Period:";
inline constexpr std::string_view kPeriodBoxName = "LoanDropDownBox";
inline constexpr int kPeriodInitialIndex = 0;  // "Annual", set by FormCreate
inline constexpr std::string_view kPeriodHint = "Select payment period.";

inline constexpr SpinFieldData kPeriods{
    "LoanNoPeriodLabel", "Number of Periods:", "NoPerSpin", 1, 5000, 3, 1, ""};

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
    "AfterPaymentLabel", "After Payment Number: ", "AfterPayNoSpin", 0, 365, 3, 0, ""};

inline constexpr ButtonData kSolveButton{"LoanSolveButton", kSolveCaption,
                                         "Solve for selected amounts given amounts\nentered."};
inline constexpr ButtonData kCloseButton{"LoanCloseButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"HelpButton", kHelpCaption, kHelpHint};

}  // namespace loan_window

// The LoanGroup item: what the solve computes.
enum class LoanSolveFor { Principal, Rate, Payment, DownPayment };

struct LoanInput {
  std::string principal;                               // LoanPrinEnter
  std::string rate;                                    // LoanAPREnter, annual percentage
  std::string payment;                                 // LoanPayEnter
  std::string downPayment;                             // DownPayEnter
  int periodIndex = loan_window::kPeriodInitialIndex;  // into kPaymentPeriods
  int periods = 1;                                     // NoPerSpin, N
  int afterPayment = 0;                                // AfterPayNoSpin, k
  LoanSolveFor solveFor = LoanSolveFor::Payment;
  int principalMaxLength = loan_window::kPrincipal.maxLength;
  int rateMaxLength = loan_window::kRate.maxLength;
  int paymentMaxLength = loan_window::kPayment.maxLength;
  int downPaymentMaxLength = loan_window::kDownPayment.maxLength;
};

inline constexpr std::string_view kLoanRateNotFound =
    "The interest rate cannot be found for these values.";

// LoanSolveButtonClick without the window. Records into `out` a lowered k,
// the down-payment reset, the solved field and the balance fields; stops with
// a message when an input is missing or the rate cannot be found; appends the
// tape block only when the solve completes. Faults are thrown, with `out`
// holding whatever was written before them.
void SolveLoan(const LoanInput& in, ModuleSolve& out, Tape& tape);

// DownPayEnterExit: an empty field becomes "0"; a down payment above the
// principal takes the principal's text. Texts that are not numbers are left
// alone, since leaving the field never shows a message.
std::string downPaymentAfterExit(std::string_view downPayment, std::string_view principal);

}  // namespace tivorum
