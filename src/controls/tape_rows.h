// Where the tape's lines are drawn: each line takes one row, or more where
// it wraps, every row as high as a plain text pane makes it, lines laid out
// as that pane lays them out (margins, wrapping at word boundaries or
// anywhere). Only the lines that wrap are remembered apart.
#pragma once

#include <QBrush>
#include <QFont>
#include <array>

#include "calc/sparse_sums.h"

class QPaintDevice;
class QTextLayout;

namespace tivorum {

class TapeText;

class TapeRows {
 public:
  // What a plain text pane leaves between its frame and its text.
  static constexpr int kMargin = 4;

  explicit TapeRows(const TapeText& text) : text_(text) {}

  void setFont(const QFont& font, QPaintDevice* device);
  // The width of the area the text is drawn in, margins included.
  void setWidth(int width);
  void setNoteBrush(const QBrush& brush) { noteBrush_ = brush; }

  // After the text changed: the last line came, went, or got a note; or
  // everything changed.
  void appended();
  void removedLast();
  void lineChanged(std::size_t line);
  void reset() { valid_ = false; }

  qreal rowHeight() const;
  std::size_t rowStart(std::size_t line) const;
  std::size_t rows(std::size_t line) const;
  std::size_t rowCount() const;
  std::size_t lineAtRow(std::size_t row) const;
  // Laid out as drawn, the first row at 0, the next at rowHeight(), ...
  void layOut(std::size_t line, QTextLayout& layout) const;

 private:
  void ensure() const;
  void measureFont() const;
  std::size_t measure(std::size_t line) const;
  int lineWidth() const;

  const TapeText& text_;
  QFont font_;
  QPaintDevice* device_ = nullptr;
  QBrush noteBrush_;
  int width_ = 0;
  // The font's measures, taken when first needed.
  mutable bool measured_ = false;
  mutable qreal rowHeight_ = 1;
  // What each printable ASCII character advances, and the most: a line this
  // much narrower than the pane cannot wrap.
  mutable std::array<qreal, 128> advance_{};
  mutable qreal widest_ = 0;
  // Rows beyond the first, for the lines that wrap.
  mutable SparseSums extraRows_;
  mutable bool valid_ = false;
};

}  // namespace tivorum
