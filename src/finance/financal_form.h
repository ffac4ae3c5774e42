// The annuity window: present value, future value or rate of a lump sum or a
// series of payments over one year.
#pragma once

#include "finance/financal.h"
#include "finance/module_form.h"

class TFinancialForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TFinancialForm(tivorum::ModuleHost& host);

  tivorum::AnnuityQuantity solveFor() const;
  tivorum::AnnuityType calculationType() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void FinSolveButtonClick();
  void AnnuityGroupClick();
};
