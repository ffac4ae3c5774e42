// What a module window asks of the window that opens it. The main window is
// the host in the program; tests can hand a module window a stand-in.
#pragma once

#include <QDialog>
#include <filesystem>
#include <functional>
#include <string_view>

#include "calc/settings.h"
#include "calc/tape.h"
#include "controls/dialogs.h"

class QString;
class QWidget;

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

class ModuleHost {
 public:
  // The window the module windows sit over (their parent).
  virtual QWidget& hostWindow() = 0;
  // Shows one topic of the help file (the module window's Help key).
  virtual void showHelp(std::string_view topic) = 0;
  // The tape the solvers append their blocks to.
  virtual Tape& tape() = 0;
  // The factor table, loaded at the first showing and shared for the run.
  virtual CurrencyFactors& currencyFactors() = 0;
  // The locale's decimal separator, taken at the first showing: the module
  // fields type, read and show it.
  virtual char decimalChar() const = 0;
  // The folder of CUSTOM.INI.
  virtual const std::filesystem::path& settingsFolder() const = 0;
  // A message box with an OK button over `parent`.
  virtual void message(QWidget* parent, const QString& caption, const QString& text,
                       BoxIcon icon) = 0;

 protected:
  ~ModuleHost() = default;
};

// Makes the window of `module` over `host` (which shows it modally and
// deletes it when it closes); nullptr for a module without a window.
using ModuleWindowFactory = std::function<QDialog*(Module module, ModuleHost& host)>;

}  // namespace tivorum
