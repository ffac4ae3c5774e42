// The main window: display, keypad, tape and the keys that open the modules.
// It forwards the keypad to the engine and carries out what the input router
// decides for a key; help mode, the module windows' host, printing the tape
// and keeping the settings are classes of their own that it owns.
#pragma once

#include <QWidget>
#include <array>
#include <filesystem>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "calc/engine.h"
#include "calc/input_router.h"
#include "calc/keys.h"
#include "calc/settings.h"
#include "calc/tape.h"
#include "controls/module_host.h"

class QAbstractButton;
class QDialog;
class QLineEdit;
class TColorButton;

namespace tivorum {
class CalculatorModuleHost;
class HelpMode;
class SettingsKeeper;
class TapeOutput;
class TapeJournal;
class TapePane;

// Where the program keeps its files.
struct AppPaths {
  std::filesystem::path settingsFolder;  // CUSTOM.INI
  std::filesystem::path helpFolder;      // CALC.ELP
  // The tape journal; empty: beside CUSTOM.INI.
  std::filesystem::path journalFolder = {};
};
}  // namespace tivorum

class Tcalculator1 : public QWidget, private tivorum::EngineHost {
  Q_OBJECT

 public:
  explicit Tcalculator1(const tivorum::AppPaths& paths, QWidget* parent = nullptr);
  ~Tcalculator1() override;

  // What the module keys open; without it they open nothing.
  void setModuleWindows(tivorum::ModuleWindowFactory factory);
  // The window as the module windows see it.
  tivorum::ModuleHost& moduleHost();

  // After the Help key: the next key shows its help.
  bool inHelpMode() const;

  // The first activation's loading, run once; start-up calls it right after
  // showing so that it never depends on a window manager activating us.
  void FormActivate();
  bool isStarted() const;
  // Fills the tape with the kept one and starts journalling, once. The first
  // activation asks for it after the first paint; a run that never paints
  // (the scenario runner, tests) calls it itself.
  void restoreTape();

  // Puts the window where the settings file says, before it is first shown,
  // so that the window manager places the frame, not the client area, there.
  void restorePlace();
  // Saves the settings and the window's place as closing does (the session is
  // being saved).
  void saveState();
  // Saves as closing does and ends the program (a logout, a kill).
  void endRun();

  // The engine behind the keypad.
  tivorum::CalcEngine& engine() { return *engine_; }

  // The Hints and Tape keys: hints show, the tape is slid out.
  bool hintsOn() const { return HintsOn; }
  bool tapeShown() const { return TapeShown; }
  // The number the display shows, as it shows it.
  QString displayText() const;
  tivorum::TapePane& tapePane() { return *Tape; }

  // The keys, by the key table; key() is null for a key that is not a
  // colour button (the Help, About and tape keys).
  QAbstractButton* keyWidget(tivorum::Key key) const;
  TColorButton* key(tivorum::Key key) const;
  // Presses a key as if clicked, so that help mode and the focus rules apply.
  void pressKey(tivorum::Key key);

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // EngineHost
  void showErrorBox(std::string_view caption, std::string_view text) override;
  bool confirm(std::string_view text) override;
  void reportFault(std::string_view message) override;

  void buildWindow();
  void buildTape();
  // A click on a key: its help in help mode, if it has a topic; else its action.
  void keyClicked(tivorum::Key key);
  void act(tivorum::Key key);
  std::string helpTopic(tivorum::Key key) const;
  void typeKey(tivorum::Key key);
  void afterKey();
  void refresh();

  void FormCreate();
  void FormShow();
  void FormClose();
  // What the window holds of the settings now, its place aside.
  tivorum::Settings currentSettings() const;
  // Writes the memory and the setting keys as soon as one changes.
  void keepChanges();
  // What has the focus, for the input router, when `target` gets a key.
  tivorum::Focus focusOf(QWidget* target) const;
  // Carries out what the input router decided for a key.
  void perform(const tivorum::Action& action, QWidget* window);
  void SpeedButton1Click();
  void TapeButClick();
  void HintButClick();
  void ColorButton9Click();
  void AboutButtonClick();
  void ButtonPrintClick();
  void ButtonCopyClick();

  // The tape's context menu and what it does (calculator_tape_form.cpp).
  void buildTapeMenu();
  // The menu at `at` in the tape's viewport.
  void TapeMenuPopup(const QPoint& at);
  // The menu from the keyboard, by the caret (or the last line).
  void TapeMenuKey();
  void SelectAllClick();
  void AddNoteClick();
  void SaveTapeClick();
  void OpenTapeClick();
  void ExportCsvClick();
  void KeepTapeClick();
  // The run's end: the tape becomes the one the next start shows.
  void settleTape();
  // A journal that cannot be written is shown once per run.
  void reportJournalProblem();

  void setOnOffLook(TColorButton* key, bool on);
  void applyHints();
  void slideTo(std::initializer_list<int> widths);
  int outerWidth() const;
  void focusEquals();

  // Controls, under their own names.
  QLineEdit* display;
  tivorum::TapePane* Tape;

  bool HintsOn = true;
  bool TapeShown = true;
  // Keep Tape Between Runs.
  bool KeepTape = true;
  tivorum::AppPaths paths_;
  std::array<QAbstractButton*, tivorum::kKeyCount> keys_{};
  std::unique_ptr<tivorum::CalcEngine> engine_;
  std::unique_ptr<tivorum::TapeOutput> tapeOutput_;
  std::unique_ptr<tivorum::HelpMode> helpMode_;
  std::unique_ptr<tivorum::CalculatorModuleHost> modules_;
  tivorum::InputRouter router_;
  bool shown_ = false;
  std::unique_ptr<tivorum::SettingsKeeper> settings_;
  std::unique_ptr<tivorum::TapeJournal> journal_;
  bool tapeRestored_ = false;
};
