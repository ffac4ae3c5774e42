#include "finance/financal_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QShowEvent>

#include "controls/dialogs.h"

using namespace tivorum;
using namespace tivorum::financial_window;

TFinancialForm::TFinancialForm(ModuleHost& host) : ModuleForm(host, kWindow) {
  connect(radioGroup(kGroup.name).buttons, &QButtonGroup::idClicked, this,
          [this] { AnnuityGroupClick(); });
  onClick(kSolveButton.name, [this] { FinSolveButtonClick(); });
}

void TFinancialForm::showEvent(QShowEvent* event) {
  ModuleForm::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TFinancialForm::FormActivate() {
  control<QComboBox>(kPeriodBox.name)->setCurrentIndex(kPeriodInitialIndex);
}

AnnuityQuantity TFinancialForm::solveFor() const {
  const int item = radioGroup(kGroup.name).selected();
  return item < 0 ? AnnuityQuantity::FutureValue : static_cast<AnnuityQuantity>(item);
}

AnnuityType TFinancialForm::calculationType() const {
  const int item = radioGroup(kTypeGroup.name).selected();
  return item < 0 ? AnnuityType::OrdinaryAnnuity : static_cast<AnnuityType>(item);
}

void TFinancialForm::AnnuityGroupClick() {
  const AnnuityGroupCheck check = checkAnnuityGroupClick(calculationType(), solveFor());
  if (check.message.empty()) return;
  host().message(this, qstr(kModuleErrorCaption), qstr(check.message), BoxIcon::Error);
  radioGroup(kGroup.name).select(static_cast<int>(check.selection));
}

void TFinancialForm::FinSolveButtonClick() {
  AnnuityInput in;
  in.presentValue = valueText(kPresentValue);
  in.futureValue = valueText(kFutureValue);
  in.rate = valueText(kRate);
  in.payment = valueText(kPayment);
  in.periodIndex = control<QComboBox>(kPeriodBox.name)->currentIndex();
  in.solveFor = solveFor();
  in.type = calculationType();
  runSolve([&](ModuleSolve& out) { SolveAnnuity(in, out, host().tape()); });
}
