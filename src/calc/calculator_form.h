// The main window: display, keypad, tape and the keys that open the modules.
// It forwards the keypad to the engine, maps typed characters onto keys,
// runs help mode, and loads and saves the settings.
//
// Module windows are created with the main window as owner
// (tivorum::createModuleWindow) and use it for:
//   ShowButtonHelp("Loans")                 their Help key
//   tivorum::appendTape5(owner.tape(), ...) their tape block
//   currencyFactors(), settingsFolder()     the currency factors and CUSTOM.INI
#pragma once

#include <QWidget>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "calc/engine.h"
#include "calc/settings.h"
#include "calc/tape.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QAbstractButton;
class TColorButton;

namespace tivorum {
class TapePane;
enum class Module;

// Where the program keeps its files.
struct AppPaths {
  std::filesystem::path settingsFolder;  // CUSTOM.INI
  std::filesystem::path helpFolder;      // CALC.ELP
};
}  // namespace tivorum

class Tcalculator1 : public QWidget, private tivorum::EngineHost {
  Q_OBJECT

 public:
  explicit Tcalculator1(const tivorum::AppPaths& paths, QWidget* parent = nullptr);
  ~Tcalculator1() override;

  // Shows the help window with one topic of the help file; in help mode a
  // key's help also ends the mode.
  void ShowButtonHelp(std::string_view topic);
  // The tape as the module windows write to it (one line per append).
  tivorum::Tape& tape();
  // The factor table, loaded at the first showing and shared for the run.
  tivorum::CurrencyFactors& currencyFactors() { return currencyFactors_; }
  const std::filesystem::path& settingsFolder() const { return paths_.settingsFolder; }
  const std::filesystem::path& helpFolder() const { return paths_.helpFolder; }

  // The first activation's loading, run once; start-up calls it right after
  // showing so that it never depends on a window manager activating us.
  void FormActivate();
  bool isStarted() const { return activated_; }

  // The engine behind the keypad.
  tivorum::CalcEngine& engine() { return *engine_; }

  bool HintsOn = true;
  bool TapeShown = true;
  bool HelpMode = false;
  bool HelpFromHelpKey = false;
  // CALCULAT.TXT was already over the size limit at start-up.
  bool BigTapeFile = false;

  // Controls, under their own names.
  QLineEdit* display;
  TColorButton *TapeBut, *PlacesBut, *HintBut, *ButClear, *ColorButton9;
  QWidget* KeypadPanel;
  TColorButton *CurrencyBut, *LoanBut, *ColorButton3, *ColorButton5, *ProfitLossBut, *ColorButton7,
      *ColorButton8;
  TColorButton *AreaBut, *VolumeBut, *SurfaceAreaBut;
  TColorButton *ButTrigType, *ButarcSin, *ButArcCos, *ButArcTan, *ButDegRad, *ButSin, *ButCos,
      *ButTan;
  TColorButton *ButHypot, *ButRoot, *ButPerm, *ButComb, *ButPi, *ButLog, *ButXtoY, *ButSquareRoot,
      *ButFactorial, *ButLn, *ButSquare, *ButAbsolute, *EMinusBut, *ButStore, *ButRecall,
      *ButOneOverX, *ButPercent, *EPlusBut;
  TColorButton *But0, *But1, *But2, *But3, *But4, *But5, *But6, *But7, *But8, *But9, *ButDot,
      *ButPlusMinus, *ButDivide, *ButMultiply, *ButMinus, *ButPlus;
  tivorum::TapePane* Tape;
  QAbstractButton *SpeedButton1, *SpeedButton2;
  TColorButton *ClearMemBut, *ButtonEnte;
  QAbstractButton* AboutButton;
  QPushButton *ButtonClearTape, *ButtonPrint, *ButtonCopy;
  QPlainTextEdit* TempMemo;

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // EngineHost
  void showErrorBox(std::string_view caption, std::string_view text) override;
  bool confirm(std::string_view text) override;
  void reportFault(std::string_view message) override;

  void buildWindow();
  TColorButton* makeKey(QWidget* parent, const char* name, const QString& caption, QRect place,
                        const QColor& face, const QColor& text, int textSize, bool bold,
                        const char* hint);
  // A key that shows `topic` in help mode and otherwise runs `action`; the
  // topic is read when pressed (the trigonometric keys change theirs).
  void onKey(TColorButton* key, std::function<std::string()> topic, std::function<void()> action);
  void onKey(TColorButton* key, std::function<void()> action);
  void afterKey();
  void refresh();

  void FormCreate();
  void FormShow();
  void FormClose();
  // A typed character that no accelerator took.
  void FormKeyPress(QChar ch);
  void SpeedButton1Click();
  void TapeButClick();
  void HintButClick();
  void PlacesButClick();
  void ColorButton9Click();
  void AboutButtonClick();
  void ButtonClearTapeClick();
  void ButtonPrintClick();
  void ButtonCopyClick();
  void openModule(tivorum::Module module, std::string_view topic);

  void setOnOffLook(TColorButton* key, bool on);
  void applyHints();
  void slideTo(std::initializer_list<int> widths);
  int outerWidth() const;
  bool tapeHasFocus() const;
  void focusEquals();

  tivorum::AppPaths paths_;
  std::unique_ptr<tivorum::CalcEngine> engine_;
  std::unique_ptr<tivorum::Tape> moduleTape_;
  tivorum::CurrencyFactors currencyFactors_{};
  bool shown_ = false;
  bool activated_ = false;
  bool closed_ = false;
};
