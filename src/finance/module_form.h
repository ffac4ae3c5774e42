// What every financial window shares: the silver fixed-size frame, its
// controls made from the window's plain description, the Close and Help
// buttons, the run of a solve (field writes, "ERROR!" box, faults) and the
// shrinking close.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "controls/module_host.h"
#include "controls/qt_text.h"
#include "finance/module_solve.h"
#include "finance/window_data.h"

class QButtonGroup;
class QGroupBox;
class QRadioButton;

namespace tivorum {

class NumericEdit;
class ResultField;
class SpinField;

// A caption without the trailing colon and blanks: the accessible name of the
// control it labels.
QString accessibleFromCaption(std::string_view caption);

// A radio group: the framed box and its items, in order.
struct RadioGroup {
  QGroupBox* box = nullptr;
  QButtonGroup* buttons = nullptr;
  std::vector<QRadioButton*> items;

  // The checked item, or -1 when none is.
  int selected() const;
  void select(int index) const;
  // Unchecks every item.
  void clear() const;
};

class ModuleForm : public QDialog {
  Q_OBJECT

 public:
  ModuleForm(ModuleHost& host, const ModuleWindowData& window);

 protected:
  ModuleHost& host() const { return host_; }

  // The control the description names `name`.
  template <class Control>
  Control* control(std::string_view name) const {
    return findChild<Control*>(qstr(name));
  }
  const RadioGroup& radioGroup(std::string_view name) const;
  // The text of an entry field, with "." as its point.
  std::string valueText(const EntryFieldData& field) const;

  // A click on the button named `button`.
  void onClick(std::string_view button, std::function<void()> handler);
  // Enter and exit handlers of a control: focus coming from or going to
  // another control of this window (not the window losing or regaining the
  // activation, nor a popup).
  void onEnter(QWidget* control, std::function<void()> handler);
  void onExit(QWidget* control, std::function<void()> handler);
  // Whether the Close and Help buttons may act now.
  virtual bool mayLeave() { return true; }

  // Runs a solve: its field and spin writes reach the window also when it
  // stops with a message or a fault; a message shows in an "ERROR!" box, a
  // fault goes to the central error reporter.
  void runSolve(const std::function<void(ModuleSolve&)>& solve);
  // Writes one solve's recorded texts and spin values into the controls.
  void applyWrites(const ModuleSolve& result);
  // Shows a fault met reading or solving: a text it names is shown as the
  // field shows it, with the window's decimal separator.
  void reportFault(std::string_view message);

  // The first showing puts the caret in the first entry field of the tab
  // order, so the first typed digit is not lost on a radio group.
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct FocusHandler {
    QWidget* control;
    bool enter;
    std::function<void()> handler;
  };

  // Each makes one control, whose place may follow `previous`.
  QWidget* make(const LabelData& data, QWidget* previous);
  QWidget* make(const EntryFieldData& data, QWidget* previous);
  QWidget* make(const ResultFieldData& data, QWidget* previous);
  QWidget* make(const SpinFieldData& data, QWidget* previous);
  QWidget* make(const DropDownData& data, QWidget* previous);
  QWidget* make(const RadioGroupData& data, QWidget* previous);
  QWidget* make(const RadioData& data, QWidget* previous);
  QWidget* make(const FrameData& data, QWidget* previous);
  QWidget* make(const ButtonData& data, QWidget* previous);
  QWidget* parentNamed(std::string_view name);
  void setTabOrders(std::span<const std::string_view> names);

  ModuleHost& host_;
  const ModuleWindowData& window_;
  std::vector<std::pair<std::string_view, RadioGroup>> groups_;
  std::vector<std::pair<std::string_view, std::string_view>> buddies_;  // label, control
  std::vector<FocusHandler> focusHandlers_;
  bool opened_ = false;
};

// The Solve of a window whose radio group picks which of three fields is
// computed from the other two: the fields' texts in item order and the item.
using PickOneSolve = void (*)(const std::array<std::string, 3>& texts, int item, ModuleSolve& out,
                              Tape& tape);

// The dividend and pricing windows.
class PickOneForm : public ModuleForm {
  Q_OBJECT

 protected:
  PickOneForm(ModuleHost& host, const ModuleWindowData& window, const RadioGroupData& group,
              const std::array<const EntryFieldData*, 3>& fields, const ButtonData& solveButton,
              PickOneSolve solve);

 private:
  void SolveButtonClick();

  const RadioGroupData& group_;
  std::array<const EntryFieldData*, 3> fields_;
  PickOneSolve solve_;
};

}  // namespace tivorum
