#include "runner.h"

#include <QtTest/qtestspontaneevent.h>

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iostream>

#include "app/calculator_form.h"
#include "calc/input_router.h"
#include "controls/accessibility.h"
#include "controls/color_button.h"
#include "controls/numeric_edit.h"
#include "controls/tape_pane.h"
#include "controls/tape_print.h"
#include "runner_output.h"

namespace tivorum {
namespace {

QString buttonCaption(const QString& text) {
  return shownCaption(text);
}

// The radio items of a radio group, in their order on the window.
QList<QRadioButton*> radioItems(QWidget* group) {
  return group->findChildren<QRadioButton*>();
}

int tabIndex(const QTabWidget* notebook, const QString& caption) {
  for (int i = 0; i < notebook->count(); ++i) {
    if (buttonCaption(notebook->tabText(i)) == caption) return i;
  }
  return -1;
}

namespace ks = keysym;

// Keys as X11 reports them: Qt's key and text, the modifiers and the keysym,
// so that the keypad reaches the program as it does on a desktop.
struct SpecialKey {
  const char* name;
  Qt::Key key;
  const char* text;
  Qt::KeyboardModifiers modifiers;
  quint32 keysym;
};

constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;
constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;

constexpr SpecialKey kSpecialKeys[] = {
    {"Enter", Qt::Key_Return, "\r", kNone, 0xff0d},
    {"Tab", Qt::Key_Tab, "\t", kNone, 0xff09},
    {"Backspace", Qt::Key_Backspace, "\b", kNone, 0xff08},
    {"Delete", Qt::Key_Delete, "\x7f", kNone, 0xffff},
    {"Escape", Qt::Key_Escape, "\x1b", kNone, 0xff1b},
    {"Space", Qt::Key_Space, " ", kNone, 0x20},
    {"Shift", Qt::Key_Shift, "", Qt::ShiftModifier, 0xffe1},
    {"Left", Qt::Key_Left, "", kNone, 0xff51},
    {"Right", Qt::Key_Right, "", kNone, 0xff53},
    {"Home", Qt::Key_Home, "", kNone, 0xff50},
    {"End", Qt::Key_End, "", kNone, 0xff57},
    {"KP0", Qt::Key_0, "0", kPad, ks::kKeypad0},
    {"KP1", Qt::Key_1, "1", kPad, ks::kKeypad0 + 1},
    {"KP2", Qt::Key_2, "2", kPad, ks::kKeypad0 + 2},
    {"KP3", Qt::Key_3, "3", kPad, ks::kKeypad0 + 3},
    {"KP4", Qt::Key_4, "4", kPad, ks::kKeypad0 + 4},
    {"KP5", Qt::Key_5, "5", kPad, ks::kKeypad0 + 5},
    {"KP6", Qt::Key_6, "6", kPad, ks::kKeypad0 + 6},
    {"KP7", Qt::Key_7, "7", kPad, ks::kKeypad0 + 7},
    {"KP8", Qt::Key_8, "8", kPad, ks::kKeypad0 + 8},
    {"KP9", Qt::Key_9, "9", kPad, ks::kKeypad0 + 9},
    {"KP+", Qt::Key_Plus, "+", kPad, ks::kKeypadAdd},
    {"KP-", Qt::Key_Minus, "-", kPad, ks::kKeypadSubtract},
    {"KP*", Qt::Key_Asterisk, "*", kPad, ks::kKeypadMultiply},
    {"KP/", Qt::Key_Slash, "/", kPad, ks::kKeypadDivide},
    {"KP.", Qt::Key_Period, ".", kPad, ks::kKeypadDecimal},
    {"KP,", Qt::Key_Comma, ",", kPad, ks::kKeypadSeparator},
    {"KPEnter", Qt::Key_Enter, "\r", kPad, ks::kKeypadEnter},
    // The keypad with NumLock off
    {"KPIns", Qt::Key_Insert, "", kPad, ks::kKeypadInsert},
    {"KPEnd", Qt::Key_End, "", kPad, ks::kKeypadEnd},
    {"KPDown", Qt::Key_Down, "", kPad, ks::kKeypadDown},
    {"KPPgDn", Qt::Key_PageDown, "", kPad, ks::kKeypadPageDown},
    {"KPLeft", Qt::Key_Left, "", kPad, ks::kKeypadLeft},
    {"KPBegin", Qt::Key_Clear, "", kPad, ks::kKeypadBegin},
    {"KPRight", Qt::Key_Right, "", kPad, ks::kKeypadRight},
    {"KPHome", Qt::Key_Home, "", kPad, ks::kKeypadHome},
    {"KPUp", Qt::Key_Up, "", kPad, ks::kKeypadUp},
    {"KPPgUp", Qt::Key_PageUp, "", kPad, ks::kKeypadPageUp},
    {"KPDel", Qt::Key_Delete, "", kPad, ks::kKeypadDelete},
    {"F1", Qt::Key_F1, "", kNone, 0xffbe},
    {"Copy", Qt::Key_Copy, "", kNone, 0x1008ff57},
    {"Ctrl+C", Qt::Key_C, "\x03", Qt::ControlModifier, 'c'},
    {"Ctrl+V", Qt::Key_V, "\x16", Qt::ControlModifier, 'v'},
    {"Ctrl+Q", Qt::Key_Q, "\x11", Qt::ControlModifier, 'q'},
    {"Shift+Insert", Qt::Key_Insert, "", Qt::ShiftModifier, 0xff63},
};

// The key a character is typed with.
int keyForChar(QChar c) {
  if (c >= 'a' && c <= 'z') return Qt::Key_A + (c.unicode() - 'a');
  if (c >= 'A' && c <= 'Z') return Qt::Key_A + (c.unicode() - 'A');
  if (c == ' ') return Qt::Key_Space;
  return c.toUpper().unicode();  // Qt's codes for the other printable keys
}

// X11's keysym of a character: Latin-1 as it is, the rest of Unicode above
// 0x1000000.
quint32 keysymOf(QChar c) {
  return c.unicode() < 0x100 ? c.unicode() : 0x1000000u + c.unicode();
}

}  // namespace

ScriptRunner::ScriptRunner(std::istream& input, Tcalculator1& calculator, QString folder)
    : input_(input), calculator_(calculator), folder_(std::move(folder)) {}

void ScriptRunner::start() {
  arm();
}

// A fresh timer for every step: a step that opens a modal window waits in
// that window's event loop, and the next step must still come.
void ScriptRunner::arm() {
  QTimer::singleShot(0, Qt::PreciseTimer, this, [this] { step(); });
}

int ScriptRunner::openModalCount() const {
  int n = 0;
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (w->isVisible() && w->isModal()) ++n;
  }
  return n;
}

