#include "controls/tape_pane.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScrollBar>
#include <QStyleHints>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "calc/tape_document.h"

namespace tivorum {

namespace {

constexpr int kMargin = TapeRows::kMargin;

bool isWordCharacter(QChar c) {
  return c.isLetterOrNumber() || c == QLatin1Char('_');
}

}  // namespace

TapePane::TapePane(QWidget* parent) : QAbstractScrollArea(parent) {
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setCursor(Qt::IBeamCursor);
  viewport()->setBackgroundRole(QPalette::Base);
  viewport()->setAutoFillBackground(true);
  // The selection stays visible when the focus goes back to the keypad.
  QPalette p = palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight,
             p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText,
             p.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(p);
  rows_.setFont(font(), viewport());
  rows_.setNoteBrush(palette().brush(QPalette::PlaceholderText));
  rows_.setWidth(viewport()->width());
}

TapePane::~TapePane() = default;

// ---- Lines -----------------------------------------------------------------------

int TapePane::lineCount() const {
  return static_cast<int>(text_.size());
}

std::vector<std::string> TapePane::lines() const {
  std::vector<std::string> out;
  out.reserve(text_.size());
  for (std::size_t i = 0; i < text_.size(); ++i) out.emplace_back(text_.lines().line(i));
  return out;
}

QString TapePane::toPlainText() const {
  return text_.between(0, text_.end());
}

void TapePane::append(const std::string& line) {
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  const qsizetype insertedAt = text_.end();
  text_.append(line);
  rows_.appended();
  if (QAccessible::isActive()) {
    const QString inserted = (text_.size() > 1 ? QStringLiteral("\n") : QString()) + fromUtf8(line);
    QAccessibleTextInsertEvent event(this, static_cast<int>(insertedAt), inserted);
    QAccessible::updateAccessibility(&event);
  }
  // Adding a line ends a selection, as on the old tape.
  if (oldAnchor != oldPosition) {
    anchor_ = position_ = text_.end();
    cursorChanged(oldAnchor, oldPosition);
  }
  updateScrollRange();
  // The newest line is in view, like the end of a paper tape.
  scrollToEnd();
  viewport()->update();
}

void TapePane::removeLast() {
  if (text_.empty()) return;
  const std::size_t last = text_.size() - 1;
  const qsizetype from = last == 0 ? 0 : text_.lineStart(last) - 1;
  const QString removed = QAccessible::isActive() ? text_.between(from, text_.end()) : QString();
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  text_.removeLast();
  rows_.removedLast();
  if (QAccessible::isActive()) {
    QAccessibleTextRemoveEvent event(this, static_cast<int>(from), removed);
    QAccessible::updateAccessibility(&event);
  }
  anchor_ = std::min(anchor_, text_.end());
  position_ = std::min(position_, text_.end());
  cursorChanged(oldAnchor, oldPosition);
  updateScrollRange();
  viewport()->update();
}

void TapePane::clear() {
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  text_.clear();
  rows_.reset();
  anchor_ = position_ = 0;
  caretPlaced_ = false;
  cursorChanged(oldAnchor, oldPosition);
  contentsChanged();
}

void TapePane::fill(TapeLines lines) {
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  text_.fill(std::move(lines));
  rows_.reset();
  anchor_ = position_ = 0;
  caretPlaced_ = false;
  cursorChanged(oldAnchor, oldPosition);
  contentsChanged();
  scrollToEnd();
}

void TapePane::setNote(std::size_t line, std::string_view note) {
  if (line >= text_.size()) return;
  text_.setNote(line, note);
  rows_.lineChanged(line);
  updateScrollRange();
  viewport()->update();
}

void TapePane::contentsChanged() {
  if (QAccessible::isActive()) {
    QAccessibleTextUpdateEvent event(this, 0, QString(), toPlainText());
    QAccessible::updateAccessibility(&event);
  }
  updateScrollRange();
  viewport()->update();
}

// ---- Selection -------------------------------------------------------------------

bool TapePane::hasSelection() const {
  return anchor_ != position_;
}

QString TapePane::selection() const {
  return text_.between(std::min(anchor_, position_), std::max(anchor_, position_));
}

QString TapePane::selectionWithNotes() const {
  return textWithNotes(std::min(anchor_, position_), std::max(anchor_, position_));
}

QString TapePane::textWithNotes(qsizetype from, qsizetype to) const {
  if (from >= to) return {};
  const std::size_t first = text_.lineAt(from), last = text_.lineAt(to);
  const TapeLines& lines = text_.lines();
  QString out;
  qsizetype done = from;
  // Notes are few: the text between them goes in one piece.
  for (std::size_t i : lines.notedLines()) {
    if (i < first) continue;
    if (i > last) break;
    const qsizetype end = text_.lineStart(i) + text_.lineLength(i);
    if (from >= end || to < end) continue;
    out += text_.between(done, end);
    out += fromUtf8(lineWithNote("", lines.note(i)));
    done = end;
  }
  return out + text_.between(done, to);
}

std::vector<std::string> TapePane::linesWithNotes() const {
  std::vector<std::string> out = lines();
  for (std::size_t i : text_.lines().notedLines())
    out[i] = lineWithNote(out[i], text_.lines().note(i));
  return out;
}

void TapePane::selectCharacters(int from, int to) {
  setCaret(from, to);
}

void TapePane::selectAll() {
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  anchor_ = 0;
  position_ = text_.end();
  caretPlaced_ = true;
  cursorChanged(oldAnchor, oldPosition);
}

void TapePane::setCaret(qsizetype anchor, qsizetype position) {
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  anchor_ = std::clamp<qsizetype>(anchor, 0, text_.end());
  position_ = std::clamp<qsizetype>(position, 0, text_.end());
  caretPlaced_ = true;
  cursorChanged(oldAnchor, oldPosition);
  ensureVisible(position_);
}

std::optional<std::size_t> TapePane::caretLine() const {
  if (!caretPlaced_ || text_.empty()) return std::nullopt;
  return text_.lineAt(position_);
}

void TapePane::moveCursor(qsizetype position, bool keepAnchor) {
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  position_ = std::clamp<qsizetype>(position, 0, text_.end());
  if (!keepAnchor) anchor_ = position_;
  caretPlaced_ = true;
  cursorChanged(oldAnchor, oldPosition);
}

void TapePane::cursorChanged(qsizetype oldAnchor, qsizetype oldPosition) {
  const bool moved = position_ != oldPosition;
  const bool reselected =
      (anchor_ != oldAnchor || moved) && (anchor_ != position_ || oldAnchor != oldPosition);
  if (!moved && !reselected) return;
  if (QAccessible::isActive()) {
    if (reselected) {
      QAccessibleTextSelectionEvent event(this, static_cast<int>(std::min(anchor_, position_)),
                                          static_cast<int>(std::max(anchor_, position_)));
      event.setCursorPosition(static_cast<int>(position_));
      QAccessible::updateAccessibility(&event);
    } else {
      QAccessibleTextCursorEvent event(this, static_cast<int>(position_));
      QAccessible::updateAccessibility(&event);
    }
  }
  restartBlink();
  viewport()->update();
  if (reselected) emit selectionChanged();
}

void TapePane::copyToClipboard() {
  QGuiApplication::clipboard()->setText(hasSelection() ? selectionWithNotes()
                                                       : textWithNotes(0, text_.end()));
}

// ---- Scrolling -------------------------------------------------------------------

void TapePane::updateScrollRange() {
  rows_.setWidth(viewport()->width());
  // Scrolled by rows. At the end the last row is in view and the first row
  // shown starts at the top, as in a plain text pane; an empty tape counts
  // as one empty row.
  const std::size_t total = std::max<std::size_t>(rows_.rowCount(), 1);
  std::size_t maximum = total - 1;
  std::size_t page = 0;
  if (isVisible()) {
    const qreal visible = viewport()->height() - kMargin - 1;
    qreal y = 0;
    std::size_t fromBottom = 0;
    for (std::size_t i = std::max<std::size_t>(text_.size(), 1); i-- > 0;) {
      const std::size_t rows = i < text_.size() ? rows_.rows(i) : 1;
      y += static_cast<int>(static_cast<qreal>(rows) * rows_.rowHeight());
      if (y > visible) {
        std::size_t hidden = 0;
        while (hidden < rows &&
               static_cast<int>(static_cast<qreal>(hidden) * rows_.rowHeight()) < y - visible)
          ++hidden;
        fromBottom += rows - hidden;
        break;
      }
      fromBottom += rows;
    }
    maximum = total - std::min(fromBottom, total);
    page = fromBottom;
  } else {
    page = static_cast<std::size_t>(viewport()->height() / QFontMetrics(font()).lineSpacing());
  }
  QScrollBar* bar = verticalScrollBar();
  bar->setRange(0, static_cast<int>(maximum));
  bar->setPageStep(static_cast<int>(page));
}

void TapePane::scrollToEnd() {
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

qreal TapePane::firstRowTop() const {
  // The top margin shows only with the first row at the top.
  return verticalScrollBar()->value() == 0 ? kMargin : 0;
}

qreal TapePane::lineTop(std::size_t line) const {
  const auto top = static_cast<qreal>(verticalScrollBar()->value());
  return firstRowTop() + (static_cast<qreal>(rows_.rowStart(line)) - top) * rows_.rowHeight();
}

QTextLine TapePane::rowAround(qsizetype position, QTextLayout& layout, std::size_t* line) const {
  *line = text_.lineAt(position);
  rows_.layOut(*line, layout);
  return layout.lineForTextPosition(static_cast<int>(position - text_.lineStart(*line)));
}

std::size_t TapePane::rowOf(qsizetype position) const {
  if (text_.empty()) return 0;
  std::size_t line = 0;
  QTextLayout layout;
  const QTextLine row = rowAround(position, layout, &line);
  return rows_.rowStart(line) + static_cast<std::size_t>(std::max(0, row.lineNumber()));
}

qsizetype TapePane::positionInRow(std::size_t row, qreal x) const {
  const std::size_t line = rows_.lineAtRow(row);
  QTextLayout layout;
  rows_.layOut(line, layout);
  const int within = std::min(static_cast<int>(row - rows_.rowStart(line)), layout.lineCount() - 1);
  const int at = layout.lineAt(within).xToCursor(x, QTextLine::CursorBetweenCharacters);
  // A note is no part of the text.
  return text_.lineStart(line) + std::min<qsizetype>(at, text_.lineLength(line));
}

void TapePane::ensureVisible(qsizetype position) {
  if (text_.empty()) return;
  const std::size_t row = rowOf(position);
  QScrollBar* bar = verticalScrollBar();
  const qreal height = rows_.rowHeight();
  const qreal top = firstRowTop() + (static_cast<qreal>(row) - bar->value()) * height;
  const int viewHeight = viewport()->height();
  if (top + height >= viewHeight) {
    // Below: the whole rows that fit end with the caret's.
    std::size_t fit = std::max<std::size_t>(1, static_cast<std::size_t>(viewHeight / height));
    if (fit > row && static_cast<qreal>(row + 1) * height + kMargin > viewHeight) --fit;
    bar->setValue(static_cast<int>(row + 1 - std::min(fit, row + 1)));
  } else if (top < 0) {
    bar->setValue(static_cast<int>(row));
  }
}

void TapePane::scrollContentsBy(int, int) {
  viewport()->update();
}

void TapePane::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  updateScrollRange();
}

void TapePane::showEvent(QShowEvent* event) {
  QAbstractScrollArea::showEvent(event);
  updateScrollRange();
}

void TapePane::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    rows_.setFont(font(), viewport());
    updateScrollRange();
  } else if (event->type() == QEvent::PaletteChange) {
    rows_.setNoteBrush(palette().brush(QPalette::PlaceholderText));
  }
  viewport()->update();
}

