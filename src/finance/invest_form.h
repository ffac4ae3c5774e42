// The investment window: starting amount, target or periodic addition of an
// investment over whole years, after tax, with the target in today's money.
#pragma once

#include "finance/invest.h"
#include "finance/module_form.h"

class QRadioButton;

class TInvestForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TInvestForm(tivorum::ModuleHost& host);

  // The three-way choice of InvestStartGroup and PeriodicRadio.
  tivorum::InvestSolveFor solveFor() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void InvestStartGroupClick();
  void PeriodicRadioClick();
  void SolveButtonClick();
  // The enter and exit handlers of the return, amount, tax and inflation
  // fields: entering selects the whole text, leaving it empty puts "0" back.
  void selectWhole(tivorum::NumericEdit* field);
  void refillZero(tivorum::NumericEdit* field);

  QRadioButton* periodicRadio() const;
};
