#include "finance/financal_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

#include "controls/dialogs.h"
#include "controls/numeric_edit.h"

using namespace tivorum;
using namespace tivorum::financial_window;

namespace {

constexpr int kLeft = 8;
constexpr int kFieldLeft = 154;
constexpr int kFieldWidth = 109;
constexpr int kRowHeight = 24;

}  // namespace

TFinancialForm::TFinancialForm(ModuleHost& host)
    : ModuleForm(host, "TFinancialForm", kCaption, kClientWidth, kClientHeight) {
  // What to solve, each item in front of its field.
  AnnuityGroup = addRadioGroup(this, kGroup, QRect(4, 4, 267, 134),
                               {QPoint(8, 12), QPoint(8, 42), QPoint(8, 72), QPoint(8, 102)});
  AnnuityGroup.box->setAccessibleName("Solve for");
  auto field = [](int y) { return QRect(kFieldLeft - 4, y, kFieldWidth, kRowHeight); };
  APVEnter = addEntry(AnnuityGroup.box, kPresentValue, field(11), "Present Value ($)");
  AFVEnter = addEntry(AnnuityGroup.box, kFutureValue, field(41), "Future Value ($)");
  AIREnter = addEntry(AnnuityGroup.box, kRate, field(71), "Interest Rate (%)");
  APayEnter = addEntry(AnnuityGroup.box, kPayment, field(101), "Payment ($)");

  FinDropDownBox = addPeriodBox(this, kPeriodLabelName, kPeriodLabelCaption, kPeriodBoxName,
                                kPaymentPeriods, kPeriodHint, QRect(kLeft, 148, 144, kRowHeight),
                                QRect(kFieldLeft, 148, kFieldWidth, kRowHeight));

  FinSelectGroup = addRadioGroup(this, kTypeGroup, QRect(4, 182, 267, 100),
                                 {QPoint(8, 22), QPoint(8, 47), QPoint(8, 72)});

  constexpr int buttonTop = 308;
  constexpr int buttonWidth = 83;
  FinSolveButton = addButton(kSolveButton, ButtonKind::Plain, QRect(8, buttonTop, buttonWidth, 28));
  FinCloseButton =
      addButton(kCloseButton, ButtonKind::Close, QRect(96, buttonTop, buttonWidth, 28));
  FinHelpButton = addButton(kHelpButton, ButtonKind::Help, QRect(184, buttonTop, buttonWidth, 28));

  connect(AnnuityGroup.buttons, &QButtonGroup::idClicked, this, [this] { AnnuityGroupClick(); });
  connect(FinSolveButton, &QPushButton::clicked, this, [this] { FinSolveButtonClick(); });
  connect(FinCloseButton, &QPushButton::clicked, this, [this] { FinCloseButtonClick(); });
  connect(FinHelpButton, &QPushButton::clicked, this, [this] { FinHelpButtonClick(); });
  setTabOrders({APVEnter, AFVEnter, AIREnter, APayEnter, FinDropDownBox, FinSolveButton,
                FinCloseButton, FinHelpButton});
}

void TFinancialForm::showEvent(QShowEvent* event) {
  ModuleForm::showEvent(event);
  if (!event->spontaneous()) FormActivate();
}

void TFinancialForm::FormActivate() {
  FinDropDownBox->setCurrentIndex(kPeriodInitialIndex);
}

AnnuityQuantity TFinancialForm::solveFor() const {
  const int item = AnnuityGroup.selected();
  return item < 0 ? AnnuityQuantity::FutureValue : static_cast<AnnuityQuantity>(item);
}

AnnuityType TFinancialForm::calculationType() const {
  const int item = FinSelectGroup.selected();
  return item < 0 ? AnnuityType::OrdinaryAnnuity : static_cast<AnnuityType>(item);
}

void TFinancialForm::AnnuityGroupClick() {
  const AnnuityGroupCheck check = checkAnnuityGroupClick(calculationType(), solveFor());
  if (check.message.empty()) return;
  host().message(this, qstr(kModuleErrorCaption), qstr(check.message), BoxIcon::Error);
  AnnuityGroup.select(static_cast<int>(check.selection));
}

void TFinancialForm::FinSolveButtonClick() {
  AnnuityInput in;
  in.presentValue = APVEnter->valueText();
  in.futureValue = AFVEnter->valueText();
  in.rate = AIREnter->valueText();
  in.payment = APayEnter->valueText();
  in.periodIndex = FinDropDownBox->currentIndex();
  in.solveFor = solveFor();
  in.type = calculationType();
  runSolve([&](ModuleSolve& out) { SolveAnnuity(in, out, host().tape()); });
}

void TFinancialForm::FinHelpButtonClick() {
  host().showHelp(kHelpTopic);
}

void TFinancialForm::FinCloseButtonClick() {
  close();
}
