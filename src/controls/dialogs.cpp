#include "controls/dialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "calc/number.h"
#include "calc/tape_csv.h"
#include "calc/tape_document.h"
#include "controls/qt_text.h"
#include "controls/tape_print.h"

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

// Qt's print dialog with its print-to-file choice told the truth: a file
// whose name does not end in ".pdf" gets the tape appended as text, so the
// dialog says so and does not ask whether to overwrite it.
class TapePrintDialog : public QPrintDialog {
 public:
  TapePrintDialog(QPrinter* printer, QWidget* parent) : QPrintDialog(printer, parent) {
    printers_ = findChild<QComboBox*>(QStringLiteral("printers"));
    file_ = findChild<QLineEdit*>(QStringLiteral("filename"));
    type_ = findChild<QLabel*>(QStringLiteral("type"));
    if (!printers_ || !file_ || !type_) return;  // another layout: Qt's own texts stay
    // Room for the whole path, so the user sees where the tape goes.
    const int wanted = file_->fontMetrics().horizontalAdvance(file_->text()) + 24;
    file_->setMinimumWidth(std::min(wanted, 560));
    connect(file_, &QLineEdit::textChanged, this, [this] { describeFile(); });
    // After Qt's own handler, which writes its PDF wording.
    connect(printers_, &QComboBox::currentIndexChanged, this, [this] { describeFile(); });
  }

  // Set when the dialog was accepted for a text file: its absolute path.
  const QString& textFile() const { return textFile_; }

  // Qt adds its print-to-file choice as the dialog is shown.
  void setVisible(bool visible) override {
    QPrintDialog::setVisible(visible);
    if (visible) describeFile();
  }

  void accept() override {
    if (file_ && file_->isEnabled() && !file_->text().trimmed().isEmpty()) {
      // A bare name means the working folder, where CALCULAT.TXT lives.
      const QString name = QDir::current().absoluteFilePath(file_->text().trimmed());
      file_->setText(name);
      if (!isPdfFileName(name)) {
        textFile_ = name;
        QDialog::accept();  // the text is appended: no question about overwriting
        return;
      }
    }
    QPrintDialog::accept();
  }

 private:
  void describeFile() {
    if (!printers_ || !file_ || !type_) return;
    const int last = printers_->count() - 1;
    if (last >= 0 && printers_->itemText(last).contains(QLatin1String("(PDF)")))
      printers_->setItemText(last, kPrintToFile);
    if (!file_->isEnabled()) return;
    type_->setText(isPdfFileName(file_->text().trimmed())
                       ? QStringLiteral("Write PDF file")
                       : QStringLiteral("Append the tape as plain text"));
  }

  static inline const QString kPrintToFile = QStringLiteral("Print to File");
  QComboBox* printers_ = nullptr;
  QLineEdit* file_ = nullptr;
  QLabel* type_ = nullptr;
  QString textFile_;
};

struct FileDialogShape {
  FileQuestion question;
  const char* caption;
  const char* filter;
};

constexpr FileDialogShape kFileDialogs[] = {
    {FileQuestion::OpenTape, "Open Tape", "Tivorum tapes (*.tape);;All files (*)"},
    {FileQuestion::SaveTape, "Save Tape As", "Tivorum tapes (*.tape);;All files (*)"},
    {FileQuestion::ExportCsv, "Export as CSV", "CSV files (*.csv);;All files (*)"},
};

const FileDialogShape& shapeOf(FileQuestion question) {
  for (const FileDialogShape& shape : kFileDialogs) {
    if (shape.question == question) return shape;
  }
  return kFileDialogs[0];
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

  void popUp(QMenu& menu, const QPoint& at) override { menu.exec(at); }

  QString askFile(QWidget* parent, FileQuestion question) override {
    const FileDialogShape& shape = shapeOf(question);
    // The user's home folder at first, then the folder last used.
    if (fileFolder_.isEmpty()) fileFolder_ = QDir::homePath();
    QFileDialog dialog(ownerOr(parent), QString::fromUtf8(shape.caption), fileFolder_,
                       QString::fromUtf8(shape.filter));
    const bool opening = question == FileQuestion::OpenTape;
    dialog.setAcceptMode(opening ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(opening ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!opening) dialog.setDefaultSuffix(defaultExtension(question).mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    fileFolder_ = dialog.directory().absolutePath();
    return dialog.selectedFiles().constFirst();
  }

  std::optional<QString> askText(QWidget* parent, const QString& caption, const QString& label,
                                 const QString& text, int maxLength) override {
    QInputDialog dialog(ownerOr(parent));
    dialog.setWindowTitle(caption);
    dialog.setLabelText(label);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setTextValue(text);
    // Its line edit exists once the input mode is set.
    if (auto* edit = dialog.findChild<QLineEdit*>()) edit->setMaxLength(maxLength);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue();
  }

  PrintAnswer askPrint(QWidget* parent, bool hasSelection) override {
    // Made on first use: setting up a printer asks the print system for its
    // printers, which would slow the start.
    if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer_->setCopyCount(1);
    // Printing to file means CALCULAT.TXT unless the user names another file.
    if (printer_->outputFileName().isEmpty()) printer_->setOutputFileName(defaultTapeFile());
    TapePrintDialog dialog(printer_.get(), ownerOr(parent));
    QAbstractPrintDialog::PrintDialogOptions options = QAbstractPrintDialog::PrintToFile;
    if (hasSelection) options |= QAbstractPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                      : QAbstractPrintDialog::AllPages);
    PrintAnswer answer;
    if (dialog.exec() != QDialog::Accepted) return answer;
    answer.accepted = true;
    answer.selectionOnly = dialog.printRange() == QAbstractPrintDialog::Selection;
    if (!dialog.textFile().isEmpty()) {
      answer.toFile = true;
      answer.fileName = dialog.textFile();
      // Remembered as Qt remembers a PDF file: the next dialog offers it.
      printer_->setPrinterName(QString());
      printer_->setOutputFormat(QPrinter::PdfFormat);
      printer_->setOutputFileName(answer.fileName);
      return answer;
    }
    answer.toFile = printer_->outputFormat() == QPrinter::PdfFormat;
    if (answer.toFile) answer.fileName = printer_->outputFileName();
    answer.printer = printer_.get();
    return answer;
  }

 private:
  std::unique_ptr<QPrinter> printer_;
  QString fileFolder_;
};

QtDialogs& qtDialogs() {
  static QtDialogs instance;
  return instance;
}

Dialogs* installed = nullptr;
QString title = QStringLiteral("Tivoru");

}  // namespace

QString defaultExtension(FileQuestion question) {
  switch (question) {
    case FileQuestion::SaveTape:
      return qstr(kTapeDocumentExtension);
    case FileQuestion::ExportCsv:
      return qstr(kCsvExtension);
    case FileQuestion::OpenTape:
      break;
  }
  return {};
}

void Dialogs::popUp(QMenu&, const QPoint&) {}

QString Dialogs::askFile(QWidget*, FileQuestion) {
  return {};
}

std::optional<QString> Dialogs::askText(QWidget*, const QString&, const QString&, const QString&,
                                        int) {
  return std::nullopt;
}

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
