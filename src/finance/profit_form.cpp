#include "finance/profit_form.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "controls/numeric_edit.h"
#include "finance/profit.h"

using namespace tivorum;
using namespace tivorum::pricing_window;

namespace {

constexpr int kFieldLeft = 172;
constexpr int kFieldWidth = 117;

}  // namespace

TPricingForm::TPricingForm(ModuleHost& host)
    : ModuleForm(host, "TPricingForm", kCaption, kClientWidth, kClientHeight) {
  ProfitGroup = addRadioGroup(this, kGroup, QRect(6, 2, 291, 128), {{8, 20}, {8, 54}, {8, 88}});
  CostEnter = addEntry(this, kCost, QRect(kFieldLeft, 22, kFieldWidth, 26),
                       accessibleFromCaption(kGroupItems[0]));
  SellEnter = addEntry(this, kSell, QRect(kFieldLeft, 56, kFieldWidth, 26),
                       accessibleFromCaption(kGroupItems[1]));
  ProfitEnter = addEntry(this, kMargin, QRect(kFieldLeft, 90, kFieldWidth, 26),
                         accessibleFromCaption(kGroupItems[2]));

  // Left to right: Solve, Close, Help.
  SolveButton = addButton(kSolveButton, ButtonKind::Plain, QRect(6, 144, 91, 30));
  CloseButton = addButton(kCloseButton, ButtonKind::Close, QRect(106, 144, 91, 30));
  HelpButton = addButton(kHelpButton, ButtonKind::Help, QRect(206, 144, 91, 30));

  setTabOrder(CostEnter, SellEnter);
  setTabOrder(SellEnter, ProfitEnter);
  setTabOrder(ProfitEnter, SolveButton);

  connect(SolveButton, &QPushButton::clicked, this, &TPricingForm::SolveButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TPricingForm::CloseButtonClick);
  connect(HelpButton, &QPushButton::clicked, this, &TPricingForm::HelpButtonClick);
}

void TPricingForm::SolveButtonClick() {
  static constexpr PricingSolveFor kSolveFor[] = {
      PricingSolveFor::Cost, PricingSolveFor::SellingPrice, PricingSolveFor::Margin};
  PricingInput in;
  in.cost = CostEnter->valueText();
  in.sell = SellEnter->valueText();
  in.margin = ProfitEnter->valueText();
  const int item = ProfitGroup.selected();
  in.solveFor = item < 0 ? PricingSolveFor::Cost : kSolveFor[item];
  runSolve([&](ModuleSolve& out) { SolvePricing(in, out, host().tape()); });
}

void TPricingForm::HelpButtonClick() {
  host().showHelp(kHelpTopic);
}

void TPricingForm::CloseButtonClick() {
  close();
}
