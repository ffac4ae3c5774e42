// Runs a scenario against the real windows: one command per line, boxes
// answered without waiting.
#pragma once

#include <QObject>
#include <QPrinter>
#include <QString>
#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "controls/dialogs.h"

class QWidget;
class Tcalculator1;

namespace tivorum {

class ScriptRunner : public QObject, public Dialogs {
 public:
  ScriptRunner(std::istream& input, Tcalculator1& calculator, QString folder);

  // Starts reading commands once the event loop runs; the application exits
  // with 0 at the end of the input (exit status 2 is immediate).
  void start();

  // Dialogs: every box prints a line and is answered at once.
  void message(QWidget* parent, const QString& caption, const QString& text, BoxIcon icon) override;
  bool confirm(QWidget* parent, const QString& caption, const QString& text) override;
  void showHelp(QDialog& form) override;
  void showAbout(QDialog& box) override;
  PrintAnswer askPrint(QWidget* parent, bool hasSelection) override;
  void popUp(QMenu& menu, const QPoint& at) override;
  QString askFile(QWidget* parent, FileQuestion question) override;
  std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& label,
                                 const QString& text, int maxLength) override;

  // Ends the run with status 2 and one line on standard error.
  [[noreturn]] void fail(const std::string& why);
  // Called before exiting, also on failure (the temporary folder goes).
  std::function<void()> cleanUp;

 private:
  // A command line: the command's name, the rest of the line after one blank
  // as typed, and that rest without its surrounding blanks.
  struct CommandLine {
    QString command;
    QString rest;
    QString argument;
  };
  struct Command {
    const char* name;
    bool afterClose;  // may run once the main window is closed
    void (*run)(ScriptRunner& runner, const CommandLine& line);
  };
  static const std::vector<Command>& commands();
  // The control name a command needs as its argument.
  QString name(const CommandLine& line);
  // How the next print dialog is answered: cancelled unless printtofile or
  // printto is pressing the print key.
  enum class PrintTarget { None, File, Printer };

  void arm();
  void step();
  bool readLine(std::string& line);
  void execute(const std::string& line);
  void finishInput();

  QWidget* topModal() const;
  int openModalCount() const;
  QWidget* find(const QString& name);
  QWidget* inputWindow() const;
  bool blockedByModal(QWidget* w) const;

  void click(QWidget* control);
  void typeText(const QString& text);
  void typeKey(int key, const QString& text, Qt::KeyboardModifiers modifiers, quint32 keysym);
  void setText(QWidget* control, const QString& text);
  void choose(QWidget* control, const QString& item);
  // The focus a mouse press gives a control that takes focus by clicks.
  void focusAsClick(QWidget* control);
  void spin(QWidget* control, const QString& number);
  void printValue(const QString& name, QWidget* control);
  void printFile(const QString& name);
  void printAccessible(const QString& name, QWidget* control);
  void printLines(const QString& text);
  void closeTop();
  void pressPrint(PrintTarget target);
  void answer(const CommandLine& line);
  // A right click on the control, its context menu answered with `item`.
  void openMenu(QWidget* control, const QString& item);

  std::istream& input_;
  Tcalculator1& calculator_;
  QString folder_;
  int lineNumber_ = 0;
  bool mainClosed_ = false;
  bool inputEnded_ = false;
  bool finished_ = false;
  bool answerYes_ = true;
  PrintTarget printTarget_ = PrintTarget::None;
  QString printFile_;                  // printtofile: the output file's path
  std::unique_ptr<QPrinter> printer_;  // printto: the chosen printer
  // The answers the next file and text dialogs get; without one they are
  // cancelled.
  std::optional<QString> fileAnswer_;
  std::optional<QString> textAnswer_;
  // The item the context menu being opened by a menu command is answered with.
  std::optional<QString> menuItem_;
  bool menuShown_ = false;
  // For each command still running (a modal window can hold one up), how
  // many modal windows were open when it began.
  std::vector<int> running_;
  // A step came while the command below it was still unwinding.
  bool stepDeferred_ = false;
};

}  // namespace tivorum
