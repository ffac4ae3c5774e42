// The loan window's solver: principal, rate, payment or down payment of a
// loan repaid by equal payments at the end of each period, with the balance
// after a chosen payment. Window-free.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calc/tape.h"
#include "finance/loan_window.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

namespace tivorum {

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
