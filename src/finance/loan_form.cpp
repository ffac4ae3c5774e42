#include "finance/loan_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>

#include "controls/look.h"
#include "controls/numeric_edit.h"
#include "controls/spin_field.h"

using namespace tivorum;
using namespace tivorum::loan_window;

TLoanForm::TLoanForm(ModuleHost& host) : ModuleForm(host, kWindow) {
  // The balance frame is grey with a blue caption; only the caption is blue.
  auto* balance = control<QGroupBox>(kBalanceGroup.name);
  balance->setAutoFillBackground(true);
  QPalette grey = balance->palette();
  grey.setColor(QPalette::Window, kGrey);
  grey.setColor(QPalette::WindowText, kBlue);
  balance->setPalette(grey);
  for (QLabel* caption : balance->findChildren<QLabel*>()) {
    QPalette black = caption->palette();
    black.setColor(QPalette::WindowText, kBlack);
    caption->setPalette(black);
  }

  onClick(kSolveButton.name, [this] { LoanSolveButtonClick(); });
  onExit(control<NumericEdit>(kDownPayment.name), [this] { DownPayEnterExit(); });
  FormCreate();
}

void TLoanForm::FormCreate() {
  control<QComboBox>(kPeriodBox.name)->setCurrentIndex(kPeriodInitialIndex);
}

LoanSolveFor TLoanForm::solveFor() const {
  switch (radioGroup(kGroup.name).selected()) {
    case 0:
      return LoanSolveFor::Principal;
    case 1:
      return LoanSolveFor::Rate;
    case 3:
      return LoanSolveFor::DownPayment;
    default:
      return LoanSolveFor::Payment;
  }
}

void TLoanForm::LoanSolveButtonClick() {
  LoanInput in;
  in.principal = valueText(kPrincipal);
  in.rate = valueText(kRate);
  in.payment = valueText(kPayment);
  in.downPayment = valueText(kDownPayment);
  in.periodIndex = control<QComboBox>(kPeriodBox.name)->currentIndex();
  in.periods = control<SpinField>(kPeriods.name)->value();
  in.afterPayment = control<SpinField>(kAfterPayment.name)->value();
  in.solveFor = solveFor();
  runSolve([&](ModuleSolve& out) { SolveLoan(in, out, host().tape()); });
}

void TLoanForm::DownPayEnterExit() {
  const std::string repaired = downPaymentAfterExit(valueText(kDownPayment), valueText(kPrincipal));
  if (repaired != valueText(kDownPayment)) {
    control<NumericEdit>(kDownPayment.name)->setResultText(repaired);
  }
}
