#include "app/module_windows.h"

#include <QDialog>

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

// One line per module: `return new TLoanForm(host);` and its include above.
QDialog* createModuleWindow(Module module, ModuleHost& host) {
  switch (module) {
    case Module::Currency:
      return new TCurrencyForm(host);
    case Module::Loan:
      return new TLoanForm(host);
    case Module::Dividend:
      return new TDividendForm(host);
    case Module::Financial:
      return new TFinancialForm(host);
    case Module::Profit:
      return new TPricingForm(host);
    case Module::Interest:
      return new TInterestForm(host);
    case Module::Investment:
      return new TInvestForm(host);
    case Module::Area:
      return new TAreaForm(host);
    case Module::Volume:
      return new TVolumeForm(host);
    case Module::Surface:
      return new TSurfaceAreaForm(host);
  }
  return nullptr;
}

}  // namespace tivorum
