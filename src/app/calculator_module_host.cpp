#include "app/calculator_module_host.h"

#include <QAbstractButton>
#include <QDialog>
#include <utility>

#include "app/help_mode.h"
#include "calc/button_captions.h"
#include "calc/engine.h"
#include "controls/dialogs.h"
#include "controls/qt_text.h"
#include "controls/tape_pane.h"

namespace tivorum {

namespace {

constexpr std::pair<Key, Module> kModules[] = {
    {Key::Currency, Module::Currency},     {Key::Loan, Module::Loan},
    {Key::Dividend, Module::Dividend},     {Key::Financial, Module::Financial},
    {Key::ProfitLoss, Module::Profit},     {Key::Interest, Module::Interest},
    {Key::Investment, Module::Investment}, {Key::Area, Module::Area},
    {Key::Volume, Module::Volume},         {Key::Surface, Module::Surface},
};

// The modules' way onto the tape: through the engine, so that "=" never
// takes back a line a module wrote.
class ModuleTape : public Tape {
 public:
  ModuleTape(CalcEngine& engine, TapePane& pane) : engine_(engine), pane_(pane) {}
  void append(const std::string& line) override { engine_.appendTape5(line); }
  void removeLast() override { pane_.removeLast(); }
  void clear() override { engine_.clearTape(); }

 private:
  CalcEngine& engine_;
  TapePane& pane_;
};

}  // namespace

CalculatorModuleHost::CalculatorModuleHost(QWidget& window, CalcEngine& engine, TapePane& pane,
                                           HelpMode& help, std::filesystem::path settingsFolder)
    : window_(window),
      engine_(engine),
      help_(help),
      settingsFolder_(std::move(settingsFolder)),
      tape_(std::make_unique<ModuleTape>(engine, pane)) {}

CalculatorModuleHost::~CalculatorModuleHost() = default;

std::optional<Module> CalculatorModuleHost::moduleOf(Key key) {
  for (const auto& [k, module] : kModules) {
    if (k == key) return module;
  }
  return std::nullopt;
}

void CalculatorModuleHost::open(Module module) {
  if (QPointer<QDialog> window = factory_ ? factory_(module, *this) : nullptr) {
    open_ = window;
    window->exec();
    delete window.data();
  }
}

bool CalculatorModuleHost::isOpen(const QWidget* window) const {
  return window == open_;
}

void CalculatorModuleHost::clickHelpOf(QWidget& window) {
  const QString caption = qstr(kHelpCaption);
  for (QAbstractButton* b : window.findChildren<QAbstractButton*>()) {
    if (b->text() == caption && b->isVisible() && b->isEnabled()) return b->click();
  }
}

void CalculatorModuleHost::loadCurrencyFactors() {
  CurrencyFactorsLoad load = tivorum::loadCurrencyFactors(settingsFolder_);
  currencyFactors_ = load.factors;
  // Loading stops being reported at the first factor that is not a number.
  if (!load.messages.empty()) reportError(&window_, load.messages.front());
}

void CalculatorModuleHost::showHelp(std::string_view topic) {
  help_.show(topic);
}

char CalculatorModuleHost::decimalChar() const {
  return engine_.DecimalChar();
}

void CalculatorModuleHost::message(QWidget* parent, const QString& caption, const QString& text,
                                   BoxIcon icon) {
  dialogs().message(parent, caption, text, icon);
}

}  // namespace tivorum
