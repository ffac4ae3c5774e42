// The main window as the module windows see it: it opens them one at a time,
// modally, and gives them help, the tape, the currency factors and the
// decimal separator.
#pragma once

#include <QPointer>
#include <filesystem>
#include <memory>
#include <optional>

#include "calc/keys.h"
#include "controls/module_host.h"

class QDialog;

namespace tivorum {

class CalcEngine;
class HelpMode;
class TapePane;

class CalculatorModuleHost final : public ModuleHost {
 public:
  CalculatorModuleHost(QWidget& window, CalcEngine& engine, TapePane& pane, HelpMode& help,
                       std::filesystem::path settingsFolder);
  ~CalculatorModuleHost();

  // What open() makes; without it the module keys open nothing.
  void setFactory(ModuleWindowFactory factory) { factory_ = std::move(factory); }
  // The module a key of the main window opens, if it opens one.
  static std::optional<Module> moduleOf(Key key);
  // Opens the module's window and returns once it has closed.
  void open(Module module);
  // Whether `window` is the module window open now.
  bool isOpen(const QWidget* window) const;
  // Clicks the Help button on the shown page of a module window, if it has one.
  static void clickHelpOf(QWidget& window);
  // The factor table, read at the first showing; its first problem is shown.
  void loadCurrencyFactors();

  // ModuleHost
  QWidget& hostWindow() override { return window_; }
  void showHelp(std::string_view topic) override;
  // One line per append, through the engine.
  Tape& tape() override { return *tape_; }
  CurrencyFactors& currencyFactors() override { return currencyFactors_; }
  char decimalChar() const override;
  const std::filesystem::path& settingsFolder() const override { return settingsFolder_; }
  void message(QWidget* parent, const QString& caption, const QString& text, BoxIcon icon) override;

 private:
  QWidget& window_;
  CalcEngine& engine_;
  HelpMode& help_;
  std::filesystem::path settingsFolder_;
  std::unique_ptr<Tape> tape_;
  CurrencyFactors currencyFactors_{};
  ModuleWindowFactory factory_;
  QPointer<QDialog> open_;  // the window open, if any
};

}  // namespace tivorum
