// The main window's tape: a read-only pane over the compact line store that
// lays out and draws only the lines in view, so a million lines cost their
// characters and scroll, select and copy at once. It draws exactly as a
// plain text pane would (margins, wrapping, line spacing, selection); a
// line's note follows its text, set apart in a muted italic.
#pragma once

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <optional>
#include <string>
#include <vector>

#include "calc/tape.h"
#include "calc/tape_lines.h"
#include "controls/tape_rows.h"
#include "controls/tape_text.h"

class QPagedPaintDevice;
class QTextLayout;
class QTextLine;

namespace tivorum {

class TapePane : public QAbstractScrollArea, public Tape {
  Q_OBJECT

 public:
  explicit TapePane(QWidget* parent = nullptr);
  ~TapePane() override;

  // Tape
  void append(const std::string& line) override;
  void removeLast() override;
  void clear() override;

  int lineCount() const;
  std::vector<std::string> lines() const;
  const TapeLines& store() const { return text_.lines(); }
  // Told of every change made through the pane (the journal).
  void setObserver(TapeObserver* observer) { text_.setObserver(observer); }
  // Takes every line at once (a journal or a file read in): one pass over
  // them and one repaint, scrolled to the end. The observer stays and is not
  // told: whoever fills knows what it filled.
  void fill(TapeLines lines);
  // "" removes the note; a line past the end is left alone.
  void setNote(std::size_t line, std::string_view note);

  bool hasSelection() const;
  // The selected text, line breaks as "\n".
  QString selection() const;
  // As copied and printed: characters [from, to), a line whose end is among
  // them followed by its note; the selection so; every line with its note.
  QString textWithNotes(qsizetype from, qsizetype to) const;
  QString selectionWithNotes() const;
  std::vector<std::string> linesWithNotes() const;
  // Positions count characters (UTF-16 units) and one per line break, as a
  // text pane does; they are clamped to the text.
  void selectCharacters(int from, int to);
  void selectAll();
  // The whole text, line breaks as "\n".
  QString toPlainText() const;
  // The line that holds the caret; none until the user places it.
  std::optional<std::size_t> caretLine() const;

  // The selection, or the whole tape when nothing is selected, as plain
  // text on the clipboard. Afterwards the selection is as it was.
  void copyToClipboard();

  // For assistive technology: characters as above.
  qsizetype characterCount() const { return text_.end(); }
  QString textBetween(qsizetype from, qsizetype to) const { return text_.between(from, to); }
  qsizetype cursorPosition() const { return position_; }
  qsizetype anchorPosition() const { return anchor_; }
  void setCaret(qsizetype anchor, qsizetype position);
  // The first and one past the last character of the line holding `at`.
  std::pair<qsizetype, qsizetype> lineBounds(qsizetype at) const { return text_.lineBounds(at); }
  // Where character `at` is drawn, in the pane's viewport.
  QRect characterRect(qsizetype at) const;
  qsizetype positionAt(QPoint viewportPoint) const;
  // Scrolls as little as it takes to show the row holding `position`.
  void ensureVisible(qsizetype position);

 signals:
  void selectionChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  bool event(QEvent* event) override;

 private:
  enum class Unit { Character, Word, Line };

  void updateScrollRange();
  void scrollToEnd();
  // The top of `line`'s first row in the viewport, as drawn now.
  qreal lineTop(std::size_t line) const;
  qreal firstRowTop() const;
  // Lays out the line holding `position`; the row of it holding the position.
  QTextLine rowAround(qsizetype position, QTextLayout& layout, std::size_t* line) const;
  // The row holding `position`, counted over the whole tape.
  std::size_t rowOf(qsizetype position) const;
  // The character nearest `x` in `row` of the whole tape.
  qsizetype positionInRow(std::size_t row, qreal x) const;
  void moveCursor(qsizetype position, bool keepAnchor);
  void cursorChanged(qsizetype oldAnchor, qsizetype oldPosition);
  void contentsChanged();
  qsizetype verticalMove(int rows) const;
  qsizetype rowEdge(bool end) const;
  qsizetype wordBoundary(qsizetype position, bool forward) const;
  std::pair<qsizetype, qsizetype> unitBounds(qsizetype at, Unit unit) const;
  void dragTo(qsizetype at);
  void restartBlink();

  TapeText text_;
  TapeRows rows_{text_};
  qsizetype anchor_ = 0;
  qsizetype position_ = 0;
  bool caretPlaced_ = false;
  // Vertical moves keep to the column they started from.
  qreal wantedX_ = -1;
  bool dragging_ = false;
  Unit dragUnit_ = Unit::Character;
  // The word or line a double or triple click chose, kept while dragging.
  std::pair<qsizetype, qsizetype> dragOrigin_;
  QPoint lastMouse_;
  QBasicTimer blink_;
  QBasicTimer autoScroll_;
  QBasicTimer tripleClick_;
  QPoint tripleClickPoint_;
  bool caretOn_ = false;
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
