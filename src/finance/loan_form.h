// The loan window: principal, rate, payment or down payment of a loan, with
// the balance after a chosen payment.
#pragma once

#include "finance/loan.h"
#include "finance/module_form.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

class TLoanForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TLoanForm(tivorum::ModuleHost& host);

  // What the solve computes, from LoanGroup.
  tivorum::LoanSolveFor solveFor() const;

  // Controls, under their own names.
  tivorum::RadioGroup LoanGroup;
  QLabel *IntPanel, *DownPayPanel;
  tivorum::NumericEdit *LoanPrinEnter, *LoanAPREnter, *LoanPayEnter, *DownPayEnter;
  QComboBox* LoanDropDownBox;
  tivorum::SpinField* NoPerSpin;
  QGroupBox* BalanceGroup;
  tivorum::ResultField *LoanBalanceShow, *AccruedInterestShow, *IntInPmtShow, *PrinInPayShow;
  tivorum::SpinField* AfterPayNoSpin;
  QPushButton *LoanSolveButton, *LoanCloseButton, *HelpButton;

 private:
  void FormCreate();
  void LoanSolveButtonClick();
  void DownPayEnterExit();
  void HelpButtonClick();
  void LoanCloseButtonClick();
};
