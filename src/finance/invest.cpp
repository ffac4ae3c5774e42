#include "finance/invest.h"

namespace tivorum {

namespace {

using namespace invest_window;

}  // namespace

void SolveInvestment(const InvestInput& in, ModuleSolve& out, Tape& tape) {
  std::string startText = in.start;
  std::string targetText = in.target;
  std::string additionText = in.amount;
  std::string returnText = in.annualReturn;
  std::string taxText = in.tax;
  std::string inflationText = in.inflation;
  // Solve can be pressed by its access key before the field's exit handler
  // has refilled it, so an empty field reads as the "0" it would get.
  auto refill = [&out](std::string& text, const EntryFieldData& field, int maxLength) {
    if (text.empty()) text = out.write(field.name, 0, "0", maxLength);
  };
  refill(returnText, kReturn, in.returnMaxLength);
  refill(additionText, kAmount, in.amountMaxLength);
  refill(taxText, kTax, in.taxMaxLength);
  refill(inflationText, kInflation, in.inflationMaxLength);

  const PaymentPeriod& period = kInvestmentPeriods.at(in.periodIndex);
  const Ext m(period.perYear);
  Ext start = startText.empty() ? Ext(0) : Ext(textToNumber(startText));
  Ext target = targetText.empty() ? Ext(0) : Ext(textToNumber(targetText));
  Ext amount(textToNumber(additionText));
  const Ext annualReturn(textToNumber(returnText));
  const Ext years(in.years);
  const Ext tax(textToNumber(taxText));
  const Ext inflation(textToNumber(inflationText));

  const Ext i = (annualReturn / Ext(100) / m) * (Ext(1) - tax / Ext(100));
  const Ext f = inflation / Ext(100) / m;
  const Ext n = years * m;

  switch (in.solveFor) {
    case InvestSolveFor::StartingAmount: {
      if (!isFilled(targetText)) {
        out.message = "You must enter a value in the \"Target Amount\" field.";
        return;
      }
      start = (target - amount * GrowthMinusOne(i, n) / i) / Growth(i, n);
      startText =
          out.write(kStart.name, start.value(), amountText(start.value()), in.startMaxLength);
      break;
    }
    case InvestSolveFor::TargetAmount: {
      if (!isFilled(startText)) {
        out.message = "You must enter a value in the \"Starting Amount\" field.";
        return;
      }
      target = start * Growth(i, n) + amount * GrowthMinusOne(i, n) / i;
      targetText =
          out.write(kTarget.name, target.value(), amountText(target.value()), in.targetMaxLength);
      break;
    }
    case InvestSolveFor::PeriodicAmount: {
      if (!isFilled(startText) || !isFilled(targetText)) {
        out.message =
            "You must enter values in the \"Starting Amount\" and \"Target Amount\" fields.";
        return;
      }
      amount = (target - start * Growth(i, n)) / (GrowthMinusOne(i, n) / i);
      additionText =
          out.write(kAmount.name, amount.value(), amountText(amount.value()), in.amountMaxLength);
      break;
    }
  }

  const Ext today = target / Growth(f, n);
  const std::string futureText =
      out.write(kFuture.name, today.value(), amountText(today.value()), in.futureMaxLength);

  appendTape5(tape, "------ Investment ------", join(kStartGroupItems[0], startText),
              join(kStartGroupItems[1], targetText), join(kFuture.labelCaption, futureText),
              join(kYears.labelCaption, std::to_string(in.years)));
  appendTape5(tape, join(kReturnLabelCaption, returnText),
              join(join(kPeriodicRadioCaption, kPeriodicLabelCaption), additionText),
              join(kHowOftenLabelCaption, period.caption), join(kTaxLabelCaption, taxText),
              join(kInflationLabelCaption, inflationText));
}

}  // namespace tivorum
