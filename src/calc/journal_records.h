// The tape journal's bytes: a first line naming the format, then one record
// per change of the tape, each on a line of its own after its CRC-32,
// so that a line cut short by a crash or garbled on the disk is known and
// dropped while every other line still counts.
//
//   Tivorum tape journal 1
//   94195fa8 a 12          append the line "12"
//   6c09ff9d r             remove the last line
//   06b9df6f c             clear the tape
//   5a2a6bf1 n 3 lunch     the note of line 3 (from 0) is "lunch"; "" removes it
//
// Texts escape "\" as "\\", a line feed as "\n" and a carriage return as "\r".
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tivorum {

inline constexpr std::string_view kJournalHeader = "Tivorum tape journal 1\n";
// The journal keeps the last this many lines.
inline constexpr std::size_t kJournalMaxLines = 1'000'000;

std::uint32_t crc32(std::string_view bytes);

// One record, line end included.
std::string appendRecord(std::string_view line);
std::string removeLastRecord();
std::string clearRecord();
std::string noteRecord(std::size_t index, std::string_view note);

// A whole journal holding the lines of `tape` from `first` on: the header, an
// append record per line and a note record per note. `Lines` has size(),
// line(i) and note(i) (empty when the line has none).
template <class Lines>
std::string journalSnapshot(const Lines& tape, std::size_t first = 0) {
  std::string out(kJournalHeader);
  for (std::size_t i = first; i < tape.size(); ++i) out += appendRecord(tape.line(i));
  for (std::size_t i = first; i < tape.size(); ++i) {
    // note(i) may hand back a temporary string: bound here, it lives on.
    const auto& note = tape.note(i);
    if (!std::string_view(note).empty()) out += noteRecord(i - first, note);
  }
  return out;
}

// The tape a journal's bytes describe, its records applied in order. It keeps
// the bytes and refers into them, so it is neither copied nor moved.
class JournalReplay {
 public:
  // `maxLines`: only the last this many lines are kept.
  explicit JournalReplay(std::string bytes, std::size_t maxLines = kJournalMaxLines);
  JournalReplay(const JournalReplay&) = delete;
  JournalReplay& operator=(const JournalReplay&) = delete;

  // The bytes start with the header; without it nothing else is read.
  bool hasHeader() const { return hasHeader_; }
  // Records that were cut short, failed their checksum or could not be read.
  std::size_t damagedRecords() const { return damaged_; }
  // Records read and applied.
  std::size_t records() const { return records_; }

  std::size_t size() const { return lines_.size() - first_; }
  std::string line(std::size_t i) const;
  std::string note(std::size_t i) const;
  // The lines that have a note, in ascending order.
  std::vector<std::size_t> notedLines() const;

 private:
  bool apply(std::string_view record);

  std::string bytes_;
  bool hasHeader_ = false;
  std::size_t damaged_ = 0;
  std::size_t records_ = 0;
  // Escaped texts; lines before first_ fell off the front.
  std::vector<std::string_view> lines_;
  std::map<std::size_t, std::string_view> notes_;
  std::size_t first_ = 0;
};

}  // namespace tivorum
