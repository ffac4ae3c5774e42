#include "finance/interest_form.h"

#include <QComboBox>
#include <QShowEvent>

#include "finance/interest.h"

using namespace tivorum;
using namespace tivorum::interest_window;

TInterestForm::TInterestForm(ModuleHost& host) : ModuleForm(host, kWindow) {
  onClick(kSolveButton.name, [this] { InterestSolveButtonClick(); });
}

void TInterestForm::showEvent(QShowEvent* event) {
  ModuleForm::showEvent(event);
  if (!shown_ && !event->spontaneous()) {
    shown_ = true;
    FormActivate();
  }
}

void TInterestForm::FormActivate() {
  control<QComboBox>(kPeriodBox.name)->setCurrentIndex(kPeriodInitialIndex);
}

void TInterestForm::InterestSolveButtonClick() {
  InterestInput in;
  in.nominalRate = valueText(kNominalRate);
  in.actualRate = valueText(kActualRate);
  in.periodIndex = control<QComboBox>(kPeriodBox.name)->currentIndex();
  in.solveFor = radioGroup(kGroup.name).selected() == 0 ? InterestSolveFor::NominalRate
                                                        : InterestSolveFor::ActualRate;
  runSolve([&](ModuleSolve& out) { SolveInterest(in, out, host().tape()); });
}
