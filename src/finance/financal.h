// The annuity window's solver: present value, future value or rate of a
// single amount under compound interest, or present or future value of an
// ordinary annuity or an annuity due, always over one year. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

// AnnuityGroup items, in order.
enum class AnnuityQuantity { PresentValue, FutureValue, InterestRate, Payment };
// FinSelectGroup items, in order.
enum class AnnuityType { CompoundInterest, OrdinaryAnnuity, AnnuityDue };

namespace financial_window {

inline constexpr std::string_view kCaption = "Financial Calculations";
inline constexpr int kClientWidth = 275;
inline constexpr int kClientHeight = 351;
inline constexpr std::string_view kHelpTopic = "Financial";

inline constexpr std::array<std::string_view, 4> kGroupItems{
    "Present Value ($):", "Future Value ($):", "Interest Rate (%):", "Payment ($):"};
inline constexpr RadioGroupData kGroup{
    "AnnuityGroup", "", kGroupItems, 1,
    "Select \"Present Value\", Future Value\",\n\"Interest Rate\", or \"Payment\" given "
    "other\namounts."};

// Beside the group's items, in item order.
inline constexpr EntryFieldData kPresentValue{"APVEnter", 13, "", "Enter present value amount."};
inline constexpr EntryFieldData kFutureValue{"AFVEnter", 13, "", "Enter future value amount."};
inline constexpr EntryFieldData kRate{"AIREnter", 13, "", "Enter interest rate."};
inline constexpr EntryFieldData kPayment{"APayEnter", 13, "0", "Enter amount of payment, if any."};

inline constexpr std::string_view kPeriodLabelName = "FinPeriodLabel";
inline constexpr std::string_view kPeriodLabelCaption = "Compounding Period:";
inline constexpr std::string_view kPeriodBoxName = "FinDropDownBox";
inline constexpr int kPeriodInitialIndex = 0;  // "Annual", set by FormActivate
inline constexpr std::string_view kPeriodHint = "Select compounding period for calculations.";

inline constexpr std::array<std::string_view, 3> kTypeItems{"Compound Interest", "Ordinary Annuity",
                                                            "Annuity Due"};
inline constexpr RadioGroupData kTypeGroup{"FinSelectGroup", "Calculation Type", kTypeItems, 1,
                                           "Select type of calculation."};

inline constexpr ButtonData kSolveButton{"FinSolveButton", kSolveCaption,
                                         "Solve for selected value given others."};
inline constexpr ButtonData kCloseButton{"FinCloseButton", kCloseCaption, kCloseHint};
inline constexpr ButtonData kHelpButton{"FinHelpButton", kHelpCaption, kHelpHint};

}  // namespace financial_window

struct AnnuityInput {
  std::string presentValue;                                 // APVEnter
  std::string futureValue;                                  // AFVEnter
  std::string rate;                                         // AIREnter, annual percentage
  std::string payment;                                      // APayEnter
  int periodIndex = financial_window::kPeriodInitialIndex;  // into kPaymentPeriods
  AnnuityQuantity solveFor = AnnuityQuantity::FutureValue;
  AnnuityType type = AnnuityType::OrdinaryAnnuity;
  int presentValueMaxLength = financial_window::kPresentValue.maxLength;
  int futureValueMaxLength = financial_window::kFutureValue.maxLength;
  int rateMaxLength = financial_window::kRate.maxLength;
  int paymentMaxLength = financial_window::kPayment.maxLength;
};

inline constexpr std::string_view kCompoundPaymentMessage =
    "Cannot calculate \"Payment\" for a \"Compound Interest\" calculation type.";

// FinSolveButtonClick without the window: writes the solved field into `out`
// and appends the tape block, or stops with a message and writes nothing.
// Faults are thrown.
void SolveAnnuity(const AnnuityInput& in, ModuleSolve& out, Tape& tape);

// AnnuityGroupClick: Payment cannot be solved under compound interest. Gives
// the message to show (empty when the choice stands) and the item selected
// afterwards.
struct AnnuityGroupCheck {
  std::string message;
  AnnuityQuantity selection;
};
AnnuityGroupCheck checkAnnuityGroupClick(AnnuityType type, AnnuityQuantity selected);

}  // namespace tivorum
