#include "controls/tape_output.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <string>
#include <vector>

#include "calc/tape_file.h"
#include "controls/dialogs.h"
#include "controls/qt_text.h"
#include "controls/tape_pane.h"
#include "controls/tape_print.h"

namespace tivorum {

TapeOutput::TapeOutput(QWidget& window, TapePane& tape)
    : window_(window), tape_(tape), tempMemo_(new QPlainTextEdit(&window)) {
  tempMemo_->setObjectName("TempMemo");
  tempMemo_->hide();
}

void TapeOutput::noteTapeFile(const std::filesystem::path& folder) {
  bigTapeFile_ = tapeFileIsBig(folder);
}

void TapeOutput::print() {
  const bool selected = tape_.hasSelection();
  PrintAnswer answer = dialogs().askPrint(&window_, selected);
  if (!answer.accepted) return;
  std::vector<std::string> lines;
  if (selected && (printsTextFile(answer) || answer.selectionOnly)) {
    tempMemo_->setPlainText(tape_.selectionWithNotes());
    lines = textLines(tempMemo_->toPlainText());
  } else {
    lines = tape_.linesWithNotes();
  }
  printTape(&window_, answer, lines, tape_.font(), bigTapeFile_);
}

void TapeOutput::copy() {
  tape_.copyToClipboard();
}

void TapeOutput::copySelectionOr(const QString& shown) {
  QGuiApplication::clipboard()->setText(tape_.hasSelection() ? tape_.selectionWithNotes() : shown);
}

}  // namespace tivorum