// ---- Drawing ---------------------------------------------------------------------

void TapePane::paintEvent(QPaintEvent* event) {
  if (text_.empty()) return;
  QPainter painter(viewport());
  painter.setPen(palette().color(QPalette::Text));
  const QRect exposed = event->rect();
  const int height = viewport()->height();
  const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
  QTextCharFormat selected;
  selected.setBackground(palette().brush(group, QPalette::Highlight));
  selected.setForeground(palette().brush(group, QPalette::HighlightedText));
  const qsizetype from = std::min(anchor_, position_), to = std::max(anchor_, position_);
  const bool caret = caretOn_ && hasFocus();

  const std::size_t topRow = std::min<std::size_t>(
      static_cast<std::size_t>(verticalScrollBar()->value()), rows_.rowCount() - 1);
  std::size_t line = rows_.lineAtRow(topRow);
  for (qreal y = lineTop(line); line < text_.size() && y <= height; ++line) {
    const qreal lineHeight = static_cast<qreal>(rows_.rows(line)) * rows_.rowHeight();
    if (y + lineHeight >= exposed.top() && y <= exposed.bottom()) {
      QTextLayout layout;
      rows_.layOut(line, layout);
      const qsizetype start = text_.lineStart(line);
      // A selection running on past the line covers its line break too.
      const qsizetype length = text_.lineLength(line) + 1;
      QList<QTextLayout::FormatRange> selections;
      if (from - start < length && to - start > 0 && to > from) {
        const qsizetype begin = std::max<qsizetype>(from - start, 0);
        selections.append({static_cast<int>(begin),
                           static_cast<int>(std::min(to - start, length) - begin), selected});
      }
      layout.draw(&painter, QPointF(0, y), selections, exposed);
      if (caret && position_ >= start && position_ < start + length)
        layout.drawCursor(&painter, QPointF(0, y), static_cast<int>(position_ - start), 1);
    }
    y += lineHeight;
  }
}

