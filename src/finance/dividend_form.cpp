#include "finance/dividend_form.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "controls/numeric_edit.h"
#include "finance/dividend.h"

using namespace tivorum;
using namespace tivorum::dividend_window;

namespace {

constexpr int kFieldLeft = 170;
constexpr int kFieldWidth = 113;

}  // namespace

TDividendForm::TDividendForm(ModuleHost& host)
    : ModuleForm(host, "TDividendForm", kCaption, kClientWidth, kClientHeight) {
  // A fixed dialog frame (no minimise box) above the other windows.
  Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (kStaysOnTop) flags |= Qt::WindowStaysOnTopHint;
  setWindowFlags(flags);

  DividendGroup = addRadioGroup(this, kGroup, QRect(6, 2, 283, 122), {{8, 20}, {8, 52}, {8, 84}});
  DivEnter = addEntry(this, kDividend, QRect(kFieldLeft, 22, kFieldWidth, 26),
                      accessibleFromCaption(kGroupItems[0]));
  PriceEnter = addEntry(this, kPrice, QRect(kFieldLeft, 54, kFieldWidth, 26),
                        accessibleFromCaption(kGroupItems[1]));
  YieldEnter = addEntry(this, kYield, QRect(kFieldLeft, 86, kFieldWidth, 26),
                        accessibleFromCaption(kGroupItems[2]));

  DivSolveButton = addButton(kSolveButton, ButtonKind::Plain, QRect(6, 136, 89, 30));
  DivExitButton = addButton(kCloseButton, ButtonKind::Close, QRect(103, 136, 89, 30));
  DivHelpButton = addButton(kHelpButton, ButtonKind::Help, QRect(200, 136, 89, 30));

  setTabOrder(DivEnter, PriceEnter);
  setTabOrder(PriceEnter, YieldEnter);
  setTabOrder(YieldEnter, DivSolveButton);

  connect(DivSolveButton, &QPushButton::clicked, this, &TDividendForm::DivSolveButtonClick);
  connect(DivExitButton, &QPushButton::clicked, this, &TDividendForm::DivExitButtonClick);
  connect(DivHelpButton, &QPushButton::clicked, this, &TDividendForm::DivHelpButtonClick);
}

void TDividendForm::DivSolveButtonClick() {
  static constexpr DividendSolveFor kSolveFor[] = {
      DividendSolveFor::Dividend, DividendSolveFor::Price, DividendSolveFor::Yield};
  DividendInput in;
  in.dividend = DivEnter->valueText();
  in.price = PriceEnter->valueText();
  in.yield = YieldEnter->valueText();
  const int item = DividendGroup.selected();
  in.solveFor = item < 0 ? DividendSolveFor::Yield : kSolveFor[item];
  runSolve([&](ModuleSolve& out) { SolveDividend(in, out, host().tape()); });
}

void TDividendForm::DivHelpButtonClick() {
  host().showHelp(kHelpTopic);
}

void TDividendForm::DivExitButtonClick() {
  close();
}
