#include "finance/dividend_form.h"

#include "finance/dividend.h"

using namespace tivorum;
using namespace tivorum::dividend_window;

namespace {

// DivSolveButtonClick: the group's items are the quantities in order.
void solveDividend(const std::array<std::string, 3>& texts, int item, ModuleSolve& out,
                   Tape& tape) {
  SolveDividend({texts[0], texts[1], texts[2], static_cast<DividendSolveFor>(item)}, out, tape);
}

}  // namespace

TDividendForm::TDividendForm(ModuleHost& host)
    : PickOneForm(host, kWindow, kGroup, {&kDividend, &kPrice, &kYield}, kSolveButton,
                  solveDividend) {}