QRect TapePane::characterRect(qsizetype at) const {
  if (text_.empty())
    return QRect(kMargin, static_cast<int>(firstRowTop()), 1, static_cast<int>(rows_.rowHeight()));
  std::size_t line = 0;
  QTextLayout layout;
  const QTextLine row = rowAround(at, layout, &line);
  const int within = static_cast<int>(at - text_.lineStart(line));
  const qreal x = row.cursorToX(within);
  const qreal right = within < text_.lineLength(line) ? row.cursorToX(within + 1) : x + 1;
  return QRectF(x, lineTop(line) + row.y(), std::max<qreal>(1, right - x), row.height())
      .toAlignedRect();
}

qsizetype TapePane::positionAt(QPoint point) const {
  if (text_.empty()) return 0;
  const qreal offset = std::floor((point.y() - firstRowTop()) / rows_.rowHeight());
  const auto row = static_cast<std::size_t>(std::clamp<qreal>(
      verticalScrollBar()->value() + offset, 0, static_cast<qreal>(rows_.rowCount() - 1)));
  return positionInRow(row, point.x());
}

// ---- Keyboard --------------------------------------------------------------------

qsizetype TapePane::verticalMove(int rows) const {
  const qsizetype from = static_cast<qsizetype>(rowOf(position_));
  const qsizetype last = static_cast<qsizetype>(rows_.rowCount()) - 1;
  // Up from the first row goes to the start, down from the last to the end.
  if (from + rows < 0) return 0;
  if (from + rows > last) return text_.end();
  return positionInRow(static_cast<std::size_t>(from + rows), wantedX_);
}

