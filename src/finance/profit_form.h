// The pricing window: an item's cost, its selling price and the gross profit
// margin on the selling price, any one from the other two.
#pragma once

#include "finance/module_form.h"

class QPushButton;

namespace tivorum {
class NumericEdit;
}

class TPricingForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TPricingForm(tivorum::ModuleHost& host);

  // Controls, under their own names. The group's items label the fields.
  tivorum::RadioGroup ProfitGroup;
  tivorum::NumericEdit* CostEnter;
  tivorum::NumericEdit* SellEnter;
  tivorum::NumericEdit* ProfitEnter;
  QPushButton* SolveButton;
  QPushButton* CloseButton;
  QPushButton* HelpButton;

 private:
  void SolveButtonClick();
  void HelpButtonClick();
  void CloseButtonClick();
};
