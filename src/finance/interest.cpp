#include "finance/interest.h"

namespace tivorum {

void SolveInterest(const InterestInput& in, ModuleSolve& out, Tape& tape) {
  using namespace interest_window;
  const PaymentPeriod& period = kPaymentPeriods.at(in.periodIndex);
  const Ext m = period.perYear;
  std::string nominal = in.nominalRate;
  std::string actual = in.actualRate;
  if (in.solveFor == InterestSolveFor::NominalRate) {
    if (actual.empty()) {
      out.message = "You must enter a value in the \"Actual Rate\" field.";
      return;
    }
    const Ext a = textToNumber(actual);
    const Ext n = m * GrowthMinusOne(a / 100, 1 / m) * 100;
    nominal =
        out.write(kNominalRate.name, n.value(), generalText(n.value(), 3), in.nominalRateMaxLength);
  } else {
    if (nominal.empty()) {
      out.message = "You must enter a value in the \"Nominal Rate\" field.";
      return;
    }
    const Ext n = textToNumber(nominal);
    const Ext a = GrowthMinusOne(n / 100 / m, m) * 100;
    actual =
        out.write(kActualRate.name, a.value(), generalText(a.value(), 3), in.actualRateMaxLength);
  }
  // Line by line, not as a block: this tape entry has no heading.
  tape.append(std::string(kGroupItems[0]) + " " + nominal);
  tape.append(std::string(kPeriodLabelCaption) + " " + std::string(period.caption));
  tape.append(std::string(kGroupItems[1]) + " " + actual);
  tape.append("");
}

}  // namespace tivorum