qsizetype TapePane::rowEdge(bool end) const {
  if (text_.empty()) return 0;
  std::size_t line = 0;
  QTextLayout layout;
  const QTextLine row = rowAround(position_, layout, &line);
  qsizetype edge = row.textStart();
  if (end) {
    edge = std::min<qsizetype>(row.textStart() + row.textLength(), text_.lineLength(line));
    // A wrapped row ends before the first character of the next.
    if (row.lineNumber() + 1 < layout.lineCount() && edge > row.textStart()) --edge;
  }
  return text_.lineStart(line) + edge;
}

qsizetype TapePane::wordBoundary(qsizetype position, bool forward) const {
  const auto [start, stop] = text_.lineBounds(position);
  const QString text = text_.between(start, stop);
  qsizetype i = position - start;
  if (forward) {
    if (i >= text.size()) return std::min(position + 1, text_.end());
    while (i < text.size() && isWordCharacter(text[i])) ++i;
    while (i < text.size() && !isWordCharacter(text[i])) ++i;
  } else {
    if (i == 0) return std::max<qsizetype>(position - 1, 0);
    while (i > 0 && !isWordCharacter(text[i - 1])) --i;
    while (i > 0 && isWordCharacter(text[i - 1])) --i;
  }
  return start + i;
}

void TapePane::keyPressEvent(QKeyEvent* event) {
  if (event == QKeySequence::SelectAll) return selectAll();
  if (event == QKeySequence::Copy) {
    if (hasSelection()) QGuiApplication::clipboard()->setText(selectionWithNotes());
    return;
  }
  if (text_.empty()) return event->ignore();
  enum class Step { Char, Word, Row, Page, RowEdge, Document };
  struct Move {
    QKeySequence::StandardKey move, select;
    Step step;
    bool forward;
  };
  static const Move kMoves[] = {
      {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Step::Char, true},
      {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Step::Char, false},
      {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Step::Word, true},
      {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Step::Word, false},
      {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Step::Row, true},
      {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Step::Row, false},
      {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Step::Page, true},
      {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Step::Page, false},
      {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Step::RowEdge, true},
      {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Step::RowEdge, false},
      {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Step::Document, true},
      {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Step::Document,
       false},
  };
  for (const Move& m : kMoves) {
    const bool select = event->matches(m.select);
    if (!select && !event->matches(m.move)) continue;
    const bool vertical = m.step == Step::Row || m.step == Step::Page;
    if (!vertical) wantedX_ = -1;
    if (vertical && wantedX_ < 0) wantedX_ = characterRect(position_).left();
    const int page = std::max(1, verticalScrollBar()->pageStep());
    const int sign = m.forward ? 1 : -1;
    qsizetype target = 0;
    switch (m.step) {
      case Step::Char:
        // Without Shift a selection first collapses to the side moved to.
        if (!select && hasSelection())
          target = m.forward ? std::max(anchor_, position_) : std::min(anchor_, position_);
        else
          target = position_ + sign;
        break;
      case Step::Word:
        target = wordBoundary(position_, m.forward);
        break;
      case Step::Row:
        target = verticalMove(sign);
        break;
      case Step::Page:
        target = verticalMove(sign * page);
        verticalScrollBar()->setValue(verticalScrollBar()->value() + sign * page);
        break;
      case Step::RowEdge:
        target = rowEdge(m.forward);
        break;
      case Step::Document:
        target = m.forward ? text_.end() : 0;
        break;
    }
    const qreal keepX = wantedX_;
    moveCursor(target, select);
    wantedX_ = keepX;
    ensureVisible(position_);
    return;
  }
  event->ignore();
}

