// The currency window: an amount converted between a listed currency and US
// dollars through the factor table the main window keeps for the whole run.
// The factor of the selected currency can be edited, and saved to the
// settings file.
#pragma once

#include "calc/settings.h"
#include "finance/module_form.h"

class QComboBox;
class QPushButton;
class QShowEvent;

namespace tivorum {
class NumericEdit;
}

class TCurrencyForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TCurrencyForm(tivorum::ModuleHost& host);

  // Controls, under their own names. Item 0 of the group labels the foreign
  // row, item 1 the US-dollar row.
  tivorum::RadioGroup CurrencyGroup;
  QComboBox* CurFromDropDown;
  tivorum::NumericEdit* CurFromEnter;
  tivorum::NumericEdit* CurFactor;
  tivorum::NumericEdit* CurToEnter;
  QPushButton* SaveButton;
  QPushButton* SolveButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void CurFromDropDownChange(int index);
  // Stores the factor field's text in the table; false (reported) when it is
  // not a number.
  bool CurFactorExit();
  // A button clicked while the factor field has the focus stores the factor
  // first; false when that failed and the button must do nothing.
  bool leaveFactorField();
  bool mayLeave() override { return leaveFactorField(); }
  void SaveButtonClick();
  void SolveButtonClick();

  tivorum::CurrencyFactors& factors_;
  bool shown_ = false;
};