QWidget* ScriptRunner::topModal() const {
  return QApplication::activeModalWidget();
}

void ScriptRunner::step() {
  if (finished_) return;
  // Inside an event loop that is not a newly opened modal window's (a window
  // just closed and its loop is returning, or a handler letting events
  // through): wait until the command below has finished.
  if (!running_.empty() && openModalCount() <= running_.back()) {
    stepDeferred_ = true;
    return;
  }
  if (inputEnded_) {
    finishInput();
    return;
  }
  std::string line;
  if (!readLine(line)) {
    inputEnded_ = true;
    finishInput();
    return;
  }
  arm();
  running_.push_back(openModalCount());
  execute(line);
  running_.pop_back();
  if (stepDeferred_ && (running_.empty() || openModalCount() > running_.back())) {
    stepDeferred_ = false;
    arm();
  }
}

bool ScriptRunner::readLine(std::string& line) {
  while (std::getline(input_, line)) {
    ++lineNumber_;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const auto first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    return true;
  }
  return false;
}

// At the end of the input every module window is closed, then the main
// window as by its close box.
void ScriptRunner::finishInput() {
  if (QWidget* modal = topModal()) {
    modal->close();
    // A window that refuses its close box is put away regardless, or the
    // run would never end.
    if (modal->isVisible()) {
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->hide();
    }
    arm();
    return;
  }
  if (!mainClosed_) {
    mainClosed_ = true;
    calculator_.close();
  }
  finished_ = true;
  QCoreApplication::exit(0);
}

