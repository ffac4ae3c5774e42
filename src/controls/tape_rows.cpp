#include "controls/tape_rows.h"

#include <QFontMetricsF>
#include <QTextLayout>
#include <algorithm>
#include <climits>

#include "controls/tape_text.h"

namespace tivorum {

namespace {

// Sets a note apart from its line's text.
constexpr char16_t kNoteGap = 0x2003;  // em space

}  // namespace

void TapeRows::setFont(const QFont& font, QPaintDevice* device) {
  font_ = device ? QFont(font, device) : font;
  device_ = device;
  // Measured when first needed: a pane gets its font more than once before
  // it shows any line, and at start-up it shows none.
  measured_ = false;
  valid_ = false;
}

void TapeRows::measureFont() const {
  if (measured_) return;
  measured_ = true;
  const QFontMetricsF metrics(font_, device_);
  widest_ = 0;
  for (int c = 0x20; c < 0x7f; ++c) {
    advance_[c] = metrics.horizontalAdvance(QChar(c));
    widest_ = std::max(widest_, advance_[c]);
  }
  // A row is as high as the text engine makes a line, leading included.
  QTextLayout probe(QString(), font_);
  probe.beginLayout();
  QTextLine line = probe.createLine();
  line.setLeadingIncluded(true);
  probe.endLayout();
  rowHeight_ = line.height() > 0 ? line.height() : metrics.lineSpacing();
}

qreal TapeRows::rowHeight() const {
  measureFont();
  return rowHeight_;
}

void TapeRows::setWidth(int width) {
  if (width == width_) return;
  width_ = width;
  valid_ = false;
}

int TapeRows::lineWidth() const {
  // A pane not placed yet does not wrap, as a text pane without a width.
  return width_ <= 0 ? INT_MAX / 2 : width_ - 2 * kMargin;
}

std::size_t TapeRows::measure(std::size_t line) const {
  measureFont();
  if (text_.lines().note(line).empty()) {
    // Most lines are short ASCII: the sum of their advances tells that
    // they fit without laying them out.
    qreal width = 0;
    bool plain = true;
    for (char c : text_.lines().line(line)) {
      const auto u = static_cast<unsigned char>(c);
      if (u < 0x20 || u >= 0x7f) {
        plain = false;
        break;
      }
      width += advance_[u];
    }
    if (plain && width + widest_ <= lineWidth()) return 1;
  }
  QTextLayout layout;
  layOut(line, layout);
  return static_cast<std::size_t>(std::max(1, layout.lineCount()));
}

void TapeRows::ensure() const {
  if (valid_) return;
  extraRows_.clear();
  for (std::size_t i = 0; i < text_.size(); ++i) {
    if (const std::size_t rows = measure(i); rows > 1) extraRows_.set(i, rows - 1);
  }
  valid_ = true;
}

void TapeRows::appended() {
  if (valid_) lineChanged(text_.size() - 1);
}

void TapeRows::removedLast() {
  if (valid_) extraRows_.truncate(text_.size());
}

void TapeRows::lineChanged(std::size_t line) {
  if (valid_ && line < text_.size()) extraRows_.set(line, measure(line) - 1);
}

std::size_t TapeRows::rowStart(std::size_t line) const {
  ensure();
  return line + extraRows_.before(line);
}

std::size_t TapeRows::rows(std::size_t line) const {
  ensure();
  return extraRows_.get(line) + 1;
}

std::size_t TapeRows::rowCount() const {
  return rowStart(text_.size());
}

std::size_t TapeRows::lineAtRow(std::size_t row) const {
  ensure();
  return lastStartingAtOrBefore(text_.size(), row,
                                [this](std::size_t line) { return rowStart(line); });
}

void TapeRows::layOut(std::size_t line, QTextLayout& layout) const {
  QString text = text_.lineText(line);
  QList<QTextLayout::FormatRange> formats;
  if (const std::string_view note = text_.lines().note(line); !note.empty()) {
    QTextLayout::FormatRange range;
    range.start = static_cast<int>(text.size());
    text += QChar(kNoteGap) + fromUtf8(note);
    range.length = static_cast<int>(text.size()) - range.start;
    range.format.setFontItalic(true);
    range.format.setFontWeight(QFont::Normal);
    range.format.setForeground(noteBrush_);
    formats.append(range);
  }
  layout.setText(text);
  layout.setFont(font_);
  layout.setFormats(formats);
  QTextOption option;
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  option.setTextDirection(Qt::LayoutDirectionAuto);
  layout.setTextOption(option);
  const int width = lineWidth();
  layout.beginLayout();
  qreal y = 0;
  for (QTextLine row = layout.createLine(); row.isValid(); row = layout.createLine()) {
    row.setLeadingIncluded(true);
    row.setLineWidth(width);
    row.setPosition(QPointF(kMargin, y));
    y += rowHeight_;
  }
  layout.endLayout();
}

}  // namespace tivorum
