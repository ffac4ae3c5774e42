// The runner's answers to the program's boxes, menus and dialogs, and the
// commands that set them.
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QMenu>

#include "app/help_form.h"
#include "calc/tape_document.h"
#include "controls/color_button.h"
#include "runner.h"
#include "runner_output.h"

namespace tivorum {

void ScriptRunner::answer(const CommandLine& line) {
  if (line.argument == "yes") {
    answerYes_ = true;
  } else if (line.argument == "no") {
    answerYes_ = false;
  } else if (line.rest.startsWith("file ") && !line.rest.mid(5).trimmed().isEmpty()) {
    fileAnswer_ = line.rest.mid(5).trimmed();
  } else if (line.rest.startsWith("text ") || line.argument == "text") {
    textAnswer_ = line.rest.mid(5);  // as typed, blanks and all
  } else {
    fail("answer takes yes, no, file NAME or text TEXT");
  }
}

void ScriptRunner::openMenu(QWidget* control, const QString& item) {
  if (blockedByModal(control)) return;
  QWidget* window = control->window();
  if (!window->isActiveWindow()) QApplication::setActiveWindow(window);
  // The click lands on whatever is at the control's centre (a text pane's
  // viewport), as a right click would.
  const QPoint centre = control->rect().center();
  QWidget* target = control->childAt(centre);
  if (!target) target = control;
  const QPoint at = target->mapFrom(control, centre);
  QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
  menuItem_ = item;
  menuShown_ = false;
  QApplication::sendEvent(target, &event);
  menuItem_.reset();
  if (!menuShown_) fail(control->objectName().toStdString() + " has no context menu");
}

// ---- Boxes --------------------------------------------------------------------------

void ScriptRunner::message(QWidget*, const QString& caption, const QString& text, BoxIcon) {
  out("box " + caption + ": " + oneLine(text));
}

bool ScriptRunner::confirm(QWidget*, const QString& caption, const QString& text) {
  out("box " + caption + ": " + oneLine(text));
  const bool yes = answerYes_;
  answerYes_ = true;
  return yes;
}

void ScriptRunner::showHelp(QDialog& helpWindow) {
  const QStringList lines = static_cast<THelpForm&>(helpWindow).lines();
  out("help " + (lines.isEmpty() ? QString() : lines.first()));
  for (qsizetype i = 1; i < lines.size(); ++i) {
    if (!lines[i].isEmpty()) out("help |" + lines[i]);
  }
}

void ScriptRunner::showAbout(QDialog&) {
  out("about");
}

void ScriptRunner::popUp(QMenu& menu, const QPoint&) {
  // A menu no menu command opened (the Menu key typed) is closed unused.
  if (!menuItem_) return;
  const QString item = *menuItem_;
  menuItem_.reset();
  menuShown_ = true;
  for (QAction* action : menu.actions()) {
    if (action->isSeparator() || shownCaption(action->text()) != item) continue;
    if (!action->isEnabled()) fail("the item " + item.toStdString() + " is disabled");
    action->trigger();
    return;
  }
  fail("no item " + item.toStdString() + " in the menu");
}

QString ScriptRunner::askFile(QWidget*, FileQuestion question) {
  if (!fileAnswer_) return {};
  const QString path = QDir(folder_).absoluteFilePath(*fileAnswer_);
  fileAnswer_.reset();
  // As the file dialog adds its default extension to a name typed without one.
  return QString::fromStdString(
      withDefaultExtension(path.toStdString(), defaultExtension(question).toStdString()).string());
}

std::optional<QString> ScriptRunner::askText(QWidget*, const QString&, const QString&,
                                             const QString&, int maxLength) {
  std::optional<QString> text = std::move(textAnswer_);
  textAnswer_.reset();
  if (text) text = text->left(maxLength);  // the dialog takes no more
  return text;
}

PrintAnswer ScriptRunner::askPrint(QWidget*, bool hasSelection) {
  PrintAnswer answer;
  // Without printtofile or printto nobody chooses: the dialog is cancelled.
  if (printTarget_ == PrintTarget::None) return answer;
  answer.accepted = true;
  // The range as the program presets it.
  answer.selectionOnly = hasSelection;
  if (printTarget_ == PrintTarget::File) {
    answer.toFile = true;
    answer.fileName = printFile_;
  } else {
    answer.printer = printer_.get();
  }
  return answer;
}

}  // namespace tivorum
