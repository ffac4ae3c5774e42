#include "finance/currency.h"

#include "finance/double_value.h"

namespace tivorum {

void makeFactorsPositive(CurrencyFactors& factors) {
  for (double& f : factors) {
    if (!(f > 0)) f = 1;
  }
}

std::string factorText(double factor) {
  std::string text = fixedText(factor, 10, 5);
  Real back = 0;
  if (tryTextToNumber(text, back) && static_cast<double>(back) == factor) return text;
  return roundTripText(factor);
}

void storeFactor(CurrencyFactors& factors, int position, std::string_view text) {
  double& slot = factors.at(position);
  slot = textToDouble(text);
}

void SolveCurrency(const CurrencyInput& in, CurrencyFactors& factors, ModuleSolve& out,
                   Tape& tape) {
  using namespace currency_window;
  constexpr std::string_view kHeading = "--- Currency Conversion ---";
  const std::string name(kCurrencyNames.at(in.position));
  std::string from = in.from;
  std::string to = in.to;

  makeFactorsPositive(factors);
  const double tableFactor = factors[in.position];
  // The conversion reads the factor back from the field's new text.
  const std::string factor =
      out.write(kFactor.name, tableFactor, factorText(tableFactor), in.factorMaxLength);

  if (in.direction == CurrencyDirection::ToDollars) {
    if (from.empty()) {
      out.message =
          "The \"Convert From [foreign currency]\" and \"Conversion Factor\" fields must contain "
          "valid data.";
      return;
    }
    const Ext amount = textToNumber(from);
    const Ext dollars = amount * Ext(textToNumber(factor));
    to = out.write(kTo.name, dollars.value(), amountText(dollars.value()), in.toMaxLength);
    appendTape5(tape, kHeading, from + " " + name, "converts to", to + " US $");
  } else {
    if (to.empty()) {
      out.message =
          "The \"Convert From United States $\" and \"Conversion Factor\" fields must contain "
          "valid data.";
      return;
    }
    const Ext dollars = textToNumber(to);
    const Ext amount = dollars / Ext(textToNumber(factor));
    from = out.write(kFrom.name, amount.value(), amountText(amount.value()), in.fromMaxLength);
    appendTape5(tape, kHeading, to + " US $", "converts to", from + " " + name);
  }
}

}  // namespace tivorum
