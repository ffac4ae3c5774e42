#include "controls/tape_accessible.h"

#include <algorithm>

#include "controls/tape_pane.h"

namespace tivorum {

namespace {

// A text of its own, to apply the text interface's own word and character
// rules to a few lines rather than to the whole tape.
class Excerpt : public QAccessibleTextInterface {
 public:
  explicit Excerpt(QString text) : text_(std::move(text)) {}
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  QString text(int startOffset, int endOffset) const override {
    return text_.mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(text_.size()); }
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    return {};
  }

 private:
  QString text_;
};

bool byLines(QAccessible::TextBoundaryType type) {
  return type == QAccessible::LineBoundary || type == QAccessible::ParagraphBoundary;
}

}  // namespace

TapeAccessible::TapeAccessible(TapePane* pane)
    : QAccessibleWidget(pane, QAccessible::EditableText) {}

TapePane* TapeAccessible::pane() const {
  return static_cast<TapePane*>(widget());
}

void* TapeAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessible::State TapeAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.readOnly = true;
  s.editable = false;
  s.multiLine = true;
  s.selectableText = true;
  return s;
}

QString TapeAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Value) return pane()->toPlainText();
  return QAccessibleWidget::text(t);
}

void TapeAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = 0;
  if (selectionIndex != 0 || !pane()->hasSelection()) return;
  const qsizetype anchor = pane()->anchorPosition(), position = pane()->cursorPosition();
  *startOffset = static_cast<int>(std::min(anchor, position));
  *endOffset = static_cast<int>(std::max(anchor, position));
}

int TapeAccessible::selectionCount() const {
  return pane()->hasSelection() ? 1 : 0;
}

void TapeAccessible::addSelection(int startOffset, int endOffset) {
  setSelection(0, startOffset, endOffset);
}

void TapeAccessible::removeSelection(int selectionIndex) {
  if (selectionIndex == 0) pane()->setCaret(pane()->cursorPosition(), pane()->cursorPosition());
}

void TapeAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
  if (selectionIndex == 0) pane()->setCaret(startOffset, endOffset);
}

int TapeAccessible::cursorPosition() const {
  return static_cast<int>(pane()->cursorPosition());
}

void TapeAccessible::setCursorPosition(int position) {
  pane()->setCaret(position, position);
}

QString TapeAccessible::text(int startOffset, int endOffset) const {
  return pane()->textBetween(startOffset, endOffset);
}

QString TapeAccessible::lineAround(int offset, int* lineStart) const {
  const auto [start, end] = pane()->lineBounds(offset);
  *lineStart = static_cast<int>(start);
  // A line ends with its line break, but the last.
  return pane()->textBetween(start, end + 1);
}

QString TapeAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                     int* startOffset, int* endOffset) const {
  if (boundaryType == QAccessible::NoBoundary)
    return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
  int base = 0;
  const QString line = lineAround(offset, &base);
  if (byLines(boundaryType)) {
    *startOffset = base;
    *endOffset = base + static_cast<int>(line.size());
    return line;
  }
  const QString found =
      Excerpt(line).textAtOffset(offset - base, boundaryType, startOffset, endOffset);
  *startOffset += base;
  *endOffset += base;
  return found;
}

QString TapeAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                         int* startOffset, int* endOffset) const {
  if (!byLines(boundaryType))
    return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
  const auto [start, end] = pane()->lineBounds(offset);
  *startOffset = *endOffset = -1;
  if (start == 0) return {};
  return textAtOffset(static_cast<int>(start) - 1, boundaryType, startOffset, endOffset);
}

QString TapeAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                        int* startOffset, int* endOffset) const {
  if (!byLines(boundaryType))
    return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
  const auto [start, end] = pane()->lineBounds(offset);
  *startOffset = *endOffset = -1;
  if (end >= pane()->characterCount()) return {};
  return textAtOffset(static_cast<int>(end) + 1, boundaryType, startOffset, endOffset);
}

int TapeAccessible::characterCount() const {
  return static_cast<int>(pane()->characterCount());
}

QRect TapeAccessible::characterRect(int offset) const {
  const QRect r = pane()->characterRect(offset);
  return QRect(pane()->viewport()->mapToGlobal(r.topLeft()), r.size());
}

int TapeAccessible::offsetAtPoint(const QPoint& point) const {
  return static_cast<int>(pane()->positionAt(pane()->viewport()->mapFromGlobal(point)));
}

void TapeAccessible::scrollToSubstring(int startIndex, int endIndex) {
  pane()->ensureVisible(endIndex);
  pane()->ensureVisible(startIndex);
}

QString TapeAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = *endOffset = offset;
  return {};
}

}  // namespace tivorum
