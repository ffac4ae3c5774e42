#include "controls/tape_pane.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace tivorum {

TapePane::TapePane(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  // The selection stays visible when the focus goes back to the keypad.
  QPalette p = palette();
  p.setColor(QPalette::Inactive, QPalette::Highlight,
             p.color(QPalette::Active, QPalette::Highlight));
  p.setColor(QPalette::Inactive, QPalette::HighlightedText,
             p.color(QPalette::Active, QPalette::HighlightedText));
  setPalette(p);
}

void TapePane::append(const std::string& line) {
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  if (!empty_) end.insertBlock();
  end.insertText(QString::fromStdString(line));
  empty_ = false;
  // Adding a line ends a selection, as on the old tape; moving the cursor
  // costs as much as the insertion, so only then.
  if (textCursor().hasSelection()) setTextCursor(end);
  // The newest line is in view, like the end of a paper tape.
  verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void TapePane::removeLast() {
  if (empty_) return;
  if (document()->blockCount() == 1) {
    clear();
    return;
  }
  QTextCursor last(document()->lastBlock());
  last.movePosition(QTextCursor::EndOfBlock);
  last.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
  last.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
  last.removeSelectedText();
}

void TapePane::clear() {
  QPlainTextEdit::clear();
  empty_ = true;
}

int TapePane::lineCount() const {
  return empty_ ? 0 : document()->blockCount();
}

std::vector<std::string> TapePane::lines() const {
  std::vector<std::string> out;
  if (empty_) return out;
  out.reserve(document()->blockCount());
  // One pass over the raw text, whose blocks are split by paragraph
  // separators: asking each block for its text costs a search of the
  // document, which makes printing a long tape slow.
  const QString text = document()->toRawText();
  const QStringView all(text);
  qsizetype from = 0;
  for (;;) {
    const qsizetype end = all.indexOf(QChar::ParagraphSeparator, from);
    const QStringView line = all.mid(from, end < 0 ? -1 : end - from);
    out.push_back(line.toUtf8().toStdString());
    if (end < 0) break;
    from = end + 1;
  }
  return out;
}

bool TapePane::hasSelection() const {
  return textCursor().hasSelection();
}

QString TapePane::selection() const {
  QString text = textCursor().selectedText();
  text.replace(QChar::ParagraphSeparator, '\n');
  return text;
}

void TapePane::selectCharacters(int from, int to) {
  QTextCursor c(document());
  int last = document()->characterCount() - 1;
  c.setPosition(std::clamp(from, 0, last));
  c.setPosition(std::clamp(to, 0, last), QTextCursor::KeepAnchor);
  setTextCursor(c);
}

void TapePane::copyToClipboard() {
  QString text;
  if (hasSelection()) {
    text = selection();
  } else if (!empty_) {
    text = toPlainText();
  }
  QGuiApplication::clipboard()->setText(text);
}

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
