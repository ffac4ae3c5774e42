// The tape journal on disk: every change of the tape is appended at once, in
// one write, to a journal file of this run's own, so that a kill or a crash
// loses at most the line being written.
//
// A folder holds the journal of the copy that ended last, "tape.journal", and
// one "tape.journal.<id>.run" per running copy, each locked (flock) by its copy
// for as long as it runs. At start a copy takes the folder's lock, adopts what
// copies killed meanwhile left (a run file nobody locks: the newest of those
// and "tape.journal" by modification time becomes "tape.journal", the others
// go), reads "tape.journal" and writes its own run file, starting with those
// lines. At its end it stamps its run file with the time and renames it over
// "tape.journal". Two copies so never write into one file, and the next start
// shows the tape of the copy that ended last. Every change of names in the
// folder happens under its lock.
#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "calc/journal_records.h"
#include "calc/tape_content.h"
#include "calc/tape_lines.h"
#include "calc/write_result.h"

namespace tivorum {

inline constexpr std::string_view kJournalFileName = "tape.journal";

class TapeJournal : public TapeObserver {
 public:
  // `folder` is made when missing. `maxLines`: the journal keeps the last
  // this many lines and is rewritten when it has grown half as much again.
  explicit TapeJournal(std::filesystem::path folder, std::size_t maxLines = kJournalMaxLines);
  ~TapeJournal() override;
  TapeJournal(const TapeJournal&) = delete;
  TapeJournal& operator=(const TapeJournal&) = delete;

  // Adopts what killed copies left and reads the tape of the copy that ended
  // last (empty when there is none).
  std::unique_ptr<JournalReplay> load();

  // Starts (or restarts) this run's journal with the tape as it is; the
  // journal keeps reading `tape` to compact itself, so it must outlive it.
  void start(const TapeContent& tape);
  bool started() const { return fd_ >= 0; }

  // TapeObserver: the changes, each written at once.
  void appended(std::string_view line) override;
  void removedLast() override;
  void cleared() override;
  void noteSet(std::size_t index, std::string_view note) override;

  // The run's end: this run's tape becomes the one the next start shows.
  void settle();
  // Keeping the tape was switched off: this run's journal, the journal of the
  // copy that ended last and what killed copies left are removed.
  void discard();

  // The first failure since the last call, once (then success again).
  WriteResult takeProblem();

  const std::filesystem::path& settledPath() const { return settled_; }

 private:
  void write(std::string_view record);
  void compactIfLong();
  void fail();
  void closeRun();
  // Adopting (or, with `keep` false, removing) what killed copies left.
  void clearOrphans(bool keep);

  std::filesystem::path folder_;
  std::filesystem::path settled_;
  std::size_t maxLines_;
  const TapeContent* tape_ = nullptr;
  int fd_ = -1;
  std::filesystem::path runPath_;
  // The tape's first offset_ lines are not in the run file, which holds
  // lines_ lines in records_ records.
  std::size_t offset_ = 0;
  std::size_t lines_ = 0;
  std::size_t records_ = 0;
  bool failed_ = false;
  bool problemShown_ = false;
};

}  // namespace tivorum
