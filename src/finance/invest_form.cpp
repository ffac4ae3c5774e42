#include "finance/invest_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "controls/numeric_edit.h"
#include "controls/spin_field.h"

using namespace tivorum;
using namespace tivorum::invest_window;

namespace {

// Captions from the left; fields, lists and spin fields end at one right edge.
constexpr int kLeft = 8;
constexpr int kRight = 296;
constexpr int kFieldWidth = 100;
constexpr int kBoxWidth = 130;
constexpr int kSpinWidth = 64;
constexpr int kRowHeight = 24;

QRect rightAligned(int right, int y, int width) {
  return QRect(right - width, y, width, kRowHeight);
}

}  // namespace

TInvestForm::TInvestForm(ModuleHost& host)
    : ModuleForm(host, "TInvestForm", kCaption, kClientWidth, kClientHeight) {
  // Start or target, each item in front of its field.
  InvestStartGroup =
      addRadioGroup(this, kStartGroup, QRect(4, 4, 296, 88), {QPoint(8, 24), QPoint(8, 56)});
  const int inGroupRight = kRight - 4;
  StartEnter = addEntry(InvestStartGroup.box, kStart, rightAligned(inGroupRight, 23, kFieldWidth),
                        "Starting amount ($)");
  TargetEnter = addEntry(InvestStartGroup.box, kTarget, rightAligned(inGroupRight, 55, kFieldWidth),
                         "Target amount ($)");

  FutureShow = addResult(this, kFuture, QRect(kLeft, 100, 180, kRowHeight),
                         rightAligned(kRight, 100, kFieldWidth));
  NumberYearsSpin = addSpin(this, kYears, QRect(kLeft, 130, 180, kRowHeight),
                            rightAligned(kRight, 130, kSpinWidth));
  // The long caption takes two lines beside its field.
  ReturnLabel = addLabel(this, kReturnLabelName, kReturnLabelCaption, QRect(kLeft, 158, 176, 36));
  ReturnLabel->setWordWrap(true);
  ReturnEnter = addEntry(this, kReturn, rightAligned(kRight, 164, kFieldWidth),
                         accessibleFromCaption(kReturnLabelCaption));
  ReturnLabel->setBuddy(ReturnEnter);

  // The periodic addition and how often it is made.
  PeriodicGroup =
      addFrame(this, kPeriodicGroupName, kPeriodicGroupCaption, QRect(4, 202, 296, 108));
  PeriodicGroup->setToolTip(qstr(kPeriodicGroupHint));
  PeriodicRadio = addRadio(PeriodicGroup, kPeriodicRadioName, kPeriodicRadioCaption, QPoint(4, 23));
  PeriodicRadio->resize(PeriodicRadio->width(), kRowHeight);  // on the line of its label
  PeriodicRadio->setAccessibleName("Investment Amount ($)");
  PeriodicLabel = addLabel(PeriodicGroup, kPeriodicLabelName, kPeriodicLabelCaption,
                           QRect(PeriodicRadio->geometry().right() + 1, 23, 90, kRowHeight));
  AmountEnter = addEntry(PeriodicGroup, kAmount, rightAligned(inGroupRight, 23, kFieldWidth),
                         "Investment Amount ($)");
  PeriodicLabel->setBuddy(AmountEnter);
  PeriodDropDownBox =
      addPeriodBox(PeriodicGroup, kHowOftenLabelName, kHowOftenLabelCaption, kPeriodBoxName,
                   kInvestmentPeriods, kPeriodHint, QRect(kLeft - 4, 51, 140, kRowHeight),
                   rightAligned(inGroupRight, 51, kBoxWidth));
  addLabel(PeriodicGroup, kTaxLabelName, kTaxLabelCaption, QRect(kLeft - 4, 79, 160, kRowHeight));
  TaxEnter = addEntry(PeriodicGroup, kTax, rightAligned(inGroupRight, 79, kFieldWidth),
                      accessibleFromCaption(kTaxLabelCaption));

  addLabel(this, kInflationLabelName, kInflationLabelCaption, QRect(kLeft, 320, 180, kRowHeight));
  InflationEnter = addEntry(this, kInflation, rightAligned(kRight, 320, kFieldWidth),
                            accessibleFromCaption(kInflationLabelCaption));

  constexpr int buttonTop = 368;
  constexpr int buttonWidth = 92;
  SolveButton = addButton(kSolveButton, ButtonKind::Plain, QRect(8, buttonTop, buttonWidth, 28));
  BitBtn2 = addButton(kCloseButton, ButtonKind::Close, QRect(106, buttonTop, buttonWidth, 28));
  BitBtn1 = addButton(kHelpButton, ButtonKind::Help, QRect(204, buttonTop, buttonWidth, 28));

  connect(InvestStartGroup.buttons, &QButtonGroup::idClicked, this,
          [this] { InvestStartGroupClick(); });
  connect(PeriodicRadio, &QRadioButton::clicked, this, [this] { PeriodicRadioClick(); });
  connect(SolveButton, &QPushButton::clicked, this, [this] { SolveButtonClick(); });
  connect(BitBtn2, &QPushButton::clicked, this, [this] { BitBtn2Click(); });
  connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
  for (NumericEdit* field : {ReturnEnter, AmountEnter, TaxEnter, InflationEnter}) {
    onEnter(field, [this, field] { selectWhole(field); });
    onExit(field, [this, field] { refillZero(field); });
  }
  setTabOrders({StartEnter, TargetEnter, FutureShow, NumberYearsSpin, ReturnEnter, PeriodicRadio,
                AmountEnter, PeriodDropDownBox, TaxEnter, InflationEnter, SolveButton, BitBtn2,
                BitBtn1});
}

void TInvestForm::showEvent(QShowEvent* event) {
  ModuleForm::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TInvestForm::FormActivate() {
  PeriodDropDownBox->setCurrentIndex(kPeriodInitialIndex);
}

InvestSolveFor TInvestForm::solveFor() const {
  if (PeriodicRadio->isChecked()) return InvestSolveFor::PeriodicAmount;
  return InvestStartGroup.selected() == 1 ? InvestSolveFor::TargetAmount
                                          : InvestSolveFor::StartingAmount;
}

void TInvestForm::InvestStartGroupClick() {
  // A lone radio button cannot be unchecked while it is exclusive.
  PeriodicRadio->setAutoExclusive(false);
  PeriodicRadio->setChecked(false);
  PeriodicRadio->setAutoExclusive(true);
}

void TInvestForm::PeriodicRadioClick() {
  InvestStartGroup.clear();
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
  in.start = StartEnter->valueText();
  in.target = TargetEnter->valueText();
  in.amount = AmountEnter->valueText();
  in.annualReturn = ReturnEnter->valueText();
  in.tax = TaxEnter->valueText();
  in.inflation = InflationEnter->valueText();
  in.years = NumberYearsSpin->value();
  in.periodIndex = PeriodDropDownBox->currentIndex();
  in.solveFor = solveFor();
  runSolve([&](ModuleSolve& out) { SolveInvestment(in, out, host().tape()); });
}

void TInvestForm::BitBtn1Click() {
  host().showHelp(kHelpTopic);
}

void TInvestForm::BitBtn2Click() {
  close();
}
