// The pricing window: an item's cost, its selling price and the gross profit
// margin on the selling price, any one from the other two.
#pragma once

#include "finance/module_form.h"

class TPricingForm : public tivorum::PickOneForm {
  Q_OBJECT

 public:
  explicit TPricingForm(tivorum::ModuleHost& host);
};
