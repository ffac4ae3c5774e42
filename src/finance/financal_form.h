// The annuity window: present value, future value or rate of a lump sum or a
// series of payments over one year.
#pragma once

#include "finance/financal.h"
#include "finance/module_form.h"

class QComboBox;
class QLabel;
class QPushButton;

class TFinancialForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TFinancialForm(tivorum::ModuleHost& host);

  tivorum::AnnuityQuantity solveFor() const;
  tivorum::AnnuityType calculationType() const;

  // Controls, under their own names.
  tivorum::RadioGroup AnnuityGroup;
  tivorum::NumericEdit *APVEnter, *AFVEnter, *AIREnter, *APayEnter;
  QComboBox* FinDropDownBox;
  tivorum::RadioGroup FinSelectGroup;
  QPushButton *FinSolveButton, *FinCloseButton, *FinHelpButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void FinSolveButtonClick();
  void AnnuityGroupClick();
  void FinHelpButtonClick();
  void FinCloseButtonClick();
};