void ScriptRunner::fail(const std::string& why) {
  std::fflush(stdout);
  std::cerr << "line " << lineNumber_ << ": " << why << std::endl;
  if (cleanUp) cleanUp();
  std::_Exit(2);
}

// ---- Finding controls -----------------------------------------------------------

QWidget* ScriptRunner::find(const QString& name) {
  for (QWidget* window : {topModal(), static_cast<QWidget*>(&calculator_)}) {
    if (!window) continue;
    if (window->objectName() == name) return window;
    if (auto* w = window->findChild<QWidget*>(name)) return w;
  }
  fail("unknown control " + name.toStdString());
}

// Keys and clicks go to the topmost modal window; the others are blocked.
QWidget* ScriptRunner::inputWindow() const {
  if (QWidget* modal = topModal()) return modal;
  return &calculator_;
}

bool ScriptRunner::blockedByModal(QWidget* w) const {
  return w->window() != inputWindow();
}

// ---- Commands -----------------------------------------------------------------------

// One row per command; a row's handler gets the line split after the command
// name. Rows marked afterClose may still run once the main window is closed.
const std::vector<ScriptRunner::Command>& ScriptRunner::commands() {
  static const std::vector<Command> table = {
      {"click", false, [](ScriptRunner& r, const CommandLine& l) { r.click(r.find(r.name(l))); }},
      {"key", false, [](ScriptRunner& r, const CommandLine& l) { r.typeText(l.rest); }},
      {"focus", false,
       [](ScriptRunner& r, const CommandLine& l) {
         QWidget* w = r.find(r.name(l));
         if (r.blockedByModal(w)) return;
         QWidget* window = w->window();
         if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
         w->setFocus(Qt::MouseFocusReason);
       }},
      {"set", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const qsizetype sep = l.rest.indexOf(' ');
         const QString name = sep < 0 ? l.rest : l.rest.left(sep);
         if (name.isEmpty()) r.fail("set needs a control name");
         r.setText(r.find(name), sep < 0 ? QString() : l.rest.mid(sep + 1));
       }},
      {"choose", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const qsizetype sep = l.argument.indexOf(' ');
         if (sep < 0) r.fail("choose needs a control name and an item");
         r.choose(r.find(l.argument.left(sep)), l.argument.mid(sep + 1));
       }},
      {"spin", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const QStringList parts = l.argument.split(' ', Qt::SkipEmptyParts);
         if (parts.size() != 2) r.fail("spin needs a control name and a number");
         r.spin(r.find(parts[0]), parts[1]);
       }},
      {"print", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const QString name = r.name(l);
         r.printValue(name, r.find(name));
       }},
      {"tape", false,
       [](ScriptRunner& r, const CommandLine&) {
         for (const std::string& line : r.calculator_.tapePane().linesWithNotes())
           out("|" + QString::fromStdString(line));
       }},
      {"clipboard", true,
       [](ScriptRunner& r, const CommandLine&) {
         r.printLines(QGuiApplication::clipboard()->text());
       }},
      {"file", true, [](ScriptRunner& r, const CommandLine& l) { r.printFile(r.name(l)); }},
      // filesize NAME: the size in bytes of the file NAME in DIR.
      {"filesize", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const QString file = r.name(l);
         const QFileInfo info(QDir(r.folder_).filePath(file));
         out(info.isFile() ? QString("%1=%2").arg(file).arg(info.size()) : "no file " + file);
       }},
      {"answer", false, [](ScriptRunner& r, const CommandLine& l) { r.answer(l); }},
      {"menu", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const qsizetype sep = l.argument.indexOf(' ');
         if (sep < 0) r.fail("menu needs a control name and an item");
         r.openMenu(r.find(l.argument.left(sep)), l.argument.mid(sep + 1));
       }},
      // printtofile [NAME]: the file the dialog proposes, or another output
      // file the user typed, relative to DIR.
      {"printtofile", false,
       [](ScriptRunner& r, const CommandLine& l) {
         r.printFile_ = l.argument.isEmpty() ? defaultTapeFile()
                                             : QDir(r.folder_).absoluteFilePath(l.argument);
         r.pressPrint(PrintTarget::File);
       }},
      {"printto", false,
       [](ScriptRunner& r, const CommandLine& l) {
         if (l.argument.isEmpty()) r.fail("printto needs a printer name");
         if (!QPrinterInfo::availablePrinterNames().contains(l.argument))
           r.fail("unknown printer " + l.argument.toStdString());
         if (!r.printer_) r.printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
         r.printer_->setPrinterName(l.argument);
         r.printer_->setCopyCount(1);
         r.pressPrint(PrintTarget::Printer);
       }},
      {"close", false, [](ScriptRunner& r, const CommandLine&) { r.closeTop(); }},
      {"copy", false,
       [](ScriptRunner&, const CommandLine& l) { QGuiApplication::clipboard()->setText(l.rest); }},
      {"accessible", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const QString name = r.name(l);
         r.printAccessible(name, r.find(name));
       }},
      {"geometry", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const QString name = r.name(l);
         const QRect g = r.find(name)->geometry();
         out(QString("%1=%2,%3,%4,%5")
                 .arg(name)
                 .arg(g.x())
                 .arg(g.y())
                 .arg(g.width())
                 .arg(g.height()));
       }},
      // select NAME FROM TO: selects characters FROM to TO of a text pane.
      {"select", false,
       [](ScriptRunner& r, const CommandLine& l) {
         const QStringList parts = l.argument.split(' ', Qt::SkipEmptyParts);
         bool okFrom = false, okTo = false;
         if (parts.size() != 3) r.fail("select needs a control name and two positions");
         const int from = parts[1].toInt(&okFrom), to = parts[2].toInt(&okTo);
         if (!okFrom || !okTo) r.fail("select needs two whole-number positions");
         QWidget* w = r.find(parts[0]);
         if (auto* pane = qobject_cast<TapePane*>(w)) {
           pane->selectCharacters(from, to);
         } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
           edit->setSelection(from, to - from);
         } else {
           r.fail(parts[0].toStdString() + " is not a text pane");
         }
       }},
  };
  return table;
}

