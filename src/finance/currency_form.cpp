#include "finance/currency_form.h"

#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QTimer>
#include <exception>
#include <string>

#include "controls/dialogs.h"
#include "controls/numeric_edit.h"
#include "finance/currency.h"
#include "finance/double_value.h"

using namespace tivorum;
using namespace tivorum::currency_window;

namespace {

// The three amount and factor fields line up on the right.
constexpr int kFieldLeft = 280;
constexpr int kFieldWidth = 135;
constexpr int kListLeft = 132;
constexpr int kListWidth = 140;

}  // namespace

TCurrencyForm::TCurrencyForm(ModuleHost& host)
    : ModuleForm(host, "TCurrencyForm", kCaption, kClientWidth, kClientHeight),
      factors_(host.currencyFactors()) {
  CurrencyGroup = addRadioGroup(this, kGroup, QRect(6, 4, 417, 146), {{8, 14}, {8, 98}});
  CurrencyGroup.box->setAccessibleName("Direction of the conversion");

  CurFromDropDown = new QComboBox(this);
  CurFromDropDown->setObjectName(qstr(kCurrencyBoxName));
  CurFromDropDown->setAccessibleName("Foreign currency");
  CurFromDropDown->setToolTip(qstr(kCurrencyHint));
  for (std::string_view name : kCurrencyNames) CurFromDropDown->addItem(qstr(name));
  CurFromDropDown->setMaxVisibleItems(kCurrencyCount);
  CurFromDropDown->setGeometry(kListLeft, 16, kListWidth, 26);

  CurFromEnter = addEntry(this, kFrom, QRect(kFieldLeft, 16, kFieldWidth, 26),
                          accessibleFromCaption(kGroupItems[0]));
  FactorLabel = addLabel(this, kFactorLabelName, kFactorLabelCaption,
                         QRect(kListLeft, 58, kFieldLeft - 8 - kListLeft, 26));
  FactorLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  CurFactor = addEntry(this, kFactor, QRect(kFieldLeft, 58, kFieldWidth, 26),
                       accessibleFromCaption(kFactorLabelCaption));
  FactorLabel->setBuddy(CurFactor);
  CurToEnter = addEntry(this, kTo, QRect(kFieldLeft, 100, kFieldWidth, 26),
                        accessibleFromCaption(kGroupItems[1]));

  // Left to right: Save, Solve, Close, Help.
  SaveButton = addButton(kSaveButton, ButtonKind::Plain, QRect(6, 163, 98, 30));
  SolveButton = addButton(kSolveButton, ButtonKind::Plain, QRect(112, 163, 98, 30));
  CloseButton = addButton(kCloseButton, ButtonKind::Close, QRect(218, 163, 98, 30));
  HelpButton = addButton(kHelpButton, ButtonKind::Help, QRect(324, 163, 99, 30));
  // A click on a button leaves the focus where it is, so the button itself
  // stores a factor still being typed and stops when it is not a number,
  // before anything else happens (no box in the middle of a mouse press).
  for (QPushButton* b : {SaveButton, SolveButton, CloseButton, HelpButton})
    b->setFocusPolicy(Qt::TabFocus);

  setTabOrder(CurFromDropDown, CurFromEnter);
  setTabOrder(CurFromEnter, CurFactor);
  setTabOrder(CurFactor, CurToEnter);
  setTabOrder(CurToEnter, SaveButton);

  connect(CurFromDropDown, &QComboBox::activated, this, &TCurrencyForm::CurFromDropDownChange);
  onExit(CurFactor, [this] {
    if (isVisible()) CurFactorExit();
  });
  connect(SaveButton, &QPushButton::clicked, this, &TCurrencyForm::SaveButtonClick);
  connect(SolveButton, &QPushButton::clicked, this, &TCurrencyForm::SolveButtonClick);
  connect(CloseButton, &QPushButton::clicked, this, &TCurrencyForm::CloseButtonClick);
  connect(HelpButton, &QPushButton::clicked, this, &TCurrencyForm::HelpButtonClick);
}

void TCurrencyForm::showEvent(QShowEvent* event) {
  if (!shown_ && !event->spontaneous()) {
    shown_ = true;
    FormShow();
  }
  ModuleForm::showEvent(event);
}

// The window opens on the first currency with its factor shown; later
// repaints leave the user's choice alone.
void TCurrencyForm::FormShow() {
  makeFactorsPositive(factors_);
  CurFromDropDown->setCurrentIndex(kCurrencyInitialIndex);
  CurFactor->setResultText(factorText(factors_[kCurrencyInitialIndex]));
}

void TCurrencyForm::CurFromDropDownChange(int index) {
  if (index < 0 || index >= kCurrencyCount) return;
  CurFactor->setResultText(factorText(factors_[index]));
}

bool TCurrencyForm::CurFactorExit() {
  try {
    storeFactor(factors_, CurFromDropDown->currentIndex(), CurFactor->valueText());
    return true;
  } catch (const std::exception& fault) {
    if (QGuiApplication::mouseButtons() == Qt::NoButton) {
      reportFault(fault.what());
    } else {
      // The focus left for a control being pressed: a box now would keep
      // that control pressed, so it comes once the press is over.
      const std::string message = fault.what();
      QTimer::singleShot(0, this, [this, message] { reportFault(message); });
    }
    return false;
  }
}

bool TCurrencyForm::leaveFactorField() {
  return !CurFactor->hasFocus() || CurFactorExit();
}

void TCurrencyForm::SaveButtonClick() {
  if (!leaveFactorField()) return;
  const std::string text = CurFactor->valueText();
  // A text the next start-up could not read back is not written.
  try {
    (void)textToDouble(text);
  } catch (const std::exception& fault) {
    reportFault(fault.what());
    return;
  }
  const WriteResult written =
      saveCurrencyFactor(host().settingsFolder(), CurFromDropDown->currentIndex(), text);
  if (!written.ok) reportError(this, written.message);
}

void TCurrencyForm::SolveButtonClick() {
  if (!leaveFactorField()) return;
  CurrencyInput in;
  in.from = CurFromEnter->valueText();
  in.factor = CurFactor->valueText();
  in.to = CurToEnter->valueText();
  in.direction =
      CurrencyGroup.selected() == 1 ? CurrencyDirection::FromDollars : CurrencyDirection::ToDollars;
  in.position = CurFromDropDown->currentIndex();

  ModuleSolve out;
  try {
    SolveCurrency(in, factors_, out, host().tape());
  } catch (const std::exception& fault) {
    // The factor written before the fault stays.
    applyWrites(out);
    reportFault(fault.what());
    return;
  }
  applyWrites(out);
  if (!out.stopped()) return;
  const bool hide = messageHidesGroup(in.direction);
  if (hide) CurrencyGroup.box->hide();
  host().message(this, qstr(kModuleErrorCaption), qstr(out.message), BoxIcon::Error);
  if (hide) CurrencyGroup.box->show();
}

void TCurrencyForm::HelpButtonClick() {
  if (!leaveFactorField()) return;
  host().showHelp(kHelpTopic);
}

void TCurrencyForm::CloseButtonClick() {
  if (!leaveFactorField()) return;
  close();
}
