// The module windows the main window's module keys open.
#pragma once

class QDialog;
class Tcalculator1;

namespace tivorum {

enum class Module {
  Currency,
  Loan,
  Dividend,
  Financial,
  Profit,
  Interest,
  Investment,
  Area,
  Volume,
  Surface
};

// A new window for `module`, owned by `owner` (which shows it modally and
// deletes it when it closes); nullptr for a module that has no window yet.
QDialog* createModuleWindow(Module module, Tcalculator1& owner);

}  // namespace tivorum