QString ScriptRunner::name(const CommandLine& line) {
  if (line.argument.isEmpty()) fail(line.command.toStdString() + " needs a control name");
  return line.argument;
}

void ScriptRunner::execute(const std::string& rawLine) {
  QString text = QString::fromStdString(rawLine);
  while (text.startsWith(' ') || text.startsWith('\t')) text.remove(0, 1);
  const qsizetype blank = text.indexOf(' ');
  CommandLine line;
  line.command = blank < 0 ? text : text.left(blank);
  line.rest = blank < 0 ? QString() : text.mid(blank + 1);
  line.argument = line.rest.trimmed();

  const auto& table = commands();
  const auto row = std::find_if(table.begin(), table.end(), [&](const Command& c) {
    return line.command == QLatin1String(c.name);
  });
  // "Off" closes the main window as well as the close command does.
  if (!calculator_.isVisible()) mainClosed_ = true;
  if (mainClosed_ && (row == table.end() || !row->afterClose))
    fail("the main window is closed; only file and clipboard may follow");
  if (row == table.end()) fail("unknown command " + line.command.toStdString());
  row->run(*this, line);
}

void ScriptRunner::pressPrint(PrintTarget target) {
  printTarget_ = target;
  calculator_.pressKey(tivorum::Key::Print);
  printTarget_ = PrintTarget::None;
}

void ScriptRunner::closeTop() {
  if (QWidget* modal = topModal()) {
    modal->close();
    return;
  }
  mainClosed_ = true;
  calculator_.close();
}

// A click lands on whatever is visible at the control's centre, as a mouse
// click would: a hidden control cannot be clicked.
void ScriptRunner::click(QWidget* control) {
  if (blockedByModal(control)) return;
  QWidget* window = control->window();
  if (!control->isVisible() || control == window) {
    if (control == window) QTest::mouseClick(window, Qt::LeftButton);
    return;
  }
  const QPoint inWindow = control->mapTo(window, control->rect().center());
  QWidget* target = window->childAt(inWindow);
  if (!target) return;
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
  QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(window, inWindow));
}

