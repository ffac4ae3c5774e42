// The interest window: a nominal annual rate, compounded a chosen number of
// times a year, against the actual annual rate it amounts to.
#pragma once

#include "finance/module_form.h"

class TInterestForm : public tivorum::ModuleForm {
  Q_OBJECT

 public:
  explicit TInterestForm(tivorum::ModuleHost& host);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void InterestSolveButtonClick();

  bool shown_ = false;
};
