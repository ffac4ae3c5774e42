// The tape's lines as a text pane counts their characters: UTF-16 units, and
// one line break between two lines. Positions map to lines in logarithmic
// time; only the few lines that are not ASCII are remembered apart.
#pragma once

#include <QString>
#include <string_view>
#include <utility>

#include "calc/sparse_sums.h"
#include "calc/tape_lines.h"

namespace tivorum {

class TapeText {
 public:
  const TapeLines& lines() const { return lines_; }
  void setObserver(TapeObserver* observer) { lines_.setObserver(observer); }

  void append(std::string_view line);
  void removeLast();
  void clear();
  // Takes every line at once; the observer stays and is not told.
  void fill(TapeLines lines);
  void setNote(std::size_t line, std::string_view note) { lines_.setNote(line, note); }

  std::size_t size() const { return lines_.size(); }
  bool empty() const { return lines_.empty(); }
  qsizetype lineStart(std::size_t line) const;
  qsizetype lineLength(std::size_t line) const;
  // The line holding `position`: the last line starting at or before it.
  std::size_t lineAt(qsizetype position) const;
  QString lineText(std::size_t line) const;
  // Where the text ends: the characters and the line breaks.
  qsizetype end() const;
  // The first and one past the last character of the line holding `at`.
  std::pair<qsizetype, qsizetype> lineBounds(qsizetype at) const;
  // Characters [from, to), clamped to the text, line breaks as "\n".
  QString between(qsizetype from, qsizetype to) const;

 private:
  void count(std::size_t line);

  TapeLines lines_;
  // Bytes beyond UTF-16 units, for the lines that are not ASCII.
  SparseSums extraBytes_;
};

QString fromUtf8(std::string_view text);

}  // namespace tivorum