void ScriptRunner::typeKey(int key, const QString& text, Qt::KeyboardModifiers modifiers,
                           quint32 keysym) {
  QWidget* window = inputWindow();
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
  auto receiver = [window] {
    QWidget* focus = window->focusWidget();
    return focus ? focus : window;
  };
  // As QTest sends keys, but with the keysym a desktop gives. The release
  // goes where the focus is now, as a real key's would.
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QWidget* to = receiver();
    if (type == QEvent::KeyPress && qt_sendShortcutOverrideEvent(to, 0, key, modifiers, text))
      continue;
    QKeyEvent event(type, key, modifiers, 0, keysym, 0, text);
    QSpontaneKeyEvent::setSpontaneous(&event);
    QApplication::sendEvent(to, &event);
  }
}

void ScriptRunner::typeText(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c != '{') {
      typeKey(keyForChar(c), QString(c), Qt::NoModifier, keysymOf(c));
      continue;
    }
    const qsizetype close = text.indexOf('}', i + 1);
    if (close < 0) fail("key: a { without its }");
    const QString name = text.mid(i + 1, close - i - 1);
    if (name == "{") {
      typeKey(Qt::Key_BraceLeft, "{", Qt::NoModifier, '{');
    } else {
      const SpecialKey* special = nullptr;
      for (const SpecialKey& k : kSpecialKeys) {
        if (name == QLatin1String(k.name)) special = &k;
      }
      if (!special) fail("key: unknown key {" + name.toStdString() + "}");
      typeKey(special->key, QString::fromLatin1(special->text), special->modifiers,
              special->keysym);
    }
    i = close;
  }
}

void ScriptRunner::setText(QWidget* control, const QString& text) {
  if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(control)) {
    if (QLineEdit* edit = spinBox->findChild<QLineEdit*>()) control = edit;
  }
  if (auto* numeric = qobject_cast<NumericEdit*>(control)) {
    numeric->pasteText(text);
  } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    // A paste: the whole text is replaced through the field's own insert,
    // which keeps its length limit and validator.
    edit->selectAll();
    edit->insert(text);
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
    plain->setPlainText(text);
  } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
    rich->setPlainText(text);
  } else if (auto* combo = qobject_cast<QComboBox*>(control); combo && combo->isEditable()) {
    combo->setEditText(text);
  } else {
    fail(control->objectName().toStdString() + " is not an entry field");
  }
}

void ScriptRunner::choose(QWidget* control, const QString& item) {
  bool byIndex = false;
  int index = -1;
  if (item.startsWith('#')) index = item.mid(1).toInt(&byIndex);
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (!byIndex) index = combo->findText(item, Qt::MatchExactly);
    if (index < 0 || index >= combo->count())
      fail("no item " + item.toStdString() + " in " + control->objectName().toStdString());
    if (blockedByModal(control) || !combo->isEnabled()) return;
    focusAsClick(combo);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    emit combo->textActivated(combo->itemText(index));
    return;
  }
  if (auto* notebook = qobject_cast<QTabWidget*>(control)) {
    // A notebook's tabs are its items: choosing one is a click on its tab.
    if (!byIndex) index = tabIndex(notebook, item);
    if (index < 0 || index >= notebook->count())
      fail("no item " + item.toStdString() + " in " + control->objectName().toStdString());
    if (blockedByModal(control) || !notebook->isTabEnabled(index)) return;
    focusAsClick(notebook->tabBar());
    emit notebook->tabBar()->tabBarClicked(index);
    notebook->setCurrentIndex(index);
    return;
  }
  const QList<QRadioButton*> items = radioItems(control);
  if (items.isEmpty() || qobject_cast<QAbstractButton*>(control))
    fail(control->objectName().toStdString() + " is not a radio group or drop-down list");
  if (!byIndex) {
    for (int i = 0; i < items.size(); ++i) {
      if (buttonCaption(items[i]->text()) == item) {
        index = i;
        break;
      }
    }
  }
  if (index < 0 || index >= items.size())
    fail("no item " + item.toStdString() + " in " + control->objectName().toStdString());
  if (blockedByModal(control) || !items[index]->isEnabled()) return;
  focusAsClick(items[index]);
  items[index]->click();
}

