#include "finance/profit_form.h"

#include "finance/profit.h"

using namespace tivorum;
using namespace tivorum::pricing_window;

namespace {

// SolveButtonClick: the group's items are the quantities in order.
void solvePricing(const std::array<std::string, 3>& texts, int item, ModuleSolve& out, Tape& tape) {
  SolvePricing({texts[0], texts[1], texts[2], static_cast<PricingSolveFor>(item)}, out, tape);
}

}  // namespace

TPricingForm::TPricingForm(ModuleHost& host)
    : PickOneForm(host, kWindow, kGroup, {&kCost, &kSell, &kMargin}, kSolveButton, solvePricing) {}