bool TapePane::event(QEvent* event) {
  // The pane's own keys come before a shortcut of its window.
  if (event->type() == QEvent::ShortcutOverride) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key == QKeySequence::SelectAll || key == QKeySequence::Copy) {
      event->accept();
      return true;
    }
  }
  return QAbstractScrollArea::event(event);
}

void TapePane::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  restartBlink();
  viewport()->update();
}

void TapePane::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  blink_.stop();
  caretOn_ = false;
  viewport()->update();
}

void TapePane::restartBlink() {
  if (!hasFocus()) return;
  caretOn_ = true;
  const int flash = QGuiApplication::styleHints()->cursorFlashTime();
  if (flash > 0)
    blink_.start(flash / 2, this);
  else
    blink_.stop();
}

// ---- Mouse -----------------------------------------------------------------------

std::pair<qsizetype, qsizetype> TapePane::unitBounds(qsizetype at, Unit unit) const {
  if (unit == Unit::Character) return {at, at};
  const auto [start, stop] = text_.lineBounds(at);
  if (unit == Unit::Line) return {start, stop};
  const QString text = text_.between(start, stop);
  qsizetype i = at - start, j = at - start;
  while (i > 0 && isWordCharacter(text[i - 1])) --i;
  while (j < text.size() && isWordCharacter(text[j])) ++j;
  if (i == j && j < text.size()) ++j;  // a lone sign or blank is a word of its own
  return {start + i, start + j};
}

// Extends the selection to `at`; by words or lines, the first one chosen
// stays whole.
void TapePane::dragTo(qsizetype at) {
  if (dragUnit_ == Unit::Character) return moveCursor(at, true);
  const auto [from, to] = unitBounds(at, dragUnit_);
  const qsizetype oldAnchor = anchor_, oldPosition = position_;
  if (at < dragOrigin_.first) {
    anchor_ = dragOrigin_.second;
    position_ = from;
  } else {
    anchor_ = dragOrigin_.first;
    position_ = std::max(to, dragOrigin_.second);
  }
  caretPlaced_ = true;
  cursorChanged(oldAnchor, oldPosition);
}

