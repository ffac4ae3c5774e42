#include "calc/tape_lines.h"

#include <algorithm>

namespace tivorum {

TapeLines::TapeLines(TapeLines&& other) noexcept
    : chars_(std::move(other.chars_)),
      ends_(std::move(other.ends_)),
      notes_(std::move(other.notes_)),
      observer_(other.observer_) {
  other.chars_.clear();
  other.ends_.clear();
  other.notes_.clear();
  other.observer_ = nullptr;
}

TapeLines& TapeLines::operator=(TapeLines&& other) noexcept {
  if (this != &other) {
    chars_ = std::move(other.chars_);
    ends_ = std::move(other.ends_);
    notes_ = std::move(other.notes_);
    observer_ = other.observer_;
    other.chars_.clear();
    other.ends_.clear();
    other.notes_.clear();
    other.observer_ = nullptr;
  }
  return *this;
}

std::string_view TapeLines::line(std::size_t i) const {
  if (i >= ends_.size()) return {};
  const std::size_t from = offset(i);
  return std::string_view(chars_).substr(from, ends_[i] - from);
}

std::string_view TapeLines::note(std::size_t i) const {
  const auto it = notes_.find(i);
  return it == notes_.end() ? std::string_view() : std::string_view(it->second);
}

std::size_t TapeLines::offset(std::size_t i) const {
  if (i == 0 || ends_.empty()) return 0;
  return ends_[std::min(i, ends_.size()) - 1];
}

std::size_t TapeLines::lineAtPosition(std::size_t position) const {
  if (ends_.empty()) return 0;
  // Line k's separator sits at ends_[k] + k: the first line whose separator
  // is at or after the position holds it.
  std::size_t low = 0, high = ends_.size() - 1;
  while (low < high) {
    const std::size_t mid = low + (high - low) / 2;
    if (ends_[mid] + mid >= position)
      high = mid;
    else
      low = mid + 1;
  }
  return low;
}

std::vector<std::size_t> TapeLines::notedLines() const {
  std::vector<std::size_t> out;
  out.reserve(notes_.size());
  for (const auto& [index, text] : notes_) out.push_back(index);
  return out;
}

void TapeLines::append(std::string_view line) {
  chars_.append(line);
  ends_.push_back(chars_.size());
  if (observer_) observer_->appended(line);
}

void TapeLines::removeLast() {
  if (ends_.empty()) return;
  notes_.erase(ends_.size() - 1);
  ends_.pop_back();
  chars_.resize(offset(ends_.size()));
  if (observer_) observer_->removedLast();
}

void TapeLines::clear() {
  // Give the memory back: a cleared million-line tape should not keep it.
  std::string().swap(chars_);
  std::vector<std::size_t>().swap(ends_);
  notes_.clear();
  if (observer_) observer_->cleared();
}

void TapeLines::setNote(std::size_t i, std::string_view note) {
  if (i >= ends_.size()) return;
  if (note.empty())
    notes_.erase(i);
  else
    notes_[i] = std::string(note);
  if (observer_) observer_->noteSet(i, note);
}

void TapeLines::reserve(std::size_t lines, std::size_t characters) {
  ends_.reserve(lines);
  chars_.reserve(characters);
}

std::size_t TapeLines::memoryBytes() const {
  // A map node holds its key and string beside the tree's own links; a
  // short note lives inside the string.
  constexpr std::size_t kNodeLinks = 4 * sizeof(void*);
  std::size_t bytes = chars_.capacity() + ends_.capacity() * sizeof(std::size_t);
  for (const auto& [index, text] : notes_) {
    bytes += kNodeLinks + sizeof(index) + sizeof(text);
    if (text.capacity() > std::string().capacity()) bytes += text.capacity() + 1;
  }
  return bytes;
}

}  // namespace tivorum
