#include "finance/dividend.h"

#include "finance/double_value.h"

namespace tivorum {

void SolveDividend(const DividendInput& in, ModuleSolve& out, Tape& tape) {
  using namespace dividend_window;
  std::string dividend = in.dividend;
  std::string price = in.price;
  std::string yield = in.yield;
  const Ext d = extOf(dividend.empty() ? 0 : textToDouble(dividend));
  const Ext p = extOf(price.empty() ? 0 : textToDouble(price));
  const Ext y = extOf(yield.empty() ? 0 : textToDouble(yield));
  switch (in.solveFor) {
    case DividendSolveFor::Dividend: {
      if (!isFilled(price) || !isFilled(yield)) {
        out.message =
            "You must enter non-zero values in the \"Yield\" and \"Price per Share\" fields.";
        return;
      }
      const Ext v = Ext(0.01L) * y * p;
      dividend = out.write(kDividend.name, v.value(), amountText(v.value()), in.dividendMaxLength);
      break;
    }
    case DividendSolveFor::Price: {
      if (!isFilled(dividend) || !isFilled(yield)) {
        out.message = "You must enter non-zero values in the \"Yield\" and \"Dividend\" fields.";
        return;
      }
      const Ext v = d / y * 100;
      price = out.write(kPrice.name, v.value(), amountText(v.value()), in.priceMaxLength);
      break;
    }
    case DividendSolveFor::Yield: {
      if (!isFilled(dividend) || !isFilled(price)) {
        out.message =
            "You must enter non-zero values in the \"Dividend\" and \"Price per Share\" fields.";
        return;
      }
      const Ext v = d / p * 100;
      yield = out.write(kYield.name, v.value(), generalText(v.value(), 10), in.yieldMaxLength);
      break;
    }
  }
  appendTape5(tape, "------ " + std::string(kGroup.caption) + " ------",
              std::string(kGroupItems[0]) + " " + dividend,
              std::string(kGroupItems[1]) + " " + price, std::string(kGroupItems[2]) + " " + yield);
}

}  // namespace tivorum
