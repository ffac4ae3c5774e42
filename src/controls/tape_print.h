// Sends the tape where the print dialog said: to a printer, to a PDF file or
// appended to a text file (CALCULAT.TXT keeps its size rule). Every failure
// is an error box naming the printer or the file.
#pragma once

#include <QString>
#include <string>
#include <vector>

class QFont;
class QWidget;

namespace tivorum {

struct PrintAnswer;

// The box of a file or printer error: caption "Error", an error icon, OK.
void showError(QWidget* parent, const QString& text);

// A file name that gets a PDF rather than text: it ends in ".pdf", any case.
bool isPdfFileName(const QString& fileName);

// The answer appends text to a file. A text file always takes the selection
// when there is one, whatever print range the dialog shows.
bool printsTextFile(const PrintAnswer& answer);

// CALCULAT.TXT in the working folder, or in the home folder when the working
// folder may not be written; an absolute path.
QString defaultTapeFile();

QString printerStoppedMessage(const QString& printer);
QString printerRejectingMessage(const QString& printer);
QString printerFailedMessage(const QString& printer);

// Prints `lines` as `answer` says (nothing when it was cancelled).
// `bigTapeFile` is the start-up size check of CALCULAT.TXT.
void printTape(QWidget* parent, const PrintAnswer& answer, const std::vector<std::string>& lines,
               const QFont& font, bool bigTapeFile);

}  // namespace tivorum
