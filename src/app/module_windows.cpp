#include "app/module_windows.h"

#include <QDialog>

#include "calc/calculator_form.h"
#include "finance/currency_form.h"
#include "finance/dividend_form.h"
#include "finance/financal_form.h"
#include "finance/interest_form.h"
#include "finance/invest_form.h"
#include "finance/loan_form.h"
#include "finance/profit_form.h"
#include "geometry/area_form.h"
#include "geometry/surface_form.h"
#include "geometry/volume_form.h"

namespace tivorum {

// One line per module: `return new TLoanForm(&owner);` and its include above.
QDialog* createModuleWindow(Module module, Tcalculator1& owner) {
  (void)owner;
  switch (module) {
    case Module::Currency:
      return new TCurrencyForm(owner);
    case Module::Loan:
      return new TLoanForm(owner);
    case Module::Dividend:
      return new TDividendForm(owner);
    case Module::Financial:
      return new TFinancialForm(owner);
    case Module::Profit:
      return new TPricingForm(owner);
    case Module::Interest:
      return new TInterestForm(owner);
    case Module::Investment:
      return new TInvestForm(owner);
    case Module::Area:
      return new TAreaForm(owner);
    case Module::Volume:
      return new TVolumeForm(owner);
    case Module::Surface:
      return new TSurfaceAreaForm(owner);
  }
  return nullptr;
}

}  // namespace tivorum