void TapePane::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  const QPoint point = event->position().toPoint();
  const qsizetype at = positionAt(point);
  wantedX_ = -1;
  dragging_ = true;
  lastMouse_ = point;
  if (tripleClick_.isActive() &&
      (point - tripleClickPoint_).manhattanLength() < QApplication::startDragDistance()) {
    tripleClick_.stop();
    dragUnit_ = Unit::Line;
    dragOrigin_ = unitBounds(at, Unit::Line);
    setCaret(dragOrigin_.first, dragOrigin_.second);
    return;
  }
  dragUnit_ = Unit::Character;
  moveCursor(at, event->modifiers().testFlag(Qt::ShiftModifier));
}

void TapePane::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  const QPoint point = event->position().toPoint();
  dragging_ = true;
  dragUnit_ = Unit::Word;
  dragOrigin_ = unitBounds(positionAt(point), Unit::Word);
  setCaret(dragOrigin_.first, dragOrigin_.second);
  tripleClickPoint_ = point;
  tripleClick_.start(QApplication::doubleClickInterval(), this);
}

void TapePane::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_ || !(event->buttons() & Qt::LeftButton)) return;
  lastMouse_ = event->position().toPoint();
  // Beyond the top or bottom edge the tape scrolls on by itself.
  const bool outside = lastMouse_.y() < 0 || lastMouse_.y() >= viewport()->height();
  if (outside && !autoScroll_.isActive()) autoScroll_.start(50, this);
  if (!outside) autoScroll_.stop();
  dragTo(positionAt(lastMouse_));
}

void TapePane::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return event->ignore();
  dragging_ = false;
  autoScroll_.stop();
  // X11's middle-button paste gets what the mouse selected.
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (hasSelection() && clipboard->supportsSelection())
    clipboard->setText(selection(), QClipboard::Selection);
}

void TapePane::timerEvent(QTimerEvent* event) {
  if (event->timerId() == blink_.timerId()) {
    caretOn_ = !caretOn_;
    viewport()->update();
  } else if (event->timerId() == autoScroll_.timerId()) {
    QScrollBar* bar = verticalScrollBar();
    bar->setValue(bar->value() + (lastMouse_.y() < 0 ? -1 : 1));
    dragTo(positionAt(lastMouse_));
  } else if (event->timerId() == tripleClick_.timerId()) {
    tripleClick_.stop();
  } else {
    QAbstractScrollArea::timerEvent(event);
  }
}

// ---- Text and printing -------------------------------------------------------------

std::vector<std::string> textLines(const QString& text) {
  std::vector<std::string> out;
  if (text.isEmpty()) return out;
  QStringList parts = text.split('\n');
  if (parts.back().isEmpty()) parts.removeLast();
  for (QString& part : parts) {
    if (part.endsWith('\r')) part.chop(1);
    out.push_back(part.toStdString());
  }
  return out;
}

bool printLines(QPagedPaintDevice& printer, const QFont& font,
                const std::vector<std::string>& lines) {
  QPainter painter;
  if (!painter.begin(&printer)) return false;
  QFont printFont(font, &printer);
  painter.setFont(printFont);
  QFontMetrics metrics(printFont, &printer);
  const int pageHeight = painter.viewport().height();
  const int pageWidth = painter.viewport().width();
  int y = 0;
  auto printOne = [&](const QString& text) {
    if (y > 0 && y + metrics.height() > pageHeight) {
      printer.newPage();
      y = 0;
    }
    painter.drawText(0, y + metrics.ascent(), text);
    y += metrics.lineSpacing();
  };
  for (const std::string& line : lines) {
    QString text = QString::fromStdString(line);
    // A line wider than the paper goes on over the next printed lines rather
    // than lose its end at the right edge.
    while (metrics.horizontalAdvance(text) > pageWidth && text.size() > 1) {
      qsizetype fits = 1;
      while (fits + 1 < text.size() && metrics.horizontalAdvance(text.left(fits + 1)) <= pageWidth)
        ++fits;
      printOne(text.left(fits));
      text.remove(0, fits);
    }
    printOne(text);
  }
  return painter.end();
}

}  // namespace tivorum
