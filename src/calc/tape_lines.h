// The tape's lines in one character buffer with an offset per line, and the
// few lines that carry a note kept aside: a million lines cost little more
// than their characters. A view returned by line() or note() lasts until
// the next change.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "calc/tape_content.h"

namespace tivorum {

// Told of every change after it is made (the tape journal listens here).
struct TapeObserver {
  virtual ~TapeObserver() = default;
  virtual void appended(std::string_view line) = 0;
  virtual void removedLast() = 0;
  virtual void cleared() = 0;
  virtual void noteSet(std::size_t index, std::string_view note) = 0;
};

class TapeLines : public TapeContent {
 public:
  TapeLines() = default;
  // A move takes the lines and the observer along and leaves an empty tape
  // without observer; a copy would have two tapes tell one journal.
  TapeLines(TapeLines&& other) noexcept;
  TapeLines& operator=(TapeLines&& other) noexcept;
  TapeLines(const TapeLines&) = delete;
  TapeLines& operator=(const TapeLines&) = delete;

  std::size_t size() const override { return ends_.size(); }
  bool empty() const { return ends_.empty(); }
  // "" past the end.
  std::string_view line(std::size_t i) const override;
  // "" when the line has none or is past the end.
  std::string_view note(std::size_t i) const override;
  // Characters in lines [0, i): where line i starts in text().
  std::size_t offset(std::size_t i) const;
  // Positions count each line's characters and one separator after it,
  // as a text pane does: line i starts at offset(i) + i. The line that
  // holds `position`; the last line for a position past the end, 0 on an
  // empty tape.
  std::size_t lineAtPosition(std::size_t position) const;
  // Every line's characters back to back, without separators.
  std::string_view text() const { return chars_; }
  // Indexes of the lines with a note, in order.
  std::vector<std::size_t> notedLines() const;

  void append(std::string_view line);  // amortised constant time
  void removeLast();                   // nothing on an empty tape
  void clear();
  // "" removes the note; a line past the end is left alone.
  void setNote(std::size_t i, std::string_view note);
  void reserve(std::size_t lines, std::size_t characters);

  // What the lines, their offsets and the notes take on the heap.
  std::size_t memoryBytes() const;

  void setObserver(TapeObserver* observer) { observer_ = observer; }
  TapeObserver* observer() const { return observer_; }

 private:
  std::string chars_;
  // ends_[i] is where line i ends in chars_.
  std::vector<std::size_t> ends_;
  std::map<std::size_t, std::string> notes_;
  TapeObserver* observer_ = nullptr;
};

// Appends every line of `from` (another store, a journal read back) with its
// note.
template <class Lines>
void appendLinesOf(TapeLines& to, const Lines& from) {
  const std::size_t first = to.size();
  for (std::size_t i = 0; i < from.size(); ++i) to.append(from.line(i));
  for (std::size_t i : from.notedLines()) to.setNote(first + i, from.note(i));
}

}  // namespace tivorum
