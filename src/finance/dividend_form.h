// The dividend window: dividend per share, price per share and the
// percentage yield, any one from the other two. It stays on top.
#pragma once

#include "finance/module_form.h"

class QPushButton;

namespace tivorum {
class NumericEdit;
}

class TDividendForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TDividendForm(tivorum::ModuleHost& host);

  // Controls, under their own names. The group's items label the fields.
  tivorum::RadioGroup DividendGroup;
  tivorum::NumericEdit* DivEnter;
  tivorum::NumericEdit* PriceEnter;
  tivorum::NumericEdit* YieldEnter;
  QPushButton* DivSolveButton;
  QPushButton* DivExitButton;
  QPushButton* DivHelpButton;

 private:
  void DivSolveButtonClick();
  void DivHelpButtonClick();
  void DivExitButtonClick();
};
