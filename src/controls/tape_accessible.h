// What a screen reader is told about the tape: a read-only multi-line text
// with its caret and selection, read line by line from the store rather
// than as one text, so a long tape stays quick to read.
#pragma once

#include <QAccessibleWidget>

namespace tivorum {

class TapePane;

class TapeAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit TapeAccessible(TapePane* pane);

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessible::State state() const override;
  QString text(QAccessible::Text t) const override;

  // QAccessibleTextInterface
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QString text(int startOffset, int endOffset) const override;
  QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                       int* endOffset) const override;
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                           int* endOffset) const override;
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                          int* endOffset) const override;
  int characterCount() const override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  TapePane* pane() const;
  // The line holding `offset` with its line break, for the boundaries that
  // never run past one.
  QString lineAround(int offset, int* lineStart) const;
};

}  // namespace tivorum
