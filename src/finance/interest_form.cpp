#include "finance/interest_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "controls/numeric_edit.h"
#include "finance/interest.h"

using namespace tivorum;
using namespace tivorum::interest_window;

namespace {

// Both rows: the radio item on the left, its field on the right; the period
// list lines up with the fields.
constexpr int kFieldLeft = 158;
constexpr int kFieldWidth = 109;
constexpr int kRowTop[] = {20, 60};

}  // namespace

TInterestForm::TInterestForm(ModuleHost& host)
    : ModuleForm(host, "TInterestForm", kCaption, kClientWidth, kClientHeight) {
  InterestGroup = addRadioGroup(this, kGroup, QRect(4, 4, 269, 98), {{8, 18}, {8, 58}});
  InterestGroup.box->setAccessibleName("Rate to solve for");
  NominalRateEnter = addEntry(this, kNominalRate, QRect(kFieldLeft, kRowTop[0], kFieldWidth, 26),
                              accessibleFromCaption(kGroupItems[0]));
  ActualRateEnter = addEntry(this, kActualRate, QRect(kFieldLeft, kRowTop[1], kFieldWidth, 26),
                             accessibleFromCaption(kGroupItems[1]));

  PeriodDropDown =
      addPeriodBox(this, kPeriodLabelName, kPeriodLabelCaption, kPeriodBoxName, kPaymentPeriods,
                   kPeriodHint, QRect(12, 122, 142, 26), QRect(kFieldLeft, 122, kFieldWidth, 26));
  PeriodLabel = findChild<QLabel*>(qstr(kPeriodLabelName));

  InterestSolveButton = addButton(kSolveButton, ButtonKind::Plain, QRect(4, 178, 85, 30));
  CloseInterestButton = addButton(kCloseButton, ButtonKind::Close, QRect(96, 178, 85, 30));
  InterestHelpButton = addButton(kHelpButton, ButtonKind::Help, QRect(188, 178, 85, 30));

  setTabOrder(NominalRateEnter, ActualRateEnter);
  setTabOrder(ActualRateEnter, PeriodDropDown);
  setTabOrder(PeriodDropDown, InterestSolveButton);

  connect(InterestSolveButton, &QPushButton::clicked, this,
          &TInterestForm::InterestSolveButtonClick);
  connect(CloseInterestButton, &QPushButton::clicked, this,
          &TInterestForm::CloseInterestButtonClick);
  connect(InterestHelpButton, &QPushButton::clicked, this, &TInterestForm::InterestHelpButtonClick);
}

void TInterestForm::showEvent(QShowEvent* event) {
  ModuleForm::showEvent(event);
  if (!shown_ && !event->spontaneous()) {
    shown_ = true;
    FormActivate();
  }
}

void TInterestForm::FormActivate() {
  PeriodDropDown->setCurrentIndex(kPeriodInitialIndex);
}

void TInterestForm::InterestSolveButtonClick() {
  InterestInput in;
  in.nominalRate = NominalRateEnter->valueText();
  in.actualRate = ActualRateEnter->valueText();
  in.periodIndex = PeriodDropDown->currentIndex();
  in.solveFor =
      InterestGroup.selected() == 0 ? InterestSolveFor::NominalRate : InterestSolveFor::ActualRate;
  runSolve([&](ModuleSolve& out) { SolveInterest(in, out, host().tape()); });
}

void TInterestForm::InterestHelpButtonClick() {
  host().showHelp(kHelpTopic);
}

void TInterestForm::CloseInterestButtonClick() {
  close();
}
