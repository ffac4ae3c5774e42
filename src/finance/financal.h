// The annuity window's solver: present value, future value or rate of a
// single amount under compound interest, or present or future value of an
// ordinary annuity or an annuity due, always over one year. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/financal_window.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

// AnnuityGroup items, in order.
enum class AnnuityQuantity { PresentValue, FutureValue, InterestRate, Payment };
// FinSelectGroup items, in order.
enum class AnnuityType { CompoundInterest, OrdinaryAnnuity, AnnuityDue };

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
