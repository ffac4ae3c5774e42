#include "finance/loan_form.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include "controls/numeric_edit.h"
#include "controls/spin_field.h"

using namespace tivorum;
using namespace tivorum::loan_window;

namespace {

// Columns: captions from the left, fields ending at one right edge.
constexpr int kLeft = 8;
constexpr int kFieldLeft = 152;
constexpr int kFieldWidth = 117;
constexpr int kSpinWidth = 64;
constexpr int kRowHeight = 24;

const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 255);

}  // namespace

// The outer height of 452 pixels is this client area under its title bar.
TLoanForm::TLoanForm(ModuleHost& host)
    : ModuleForm(host, "TLoanForm", kCaption, kClientWidth, kClientHeight) {
  // What to solve, each item in front of its field; two items take a second
  // caption line under them.
  LoanGroup = addRadioGroup(this, kGroup, QRect(4, 4, 273, 150),
                            {QPoint(8, 10), QPoint(8, 38), QPoint(8, 78), QPoint(8, 106)});
  LoanGroup.box->setAccessibleName("Solve for");
  const int indent = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                     style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
  IntPanel = addLabel(LoanGroup.box, kIntPanelName, kIntPanelCaption,
                      QRect(8 + indent, 56, 140 - indent, 18));
  DownPayPanel = addLabel(LoanGroup.box, kDownPayPanelName, kDownPayPanelCaption,
                          QRect(8 + indent, 124, 140 - indent, 18));
  auto field = [](int y) { return QRect(kFieldLeft - 4, y, kFieldWidth, kRowHeight); };
  LoanPrinEnter = addEntry(LoanGroup.box, kPrincipal, field(9), "Principal ($)");
  LoanAPREnter = addEntry(LoanGroup.box, kRate, field(44), "Annual Interest Rate (APR) (%)");
  LoanPayEnter = addEntry(LoanGroup.box, kPayment, field(77), "Payment ($)");
  DownPayEnter = addEntry(LoanGroup.box, kDownPayment, field(112), "Down Payment ($)");

  LoanDropDownBox = addPeriodBox(this, kPeriodLabelName, kPeriodLabelCaption, kPeriodBoxName,
                                 kPaymentPeriods, kPeriodHint, QRect(kLeft, 160, 140, kRowHeight),
                                 QRect(kFieldLeft, 160, kFieldWidth, kRowHeight));
  NoPerSpin = addSpin(this, kPeriods, QRect(kLeft, 188, 180, kRowHeight),
                      QRect(kFieldLeft + kFieldWidth - kSpinWidth, 188, kSpinWidth, kRowHeight));

  // The balance after payment k, in a grey frame with a blue caption.
  BalanceGroup = addFrame(this, kBalanceGroupName, kBalanceGroupCaption, QRect(4, 218, 273, 156));
  BalanceGroup->setAutoFillBackground(true);
  QPalette grey = BalanceGroup->palette();
  grey.setColor(QPalette::Window, kGrey);
  grey.setColor(QPalette::WindowText, kBlue);  // the frame's caption
  BalanceGroup->setPalette(grey);
  auto row = [](int r) { return 22 + r * 26; };
  auto label = [&row](int r, int width) { return QRect(kLeft - 4, row(r), width, kRowHeight); };
  auto shown = [&row](int r) { return QRect(kFieldLeft - 4, row(r), kFieldWidth, kRowHeight); };
  LoanBalanceShow = addResult(BalanceGroup, kBalance, label(0, 140), shown(0));
  AccruedInterestShow = addResult(BalanceGroup, kAccruedInterest, label(1, 140), shown(1));
  IntInPmtShow = addResult(BalanceGroup, kInterestInPayment, label(2, 140), shown(2));
  PrinInPayShow = addResult(BalanceGroup, kPrincipalInPayment, label(3, 140), shown(3));
  AfterPayNoSpin =
      addSpin(BalanceGroup, kAfterPayment, label(4, 190),
              QRect(kFieldLeft - 4 + kFieldWidth - kSpinWidth, row(4), kSpinWidth, kRowHeight));
  // Only the caption is blue.
  for (QLabel* caption : BalanceGroup->findChildren<QLabel*>()) {
    QPalette black = caption->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    caption->setPalette(black);
  }

  constexpr int buttonTop = 386;
  constexpr int buttonWidth = 85;
  LoanSolveButton =
      addButton(kSolveButton, ButtonKind::Plain, QRect(8, buttonTop, buttonWidth, 28));
  LoanCloseButton =
      addButton(kCloseButton, ButtonKind::Close, QRect(98, buttonTop, buttonWidth, 28));
  HelpButton = addButton(kHelpButton, ButtonKind::Help, QRect(188, buttonTop, buttonWidth, 28));

  connect(LoanSolveButton, &QPushButton::clicked, this, [this] { LoanSolveButtonClick(); });
  connect(LoanCloseButton, &QPushButton::clicked, this, [this] { LoanCloseButtonClick(); });
  connect(HelpButton, &QPushButton::clicked, this, [this] { HelpButtonClick(); });
  onExit(DownPayEnter, [this] { DownPayEnterExit(); });
  setTabOrders({LoanPrinEnter, LoanAPREnter, LoanPayEnter, DownPayEnter, LoanDropDownBox, NoPerSpin,
                LoanBalanceShow, AccruedInterestShow, IntInPmtShow, PrinInPayShow, AfterPayNoSpin,
                LoanSolveButton, LoanCloseButton, HelpButton});

  FormCreate();
}

void TLoanForm::FormCreate() {
  LoanDropDownBox->setCurrentIndex(kPeriodInitialIndex);
}

LoanSolveFor TLoanForm::solveFor() const {
  switch (LoanGroup.selected()) {
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
  in.principal = LoanPrinEnter->valueText();
  in.rate = LoanAPREnter->valueText();
  in.payment = LoanPayEnter->valueText();
  in.downPayment = DownPayEnter->valueText();
  in.periodIndex = LoanDropDownBox->currentIndex();
  in.periods = NoPerSpin->value();
  in.afterPayment = AfterPayNoSpin->value();
  in.solveFor = solveFor();
  runSolve([&](ModuleSolve& out) { SolveLoan(in, out, host().tape()); });
}

void TLoanForm::DownPayEnterExit() {
  const std::string repaired =
      downPaymentAfterExit(DownPayEnter->valueText(), LoanPrinEnter->valueText());
  if (repaired != DownPayEnter->valueText()) DownPayEnter->setResultText(repaired);
}

void TLoanForm::HelpButtonClick() {
  host().showHelp(kHelpTopic);
}

void TLoanForm::LoanCloseButtonClick() {
  close();
}
