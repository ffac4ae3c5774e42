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
#include "controls/lock_wait.h"
#include "controls/numeric_edit.h"
#include "finance/currency.h"
#include "finance/double_value.h"

using namespace tivorum;
using namespace tivorum::currency_window;

TCurrencyForm::TCurrencyForm(ModuleHost& host)
    : ModuleForm(host, kWindow),
      CurrencyGroup(radioGroup(kGroup.name)),
      CurFromDropDown(control<QComboBox>(kCurrencyBox.name)),
      CurFromEnter(control<NumericEdit>(kFrom.name)),
      CurFactor(control<NumericEdit>(kFactor.name)),
      CurToEnter(control<NumericEdit>(kTo.name)),
      SaveButton(control<QPushButton>(kSaveButton.name)),
      SolveButton(control<QPushButton>(kSolveButton.name)),
      factors_(host.currencyFactors()) {
  // A click on a button leaves the focus where it is, so the button itself
  // stores a factor still being typed and stops when it is not a number,
  // before anything else happens (no box in the middle of a mouse press).
  for (const ButtonData* b : {&kSaveButton, &kSolveButton, &kCloseButton, &kHelpButton})
    control<QPushButton>(b->name)->setFocusPolicy(Qt::TabFocus);

  connect(CurFromDropDown, &QComboBox::activated, this, &TCurrencyForm::CurFromDropDownChange);
  onExit(CurFactor, [this] {
    if (isVisible()) CurFactorExit();
  });
  onClick(kSaveButton.name, [this] { SaveButtonClick(); });
  onClick(kSolveButton.name, [this] { SolveButtonClick(); });
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
  const int position = CurFromDropDown->currentIndex();
  const WriteResult written = saveWaitingForLock(
      [&] { return saveCurrencyFactor(host().settingsFolder(), position, text); });
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
