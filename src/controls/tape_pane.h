// The main window's tape: a read-only text pane holding one tape line per
// text block. Appending and removing the last line cost the same however long
// the tape is.
#pragma once

#include <QPlainTextEdit>
#include <QStringList>
#include <string>
#include <vector>

#include "calc/tape.h"

class QPagedPaintDevice;

namespace tivorum {

class TapePane : public QPlainTextEdit, public Tape {
  Q_OBJECT

 public:
  explicit TapePane(QWidget* parent = nullptr);

  // Tape
  void append(const std::string& line) override;
  void removeLast() override;
  void clear() override;

  int lineCount() const;
  std::vector<std::string> lines() const;

  bool hasSelection() const;
  // The selected text, line breaks as "\n".
  QString selection() const;
  void selectCharacters(int from, int to);

  // The selection, or the whole tape when nothing is selected, as plain
  // text on the clipboard. Afterwards the selection is as it was.
  void copyToClipboard();

 private:
  // An empty document still has one (empty) block, which cannot tell "no
  // lines" from "one empty line".
  bool empty_ = true;
};

// The lines of a text as a text pane splits them: a last line break does not
// start another line.
std::vector<std::string> textLines(const QString& text);

// Prints lines in `font` from the top of the printable area, one printed line
// per text line (a line wider than the page goes on over the next ones),
// starting a new page when one is full. False when the device
// could not be opened (a file that cannot be written, a printer gone).
bool printLines(QPagedPaintDevice& printer, const QFont& font,
                const std::vector<std::string>& lines);

}  // namespace tivorum
