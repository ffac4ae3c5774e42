#include "controls/tape_text.h"

#include <algorithm>
#include <string>

namespace tivorum {

QString fromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void TapeText::count(std::size_t line) {
  const std::string_view text = lines_.line(line);
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) {
      extraBytes_.set(line, text.size() - static_cast<std::size_t>(fromUtf8(text).size()));
      return;
    }
  }
}

void TapeText::append(std::string_view line) {
  lines_.append(line);
  count(lines_.size() - 1);
}

void TapeText::removeLast() {
  if (lines_.empty()) return;
  lines_.removeLast();
  extraBytes_.truncate(lines_.size());
}

void TapeText::clear() {
  lines_.clear();
  extraBytes_.clear();
}

void TapeText::fill(TapeLines lines) {
  TapeObserver* observer = lines_.observer();
  lines_ = std::move(lines);
  lines_.setObserver(observer);
  extraBytes_.clear();
  for (std::size_t i = 0; i < lines_.size(); ++i) count(i);
}

qsizetype TapeText::lineStart(std::size_t line) const {
  return static_cast<qsizetype>(lines_.offset(line) + line - extraBytes_.before(line));
}

qsizetype TapeText::lineLength(std::size_t line) const {
  return static_cast<qsizetype>(lines_.line(line).size() - extraBytes_.get(line));
}

std::size_t TapeText::lineAt(qsizetype position) const {
  return lastStartingAtOrBefore(lines_.size(), position,
                                [this](std::size_t line) { return lineStart(line); });
}

QString TapeText::lineText(std::size_t line) const {
  return fromUtf8(lines_.line(line));
}

qsizetype TapeText::end() const {
  if (lines_.empty()) return 0;
  const std::size_t last = lines_.size() - 1;
  return lineStart(last) + lineLength(last);
}

std::pair<qsizetype, qsizetype> TapeText::lineBounds(qsizetype at) const {
  if (lines_.empty()) return {0, 0};
  const std::size_t line = lineAt(at);
  return {lineStart(line), lineStart(line) + lineLength(line)};
}

QString TapeText::between(qsizetype from, qsizetype to) const {
  from = std::clamp<qsizetype>(from, 0, end());
  to = std::clamp<qsizetype>(to, from, end());
  if (from == to) return {};
  const std::size_t first = lineAt(from), last = lineAt(to);
  const qsizetype head = from - lineStart(first), tail = to - lineStart(last);
  if (first == last) return lineText(first).mid(head, tail - head);
  // The whole lines between go through one conversion.
  std::string middle;
  middle.reserve(lines_.offset(last) - lines_.offset(first + 1) + (last - first));
  for (std::size_t i = first + 1; i < last; ++i) {
    middle.append(lines_.line(i));
    middle.push_back('\n');
  }
  return lineText(first).mid(head) + QLatin1Char('\n') + fromUtf8(middle) +
         lineText(last).left(tail);
}

}  // namespace tivorum
