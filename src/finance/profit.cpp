#include "finance/profit.h"

#include "finance/double_value.h"

namespace tivorum {

void SolvePricing(const PricingInput& in, ModuleSolve& out, Tape& tape) {
  using namespace pricing_window;
  std::string cost = in.cost;
  std::string sell = in.sell;
  std::string margin = in.margin;
  const Ext c = extOf(cost.empty() ? 0 : textToDouble(cost));
  const Ext s = extOf(sell.empty() ? 0 : textToDouble(sell));
  const Ext g = extOf(margin.empty() ? 0 : textToDouble(margin));
  const Ext hundredth = 0.01L;
  switch (in.solveFor) {
    case PricingSolveFor::Cost: {
      if (!isFilled(sell) || !isFilled(margin)) {
        out.message = "You must enter values in the \"Selling Price\" and \"Profit Margin\" fields";
        return;
      }
      const Ext v = s - hundredth * g * s;
      cost = out.write(kCost.name, v.value(), amountText(v.value()), in.costMaxLength);
      break;
    }
    case PricingSolveFor::SellingPrice: {
      if (!isFilled(cost) || !isFilled(margin)) {
        out.message = "You must enter values in the \"Cost\" and \"Profit Margin\" fields";
        return;
      }
      const Ext v = -c / (hundredth * g - 1);
      sell = out.write(kSell.name, v.value(), amountText(v.value()), in.sellMaxLength);
      break;
    }
    case PricingSolveFor::Margin: {
      if (!isFilled(sell) || !isFilled(cost)) {
        out.message = "You must enter values in the \"Selling Price\" and \"Cost\" fields";
        return;
      }
      const Ext v = (s - c) / s * 100;
      margin = out.write(kMargin.name, v.value(), fixedText(v.value(), 10, 3), in.marginMaxLength);
      break;
    }
  }
  appendTape5(tape, "------ " + std::string(kGroup.caption) + " ------",
              std::string(kGroupItems[0]) + " " + cost, std::string(kGroupItems[1]) + " " + sell,
              std::string(kGroupItems[2]) + " " + margin);
}

}  // namespace tivorum
