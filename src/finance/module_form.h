// What the loan, annuity and investment windows share: the silver fixed-size
// frame, the builders of their controls from the plain control data, the
// run of a solve (field writes, "ERROR!" box, faults) and the shrinking close.
#pragma once

#include <QDialog>
#include <QRect>
#include <QString>
#include <functional>
#include <initializer_list>
#include <span>
#include <string_view>
#include <vector>

#include "controls/module_host.h"
#include "controls/qt_text.h"
#include "finance/module_solve.h"
#include "finance/periods.h"
#include "finance/window_data.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
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
  void select(int index);
  // Unchecks every item.
  void clear();
};

class ModuleForm : public QDialog {
  Q_OBJECT

 public:
  ModuleForm(ModuleHost& host, std::string_view name, std::string_view caption, int clientWidth,
             int clientHeight);

 protected:
  ModuleHost& host() const { return host_; }

  // Builders: each control gets its name, hint and accessible name. Places
  // are in the parent's coordinates.
  QLabel* addLabel(QWidget* parent, std::string_view name, std::string_view caption, QRect place);
  NumericEdit* addEntry(QWidget* parent, const EntryFieldData& data, QRect place,
                        const QString& accessibleName);
  ResultField* addResult(QWidget* parent, const ResultFieldData& data, QRect labelPlace,
                         QRect fieldPlace);
  SpinField* addSpin(QWidget* parent, const SpinFieldData& data, QRect labelPlace,
                     QRect fieldPlace);
  QComboBox* addPeriodBox(QWidget* parent, std::string_view labelName,
                          std::string_view labelCaption, std::string_view name,
                          std::span<const PaymentPeriod> periods, std::string_view hint,
                          QRect labelPlace, QRect boxPlace);
  // The items go at the given places inside the box, each as wide as its
  // caption so that a click beside it misses, as on a real radio button.
  RadioGroup addRadioGroup(QWidget* parent, const RadioGroupData& data, QRect place,
                           std::initializer_list<QPoint> itemPlaces);
  QRadioButton* addRadio(QWidget* parent, std::string_view name, std::string_view caption,
                         QPoint place);
  QGroupBox* addFrame(QWidget* parent, std::string_view name, std::string_view caption,
                      QRect place);
  enum class ButtonKind { Plain, Close, Help };
  QPushButton* addButton(const ButtonData& data, ButtonKind kind, QRect place);

  // Tab goes through `controls` in this order.
  static void setTabOrders(std::initializer_list<QWidget*> controls);

  // Enter and exit handlers of a control: focus coming from or going to
  // another control of this window (not the window losing or regaining the
  // activation, nor a popup).
  void onEnter(QWidget* control, std::function<void()> handler);
  void onExit(QWidget* control, std::function<void()> handler);

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

  ModuleHost& host_;
  std::vector<FocusHandler> focusHandlers_;
  bool opened_ = false;
};

}  // namespace tivorum
