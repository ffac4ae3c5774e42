// The loan window: principal, rate, payment or down payment of a loan, with
// the balance after a chosen payment.
#pragma once

#include "finance/loan.h"
#include "finance/module_form.h"

class TLoanForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TLoanForm(tivorum::ModuleHost& host);

  // What the solve computes, from LoanGroup.
  tivorum::LoanSolveFor solveFor() const;

 private:
  void FormCreate();
  void LoanSolveButtonClick();
  void DownPayEnterExit();
};
