// The interest window: a nominal annual rate, compounded a chosen number of
// times a year, against the actual annual rate it amounts to.
#pragma once

#include "finance/module_form.h"

class QComboBox;
class QLabel;
class QPushButton;
class QShowEvent;

namespace tivorum {
class NumericEdit;
}

class TInterestForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TInterestForm(tivorum::ModuleHost& host);

  // Controls, under their own names. The group's items label the fields.
  tivorum::RadioGroup InterestGroup;
  tivorum::NumericEdit* NominalRateEnter;
  tivorum::NumericEdit* ActualRateEnter;
  QLabel* PeriodLabel;
  QComboBox* PeriodDropDown;
  QPushButton* InterestSolveButton;
  QPushButton* CloseInterestButton;
  QPushButton* InterestHelpButton;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void InterestSolveButtonClick();
  void InterestHelpButtonClick();
  void CloseInterestButtonClick();

  bool shown_ = false;
};
