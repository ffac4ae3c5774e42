// Every modal box of the program goes through Dialogs, so the scenario runner
// and the tests can answer them without a screen. Windows never call
// QMessageBox, QPrintDialog or exec() on the help window or about box
// themselves: they call dialogs() (or reportError for a failed handler).
//
//   tivorum::dialogs().message(this, "ERROR!", "Enter a rate.", tivorum::BoxIcon::Error);
//   if (tivorum::dialogs().confirm(this, "Confirm", "Continue?")) ...
//   try { ... } catch (const std::exception& e) { tivorum::reportError(this, e); }
//   tivorum::runReportingErrors(this, [&] { ... });
//
// Context menus, file dialogs and text input dialogs go through it too.
#pragma once

#include <QPoint>
#include <QString>
#include <exception>
#include <optional>
#include <string_view>
#include <utility>

class QDialog;
class QMenu;
class QPrinter;
class QWidget;

namespace tivorum {

enum class BoxIcon { None, Information, Warning, Error, Question };

// How the print dialog was answered.
struct PrintAnswer {
  bool accepted = false;       // OK; false: cancelled, nothing is printed
  bool toFile = false;         // the print-to-file choice was taken
  bool selectionOnly = false;  // the print range is the selection
  // With toFile: the output file's absolute path. A name ending in ".pdf"
  // gets a PDF, any other the tape as plain text.
  QString fileName;
  // The device the dialog set up (not owned, lives for the run): the chosen
  // printer, or the PDF writer of a ".pdf" file. Null when the dialog was
  // answered without one (runner, text file); a PDF then gets default paper.
  QPrinter* printer = nullptr;
};

// What a file dialog is for: its caption, the files it offers and the
// extension a name typed without one gets.
enum class FileQuestion { OpenTape, SaveTape, ExportCsv };

// The extension a name typed without one gets ("" for opening).
QString defaultExtension(FileQuestion question);

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A message box with an OK button.
  virtual void message(QWidget* parent, const QString& caption, const QString& text,
                       BoxIcon icon) = 0;
  // A confirmation box with Yes and No; true for Yes.
  virtual bool confirm(QWidget* parent, const QString& caption, const QString& text) = 0;
  // Shows a filled help window (a THelpForm) modally; returns when it has
  // been closed.
  virtual void showHelp(QDialog& helpWindow) = 0;
  // Shows the about box modally; returns when it has been closed.
  virtual void showAbout(QDialog& aboutBox) = 0;
  // The tape's print dialog. The range is preset to the selection when there
  // is one; the output file to CALCULAT.TXT in the working folder. The
  // print-to-file choice and file are remembered from one call to the next.
  virtual PrintAnswer askPrint(QWidget* parent, bool hasSelection) = 0;

  // A replacement that does not answer the three below cancels them.

  // Shows a context menu at `at` (global) and runs the item chosen, if any.
  virtual void popUp(QMenu& menu, const QPoint& at);
  // A file dialog: the absolute path of the file chosen (with the default
  // extension added to a name typed without one), or "" when cancelled.
  virtual QString askFile(QWidget* parent, FileQuestion question);
  // A dialog asking for one line of text of at most `maxLength` characters,
  // starting from `text`; nothing when cancelled.
  virtual std::optional<QString> askText(QWidget* parent, const QString& caption,
                                         const QString& label, const QString& text, int maxLength);
};

// The implementation in force: the real Qt boxes unless one was installed.
Dialogs& dialogs();
// Installs another implementation (not owned); nullptr restores the real one.
void setDialogs(Dialogs* replacement);

// The application title ("Tivoru"): the caption of the error reporter's box.
QString applicationTitle();
void setApplicationTitle(const QString& title);

// The central error reporter: a box with the application title as caption,
// an error icon and OK, showing the message with a "." appended when its last
// character sorts after "." (errorReportText).
void reportError(QWidget* parent, std::string_view message);
void reportError(QWidget* parent, const std::exception& fault);

// Runs a handler body; a std::exception leaving it (a Fault, a conversion
// error) ends it and is reported. What the body did before stays done.
// Returns false when it ended by a fault.
template <class Body>
bool runReportingErrors(QWidget* parent, Body&& body) {
  try {
    std::forward<Body>(body)();
    return true;
  } catch (const std::exception& e) {
    reportError(parent, e);
    return false;
  }
}

}  // namespace tivorum
