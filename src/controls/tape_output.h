// The tape's way out of the program: the Print key (a printer, a PDF or a
// text file, as the print dialog answers) and the copy keys.
#pragma once

#include <QString>
#include <filesystem>

class QPlainTextEdit;
class QWidget;

namespace tivorum {

class TapePane;

class TapeOutput {
 public:
  // Boxes sit over `window`, which also holds the hidden TempMemo that a
  // printed selection passes through.
  TapeOutput(QWidget& window, TapePane& tape);

  // Notes, at start-up, whether CALCULAT.TXT in `folder` is already over
  // its size limit: then printing to it starts it afresh.
  void noteTapeFile(const std::filesystem::path& folder);

  // Asks the print dialog and prints the tape or its selection.
  void print();
  // The Copy key: the tape, or its selection, onto the clipboard.
  void copy();
  // Ctrl+C: the tape's selection when there is one, else `shown`.
  void copySelectionOr(const QString& shown);

 private:
  QWidget& window_;
  TapePane& tape_;
  QPlainTextEdit* tempMemo_;
  bool bigTapeFile_ = false;
};

}  // namespace tivorum
