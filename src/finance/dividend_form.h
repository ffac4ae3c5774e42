// The dividend window: dividend per share, price per share and the
// percentage yield, any one from the other two. It stays on top.
#pragma once

#include "finance/module_form.h"

class TDividendForm : public tivorum::PickOneForm {
  Q_OBJECT

 public:
  explicit TDividendForm(tivorum::ModuleHost& host);
};
