#include "finance/invest_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QRadioButton>
#include <QShowEvent>

#include "controls/numeric_edit.h"
#include "controls/spin_field.h"

using namespace tivorum;
using namespace tivorum::invest_window;

TInvestForm::TInvestForm(ModuleHost& host) : ModuleForm(host, kWindow) {
  connect(radioGroup(kStartGroup.name).buttons, &QButtonGroup::idClicked, this,
          [this] { InvestStartGroupClick(); });
  connect(periodicRadio(), &QRadioButton::clicked, this, [this] { PeriodicRadioClick(); });
  onClick(kSolveButton.name, [this] { SolveButtonClick(); });
  for (const EntryFieldData* data : {&kReturn, &kAmount, &kTax, &kInflation}) {
    auto* field = control<NumericEdit>(data->name);
    onEnter(field, [this, field] { selectWhole(field); });
    onExit(field, [this, field] { refillZero(field); });
  }
}

void TInvestForm::showEvent(QShowEvent* event) {
  ModuleForm::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TInvestForm::FormActivate() {
  control<QComboBox>(kPeriodBox.name)->setCurrentIndex(kPeriodInitialIndex);
}

QRadioButton* TInvestForm::periodicRadio() const {
  return control<QRadioButton>(kPeriodicRadio.name);
}

InvestSolveFor TInvestForm::solveFor() const {
  if (periodicRadio()->isChecked()) return InvestSolveFor::PeriodicAmount;
  return radioGroup(kStartGroup.name).selected() == 1 ? InvestSolveFor::TargetAmount
                                                      : InvestSolveFor::StartingAmount;
}

void TInvestForm::InvestStartGroupClick() {
  // A lone radio button cannot be unchecked while it is exclusive.
  QRadioButton* radio = periodicRadio();
  radio->setAutoExclusive(false);
  radio->setChecked(false);
  radio->setAutoExclusive(true);
}

void TInvestForm::PeriodicRadioClick() {
  radioGroup(kStartGroup.name).clear();
}

void TInvestForm::selectWhole(NumericEdit* field) {
  field->selectAll();
}

void TInvestForm::refillZero(NumericEdit* field) {
  const std::string text = investFieldAfterExit(field->valueText());
  if (text != field->valueText()) field->setResultText(text);
}

void TInvestForm::SolveButtonClick() {
  InvestInput in;
  in.start = valueText(kStart);
  in.target = valueText(kTarget);
  in.amount = valueText(kAmount);
  in.annualReturn = valueText(kReturn);
  in.tax = valueText(kTax);
  in.inflation = valueText(kInflation);
  in.years = control<SpinField>(kYears.name)->value();
  in.periodIndex = control<QComboBox>(kPeriodBox.name)->currentIndex();
  in.solveFor = solveFor();
  runSolve([&](ModuleSolve& out) { SolveInvestment(in, out, host().tape()); });
}