void ScriptRunner::focusAsClick(QWidget* control) {
  QWidget* window = control->window();
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
  if (control->isEnabled() && (control->focusPolicy() & Qt::ClickFocus) && !control->hasFocus())
    control->setFocus(Qt::MouseFocusReason);
}

void ScriptRunner::spin(QWidget* control, const QString& number) {
  auto* spinBox = qobject_cast<QAbstractSpinBox*>(control);
  if (!spinBox) fail(control->objectName().toStdString() + " is not a spin field");
  if (blockedByModal(spinBox)) return;
  QWidget* window = spinBox->window();
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
  spinBox->setFocus(Qt::MouseFocusReason);
  spinBox->selectAll();
  typeText(number);
  // Leaving the field, as the Tab key would.
  typeKey(Qt::Key_Tab, "\t", Qt::NoModifier, 0xff09);
}

void ScriptRunner::printValue(const QString& name, QWidget* control) {
  // A window, a panel and a picture show no value of their own.
  auto* label = qobject_cast<QLabel*>(control);
  if (control->isWindow() || (label && label->text().isEmpty() && !label->pixmap().isNull()))
    fail(name.toStdString() + " has nothing to print");
  QString value;
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    value = edit->text();
  } else if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(control)) {
    value = spinBox->text().trimmed();
  } else if (label) {
    value = label->text();
  } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
    value = combo->currentIndex() < 0 ? QString() : combo->currentText();
  } else if (qobject_cast<QRadioButton*>(control) || qobject_cast<QCheckBox*>(control)) {
    value = static_cast<QAbstractButton*>(control)->isChecked() ? "1" : "0";
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    value = buttonCaption(button->text());
  } else if (auto* plain = qobject_cast<QPlainTextEdit*>(control)) {
    value = oneLine(plain->toPlainText());
  } else if (auto* pane = qobject_cast<TapePane*>(control)) {
    value = oneLine(pane->toPlainText());
  } else if (auto* rich = qobject_cast<QTextEdit*>(control)) {
    value = oneLine(rich->toPlainText());
  } else if (auto* notebook = qobject_cast<QTabWidget*>(control)) {
    value = buttonCaption(notebook->tabText(notebook->currentIndex()));
  } else if (!radioItems(control).isEmpty()) {
    for (QRadioButton* item : radioItems(control)) {
      if (item->isChecked()) value = buttonCaption(item->text());
    }
  } else if (control->property("text").isValid()) {
    value = control->property("text").toString();
  } else {
    fail(name.toStdString() + " has nothing to print");
  }
  out(name + "=" + value);
}

// What a screen reader is told: role|name|description|value, each on the
// one output line.
void ScriptRunner::printAccessible(const QString& name, QWidget* control) {
  const AccessibleFacts facts = accessibleFacts(control);
  if (facts.role.isEmpty()) fail(name.toStdString() + " has no accessible role");
  out(name + "=" + facts.role + "|" + oneLine(facts.name) + "|" + oneLine(facts.description) + "|" +
      oneLine(facts.value));
}

void ScriptRunner::printLines(const QString& text) {
  for (const std::string& line : textLines(text)) out("|" + QString::fromStdString(line));
}

void ScriptRunner::printFile(const QString& name) {
  QFile file(QDir(folder_).filePath(name));
  if (!file.open(QIODevice::ReadOnly)) {
    out("no file " + name);
    return;
  }
  QByteArray content = file.readAll();
  if (content.isEmpty()) return;
  QList<QByteArray> lines = content.split('\n');
  if (lines.back().isEmpty()) lines.removeLast();
  for (QByteArray& l : lines) {
    if (l.endsWith('\r')) l.chop(1);
    std::fputc('|', stdout);
    std::fwrite(l.constData(), 1, l.size(), stdout);
    std::fputc('\n', stdout);
  }
  std::fflush(stdout);
}

}  // namespace tivorum
