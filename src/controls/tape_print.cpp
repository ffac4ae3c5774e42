#include "controls/tape_print.h"

#include <cups/cups.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPdfWriter>
#include <QPrinter>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>

#include "calc/file_write.h"
#include "calc/tape_file.h"
#include "controls/dialogs.h"
#include "controls/qt_text.h"
#include "controls/tape_pane.h"

namespace tivorum {

void showError(QWidget* parent, const QString& text) {
  dialogs().message(parent, "Error", text, BoxIcon::Error);
}

namespace {

// Whether `file` is the CALCULAT.TXT the program proposes, however it was spelt.
bool isDefaultTapeFile(const std::filesystem::path& file) {
  std::error_code ec1, ec2;
  const auto a = std::filesystem::weakly_canonical(file, ec1);
  const auto b = std::filesystem::weakly_canonical(toPath(defaultTapeFile()), ec2);
  return !ec1 && !ec2 && a == b;
}

void appendText(QWidget* parent, const QString& fileName, const std::vector<std::string>& lines,
                bool bigTapeFile) {
  const std::filesystem::path path = toPath(fileName);
  WriteResult result;
  if (isDefaultTapeFile(path)) {
    result = writeTapeFile(path.parent_path(), lines, bigTapeFile);
  } else {
    result = appendTapeText(path, lines, false, fileName.toStdString());
  }
  if (!result.ok) showError(parent, QString::fromStdString(result.message));
}

// The PDF is made in memory and then written as the settings file is: a
// full disk, a file that may not be written or a FIFO in its place is
// reported, and an older file of that name stays whole.
void writePdf(QWidget* parent, const PrintAnswer& answer, const std::vector<std::string>& lines,
              const QFont& font) {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    // The dialog's own PDF printer keeps the paper chosen under its options.
    std::optional<QPrinter> fallback;
    if (!answer.printer || answer.printer->outputFormat() != QPrinter::PdfFormat) {
      fallback.emplace(QPrinter::HighResolution);
      fallback->setOutputFormat(QPrinter::PdfFormat);
    }
    const QPrinter& paper = fallback ? *fallback : *answer.printer;
    writer.setPageLayout(paper.pageLayout());
    writer.setResolution(paper.resolution());
    writer.setTitle(QStringLiteral("Tape"));
    if (!printLines(writer, font, lines)) {
      showError(parent,
                QString::fromStdString(tapeFileError("write", answer.fileName.toStdString())));
      return;
    }
  }
  const std::filesystem::path path = toPath(answer.fileName);
  std::error_code ec;
  const bool existed = std::filesystem::exists(std::filesystem::symlink_status(path, ec));
  const FileProblem problem =
      replaceFileContent(path, std::string_view(pdf.data().constData(), pdf.data().size()));
  if (problem != FileProblem::None) {
    showError(parent, QString::fromStdString(tapeFileError(existed ? "write" : "create",
                                                           answer.fileName.toStdString())));
  }
}

// Why the print system would not print on `printer` now, as CUPS tells it.
QString printerRefusal(const QString& printer) {
  cups_dest_t* dest =
      cupsGetNamedDest(CUPS_HTTP_DEFAULT, printer.toLocal8Bit().constData(), nullptr);
  if (!dest) return {};
  auto option = [dest](const char* name) {
    const char* value = cupsGetOption(name, dest->num_options, dest->options);
    return QByteArray(value ? value : "");
  };
  QString refusal;
  if (option("printer-is-accepting-jobs") == "false") {
    refusal = printerRejectingMessage(printer);
  } else if (option("printer-state").toInt() == IPP_PSTATE_STOPPED) {
    refusal = printerStoppedMessage(printer);
  }
  cupsFreeDests(1, dest);
  return refusal;
}

void printOn(QWidget* parent, QPrinter& printer, const std::vector<std::string>& lines,
             const QFont& font) {
  const QString name = printer.printerName();
  // A stopped queue takes the job and holds it without a word, and one that
  // rejects jobs drops it without a word; say so now rather than leave the
  // user waiting at the printer.
  if (const QString refusal = printerRefusal(name); !refusal.isEmpty()) {
    showError(parent, refusal);
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

QString defaultTapeFile() {
  const std::filesystem::path folder = tapeFileFolder(toPath(QDir::currentPath()));
  return QFile::decodeName((folder / kTapeFileName).c_str());
}

QString printerStoppedMessage(const QString& printer) {
  return QStringLiteral("Error. Printer %1 is stopped. Nothing was printed.").arg(printer);
}

QString printerRejectingMessage(const QString& printer) {
  return QStringLiteral("Error. Printer %1 rejects jobs. Nothing was printed.").arg(printer);
}

QString printerFailedMessage(const QString& printer) {
  return QStringLiteral("Error. Cannot print on printer %1.").arg(printer);
}

void printTape(QWidget* parent, const PrintAnswer& answer, const std::vector<std::string>& lines,
               const QFont& font, bool bigTapeFile) {
  if (!answer.accepted) return;
  if (answer.toFile) {
    const QString file = answer.fileName.isEmpty() ? defaultTapeFile() : answer.fileName;
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
