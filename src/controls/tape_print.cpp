#include "controls/tape_print.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <memory>

#include "calc/tape_file.h"
#include "controls/dialogs.h"
#include "controls/tape_pane.h"

namespace tivorum {
namespace {

void showError(QWidget* parent, const QString& text) {
  dialogs().message(parent, "Error", text, BoxIcon::Error);
}

std::filesystem::path toPath(const QString& fileName) {
  return std::filesystem::path(QFile::encodeName(fileName).toStdString());
}

// Whether `file` is the working folder's CALCULAT.TXT, however it was spelt.
bool isWorkingTapeFile(const std::filesystem::path& file) {
  std::error_code ec1, ec2;
  const auto a = std::filesystem::weakly_canonical(file, ec1);
  const auto b = std::filesystem::weakly_canonical(toPath(workingTapeFile()), ec2);
  return !ec1 && !ec2 && a == b;
}

void appendText(QWidget* parent, const QString& fileName, const std::vector<std::string>& lines,
                bool bigTapeFile) {
  const std::filesystem::path path = toPath(fileName);
  WriteResult result;
  if (isWorkingTapeFile(path)) {
    result = writeTapeFile(path.parent_path(), lines, bigTapeFile);
  } else {
    result = appendTapeText(path, lines, false, fileName.toStdString());
  }
  if (!result.ok) showError(parent, QString::fromStdString(result.message));
}

void writePdf(QWidget* parent, const PrintAnswer& answer, const std::vector<std::string>& lines,
              const QFont& font) {
  // The dialog's own PDF writer keeps the paper chosen under its options.
  QPrinter* device = answer.printer;
  std::unique_ptr<QPrinter> own;
  if (!device || device->outputFormat() != QPrinter::PdfFormat ||
      device->outputFileName() != answer.fileName) {
    own = std::make_unique<QPrinter>(QPrinter::HighResolution);
    own->setOutputFormat(QPrinter::PdfFormat);
    own->setOutputFileName(answer.fileName);
    device = own.get();
  }
  if (!printLines(*device, font, lines))
    showError(parent,
              QString::fromStdString(tapeFileError("create", answer.fileName.toStdString())));
}

void printOn(QWidget* parent, QPrinter& printer, const std::vector<std::string>& lines,
             const QFont& font) {
  const QString name = printer.printerName();
  // A stopped queue takes the job and holds it without a word; say so now
  // rather than leave the user waiting at the printer.
  const QPrinterInfo info = QPrinterInfo::printerInfo(name);
  if (!info.isNull() && info.state() == QPrinter::Error) {
    showError(parent, printerStoppedMessage(name));
    return;
  }
  printer.setDocName(QStringLiteral("Tape"));
  if (!printLines(printer, font, lines) || printer.printerState() == QPrinter::Error)
    showError(parent, printerFailedMessage(name));
}

}  // namespace

bool isPdfFileName(const QString& fileName) {
  return fileName.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

bool printsTextFile(const PrintAnswer& answer) {
  return answer.toFile && !isPdfFileName(answer.fileName);
}

QString workingTapeFile() {
  return QDir::current().absoluteFilePath(QString::fromUtf8(kTapeFileName));
}

QString printerStoppedMessage(const QString& printer) {
  return QStringLiteral("Error. Printer %1 is stopped. Nothing was printed.").arg(printer);
}

QString printerFailedMessage(const QString& printer) {
  return QStringLiteral("Error. Cannot print on printer %1.").arg(printer);
}

void printTape(QWidget* parent, const PrintAnswer& answer, const std::vector<std::string>& lines,
               const QFont& font, bool bigTapeFile) {
  if (!answer.accepted) return;
  if (answer.toFile) {
    const QString file = answer.fileName.isEmpty() ? workingTapeFile() : answer.fileName;
    if (isPdfFileName(file)) {
      PrintAnswer pdf = answer;
      pdf.fileName = file;
      writePdf(parent, pdf, lines, font);
    } else {
      appendText(parent, file, lines, bigTapeFile);
    }
  } else if (answer.printer) {
    printOn(parent, *answer.printer, lines, font);
  }
}

}  // namespace tivorum
