#include "finance/financal.h"

namespace tivorum {

namespace {

using namespace financial_window;

std::string quantityLine(AnnuityQuantity q, std::string_view text) {
  return std::string(kGroupItems[static_cast<int>(q)]) + " " + std::string(text);
}

}  // namespace

void SolveAnnuity(const AnnuityInput& in, ModuleSolve& out, Tape& tape) {
  const PaymentPeriod& period = kPaymentPeriods.at(in.periodIndex);
  const Ext m(period.perYear);

  Ext pv = readIfPresent(in.presentValue);
  Ext fv = readIfPresent(in.futureValue);
  const Ext i = in.rate.empty() ? Ext(0) : Ext(textToNumber(in.rate)) / Ext(100) / m;
  const Ext payment = readIfPresent(in.payment);

  std::string texts[4] = {in.presentValue, in.futureValue, in.rate, in.payment};
  auto text = [&texts](AnnuityQuantity q) -> const std::string& {
    return texts[static_cast<int>(q)];
  };
  auto writeAmount = [&](AnnuityQuantity q, Ext v) {
    const EntryFieldData& field = q == AnnuityQuantity::PresentValue ? kPresentValue : kFutureValue;
    const int maxLength =
        q == AnnuityQuantity::PresentValue ? in.presentValueMaxLength : in.futureValueMaxLength;
    texts[static_cast<int>(q)] = out.write(field.name, v.value(), amountText(v.value()), maxLength);
  };
  const std::string periodLine =
      std::string(kPeriodLabelCaption) + " " + std::string(period.caption);
  const Ext growth = Ext(1) + i;

  using Q = AnnuityQuantity;
  if (in.type == AnnuityType::CompoundInterest) {
    switch (in.solveFor) {
      case Q::PresentValue:
        if (!isFilled(in.futureValue) || !isFilled(in.rate)) {
          out.message =
              "You must enter values in the \"Future Value\" and \"Interest rate\" fields";
          return;
        }
        writeAmount(Q::PresentValue, fv / Growth(i, m));
        break;
      case Q::FutureValue:
        if (!isFilled(in.presentValue) || !isFilled(in.rate)) {
          out.message =
              "You must enter values in the \"Present Value\" and \"Interest rate\" fields";
          return;
        }
        writeAmount(Q::FutureValue, pv * Growth(i, m));
        break;
      case Q::InterestRate: {
        if (!isFilled(in.presentValue) || !isFilled(in.futureValue)) {
          out.message =
              "You must enter values in the \"Present Value\" and \"Future Value\" fields";
          return;
        }
        const Ext r = m * (Power(fv / pv, Ext(1) / m) - Ext(1)) * Ext(100);
        texts[static_cast<int>(Q::InterestRate)] =
            out.write(kRate.name, r.value(), fixedText(r.value(), 8, 4), in.rateMaxLength);
        break;
      }
      case Q::Payment:
        out.message = kCompoundPaymentMessage;
        return;
    }
    // The solved quantity comes last.
    Q order[3] = {Q::PresentValue, Q::FutureValue, Q::InterestRate};
    if (in.solveFor == Q::PresentValue) {
      order[0] = Q::FutureValue;
      order[1] = Q::InterestRate;
      order[2] = Q::PresentValue;
    } else if (in.solveFor == Q::FutureValue) {
      order[1] = Q::InterestRate;
      order[2] = Q::FutureValue;
    }
    appendTape5(tape, "------ Compound Interest ------", periodLine,
                quantityLine(order[0], text(order[0])), quantityLine(order[1], text(order[1])),
                quantityLine(order[2], text(order[2])));
    return;
  }

  if (in.solveFor != Q::PresentValue && in.solveFor != Q::FutureValue) {
    out.message = "You must select \"Present Value\" or \"Future Value\".";
    return;
  }
  if (!isFilled(in.rate) || !isFilled(in.payment)) {
    out.message = "You must enter values in the \"Interest rate\" and \"Payment\" fields";
    return;
  }
  const bool due = in.type == AnnuityType::AnnuityDue;
  if (in.solveFor == Q::PresentValue) {
    pv = payment * -GrowthMinusOne(i, -m) / i;
    if (due) pv = pv * growth;
    writeAmount(Q::PresentValue, pv);
  } else {
    fv = payment * GrowthMinusOne(i, m) / i;
    if (due) fv = fv * growth;
    writeAmount(Q::FutureValue, fv);
  }
  appendTape5(tape, due ? "------ Annuity Due ------" : "------ Ordinary Annuity ------",
              periodLine, quantityLine(Q::PresentValue, text(Q::PresentValue)),
              quantityLine(Q::FutureValue, text(Q::FutureValue)),
              quantityLine(Q::InterestRate, text(Q::InterestRate)));
  appendTape5(tape, quantityLine(Q::Payment, text(Q::Payment)));
}

AnnuityGroupCheck checkAnnuityGroupClick(AnnuityType type, AnnuityQuantity selected) {
  if (type == AnnuityType::CompoundInterest && selected == AnnuityQuantity::Payment) {
    return {std::string(kCompoundPaymentMessage), AnnuityQuantity::FutureValue};
  }
  return {"", selected};
}

}  // namespace tivorum
