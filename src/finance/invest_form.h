// The investment window: starting amount, target or periodic addition of an
// investment over whole years, after tax, with the target in today's money.
#pragma once

#include "finance/invest.h"
#include "finance/module_form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class TInvestForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TInvestForm(tivorum::ModuleHost& host);

  // The three-way choice of InvestStartGroup and PeriodicRadio.
  tivorum::InvestSolveFor solveFor() const;

  // Controls, under their own names.
  tivorum::RadioGroup InvestStartGroup;
  tivorum::NumericEdit *StartEnter, *TargetEnter;
  tivorum::ResultField* FutureShow;
  tivorum::SpinField* NumberYearsSpin;
  QLabel* ReturnLabel;
  tivorum::NumericEdit* ReturnEnter;
  QGroupBox* PeriodicGroup;
  QRadioButton* PeriodicRadio;
  QLabel* PeriodicLabel;
  tivorum::NumericEdit* AmountEnter;
  QComboBox* PeriodDropDownBox;
  tivorum::NumericEdit *TaxEnter, *InflationEnter;
  QPushButton *SolveButton, *BitBtn2, *BitBtn1;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void InvestStartGroupClick();
  void PeriodicRadioClick();
  void SolveButtonClick();
  void BitBtn1Click();
  void BitBtn2Click();
  // The enter and exit handlers of the return, amount, tax and inflation
  // fields: entering selects the whole text, leaving it empty puts "0" back.
  void selectWhole(tivorum::NumericEdit* field);
  void refillZero(tivorum::NumericEdit* field);
};
