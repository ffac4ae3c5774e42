#include "controls/dialogs.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>

#include "calc/number.h"

namespace tivorum {
namespace {

QMessageBox::Icon toQt(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::Information:
      return QMessageBox::Information;
    case BoxIcon::Warning:
      return QMessageBox::Warning;
    case BoxIcon::Error:
      return QMessageBox::Critical;
    case BoxIcon::Question:
      return QMessageBox::Question;
    case BoxIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// A box needs a parent to sit over; without one, take the window in use.
QWidget* ownerOr(QWidget* parent) {
  if (parent) return parent;
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}

class QtDialogs : public Dialogs {
 public:
  void message(QWidget* parent, const QString& caption, const QString& text,
               BoxIcon icon) override {
    QMessageBox box(toQt(icon), caption, text, QMessageBox::Ok, ownerOr(parent));
    box.exec();
  }

  bool confirm(QWidget* parent, const QString& caption, const QString& text) override {
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No,
                    ownerOr(parent));
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
  }

  void showHelp(QDialog& helpWindow) override { helpWindow.exec(); }
  void showAbout(QDialog& aboutBox) override { aboutBox.exec(); }

  PrintAnswer askPrint(QWidget* parent, bool hasSelection) override {
    // Made on first use: setting up a printer asks the print system for its
    // printers, which would slow the start.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCopyCount(1);
    QPrintDialog dialog(printer_.get(), ownerOr(parent));
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (hasSelection) options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                      : QAbstractPrintDialog::AllPages);
    PrintAnswer answer;
    if (dialog.exec() != QDialog::Accepted) return answer;
    answer.accepted = true;
    answer.selectionOnly = dialog.printRange() == QAbstractPrintDialog::Selection;
    // Qt offers printing to a file as a PDF "printer"; the tape goes to the
    // text file instead.
    answer.toFile = printer_->outputFormat() == QPrinter::PdfFormat;
    if (!answer.toFile) answer.printer = printer_.get();
    return answer;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
};

QtDialogs& qtDialogs() {
  static QtDialogs instance;
  return instance;
}

Dialogs* installed = nullptr;
QString title = QStringLiteral("Tivoru");

}  // namespace

Dialogs& dialogs() {
  return installed ? *installed : qtDialogs();
}

void setDialogs(Dialogs* replacement) {
  installed = replacement;
}

QString applicationTitle() {
  return title;
}

void setApplicationTitle(const QString& newTitle) {
  title = newTitle;
}

void reportError(QWidget* parent, std::string_view message) {
  dialogs().message(parent, applicationTitle(), QString::fromStdString(errorReportText(message)),
                    BoxIcon::Error);
}

void reportError(QWidget* parent, const std::exception& fault) {
  reportError(parent, std::string_view(fault.what()));
}

}  // namespace tivorum
