#include "finance/loan.h"

#include <optional>

namespace tivorum {

namespace {

using namespace loan_window;

constexpr int kMaxRateRounds = 100;
constexpr Real kRateTolerance = 1e-6L;

bool rateInRange(Ext x) {
  return x > Ext(-1) && x != Ext(0);
}

// Newton steps on the per-period rate x of P = A (1 - (1 + x)^-N) / x. Empty
// when the steps do not settle within the bound, or the rate leaves the range
// where the formula holds (a fault on the way means the same).
std::optional<Ext> solvePeriodRate(Ext principal, Ext payment, Ext n) {
  Ext x = payment / principal - principal / (n * n * payment);
  try {
    for (int round = 0; round < kMaxRateRounds; ++round) {
      if (!rateInRange(x)) return std::nullopt;
      const Ext f = -GrowthMinusOne(x, -n) - (principal / payment) * x;
      const Ext d = GrowthMinusOne(x, -n) / x + n * Growth(x, -n - Ext(1));
      const Ext step = f / d;
      x = x - step;
      if (Abs(step) < Ext(kRateTolerance)) {
        if (!rateInRange(x)) return std::nullopt;
        return x;
      }
    }
  } catch (const Fault&) {
    return std::nullopt;
  }
  return std::nullopt;
}

// Present value of `count` payments A at rate i per period.
Ext presentValue(Ext payment, Ext i, Ext count) {
  return payment * -GrowthMinusOne(i, -count) / i;
}

}  // namespace

void SolveLoan(const LoanInput& in, ModuleSolve& out, Tape& tape) {
  const int n = in.periods;
  int k = in.afterPayment;
  if (k > n) {
    k = n;
    out.spins.push_back({std::string(kAfterPayment.name), k});
  }
  const PaymentPeriod& period = kPaymentPeriods.at(in.periodIndex);
  const Ext m(period.perYear);
  const Ext N(n);

  Ext principal = readIfPresent(in.principal);
  Ext i = in.rate.empty() ? Ext(0) : Ext(textToNumber(in.rate)) / Ext(100) / m;
  Ext payment = readIfPresent(in.payment);
  Ext downPayment = readIfPresent(in.downPayment);

  std::string principalText = in.principal;
  std::string rateText = in.rate;
  std::string paymentText = in.payment;
  std::string downPaymentText = in.downPayment;
  if (in.solveFor != LoanSolveFor::DownPayment) {
    downPaymentText = out.write(kDownPayment.name, 0, amountText(0), in.downPaymentMaxLength);
  }

  const bool haveRate = isFilled(in.rate);
  const bool havePrincipal = isFilled(in.principal);
  const bool havePayment = isFilled(in.payment);
  switch (in.solveFor) {
    case LoanSolveFor::Principal:
      if (!haveRate || !havePayment) {
        out.message = "You must enter values in the \"Interest Rate\" and \"Payment\" fields";
        return;
      }
      principal = presentValue(payment, i, N);
      principalText = out.write(kPrincipal.name, principal.value(), amountText(principal.value()),
                                in.principalMaxLength);
      break;
    case LoanSolveFor::Rate: {
      if (!havePrincipal || !havePayment) {
        out.message = "You must enter values in the \"Principal\" and \"Payment\" fields";
        return;
      }
      const std::optional<Ext> rate = solvePeriodRate(principal, payment, N);
      if (!rate) {
        out.message = kLoanRateNotFound;
        return;
      }
      i = *rate;
      const Ext annual = m * i * Ext(100);
      rateText =
          out.write(kRate.name, annual.value(), fixedText(annual.value(), 8, 3), in.rateMaxLength);
      break;
    }
    case LoanSolveFor::Payment:
      if (!haveRate || !havePrincipal) {
        out.message = "You must enter values in the \"Interest Rate\" and \"Principal\" fields";
        return;
      }
      payment = principal / (-GrowthMinusOne(i, -N) / i);
      paymentText = out.write(kPayment.name, payment.value(), amountText(payment.value()),
                              in.paymentMaxLength);
      break;
    case LoanSolveFor::DownPayment:
      if (!haveRate || !havePrincipal || !havePayment) {
        out.message =
            "You must enter values in the \"Interest Rate\", \"Payment\", and \"Principal\" "
            "fields";
        return;
      }
      downPayment = principal - presentValue(payment, i, N);
      downPaymentText = out.write(kDownPayment.name, downPayment.value(),
                                  amountText(downPayment.value()), in.downPaymentMaxLength);
      break;
  }

  // Balance after payment k, from the full-precision values.
  const Ext K(k);
  const Ext financed = presentValue(payment, i, N);
  const Ext balance = presentValue(payment, i, N - K);
  const Ext accrued = K * payment + balance - financed;
  Ext interestPart(0);
  Ext principalPart(0);
  if (k > 0) {
    interestPart = payment * -GrowthMinusOne(i, K - Ext(1) - N);
    principalPart = payment - interestPart;
  }
  auto show = [&out](std::string_view name, Ext v) {
    return out.write(name, v.value(), amountText(v.value()), 0);
  };
  const std::string balanceText = show(kBalance.name, balance);
  const std::string accruedText = show(kAccruedInterest.name, accrued);
  const std::string interestText = show(kInterestInPayment.name, interestPart);
  const std::string principalPartText = show(kPrincipalInPayment.name, principalPart);

  appendTape5(tape, "------- Loan -------", join(kPeriodLabelCaption, period.caption),
              join(kPeriods.labelCaption, std::to_string(n)), join(kGroupItems[0], principalText),
              join(join(kGroupItems[1], kIntPanelCaption), rateText));
  appendTape5(tape, join(kGroupItems[2], paymentText),
              join(join(kGroupItems[3], kDownPayPanelCaption), downPaymentText),
              "Loan Balance Information --", join(kAfterPayment.labelCaption, std::to_string(k)),
              join(kBalance.labelCaption, balanceText));
  appendTape5(tape, join(kAccruedInterest.labelCaption, accruedText),
              join(kInterestInPayment.labelCaption, interestText),
              join(kPrincipalInPayment.labelCaption, principalPartText), " ");
}

std::string downPaymentAfterExit(std::string_view downPayment, std::string_view principal) {
  std::string text = downPayment.empty() ? std::string("0") : std::string(downPayment);
  Real down = 0;
  Real price = 0;
  if (!principal.empty() && tryTextToNumber(text, down) && tryTextToNumber(principal, price) &&
      down > price) {
    text = std::string(principal);
  }
  return text;
}

}  // namespace tivorum
