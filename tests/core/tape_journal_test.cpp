#include "calc/tape_journal.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <string>
#include <utility>
#include <vector>

#include "tape_entries.h"
#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::Entries;
using tivorum::testing::readFile;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

// A start: the kept tape into the store, then the journal started and told
// of every change, as the program does it.
void startInto(TapeJournal& journal, TapeLines& tape) {
  appendLinesOf(tape, *journal.load());
  journal.start(tape);
  tape.setObserver(&journal);
}

Entries entriesOf(const TapeLines& tape) {
  Entries out;
  for (std::size_t i = 0; i < tape.size(); ++i) out.emplace_back(tape.line(i), tape.note(i));
  return out;
}

// What a new start in `folder` shows.
Entries nextStart(const std::filesystem::path& folder, std::size_t maxLines = kJournalMaxLines) {
  TapeJournal journal(folder, maxLines);
  const auto replay = journal.load();
  Entries out;
  for (std::size_t i = 0; i < replay->size(); ++i)
    out.emplace_back(replay->line(i), replay->note(i));
  return out;
}

std::vector<std::string> fileNames(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(folder))
    names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

void setModified(const std::filesystem::path& file, time_t seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
}

TEST(TapeJournal, ARunsTapeComesBackAtTheNextStart) {
  TempFolder dir;
  {
    TapeJournal journal(dir.path());
    TapeLines tape;
    startInto(journal, tape);
    EXPECT_TRUE(tape.empty());
    for (const char* line : {"12", "+", "3.5", "x"}) tape.append(line);
    tape.removeLast();
    tape.append("= 15.5");
    tape.setNote(3, "lunch");
    journal.settle();
  }
  const Entries expected = {{"12", ""}, {"+", ""}, {"3.5", ""}, {"= 15.5", "lunch"}};
  EXPECT_EQ(nextStart(dir.path()), expected);
  EXPECT_EQ(fileNames(dir.path()), std::vector<std::string>{"tape.journal"});
  // And again, from the journal the first run left.
  {
    TapeJournal journal(dir.path());
    TapeLines tape;
    startInto(journal, tape);
    EXPECT_EQ(entriesOf(tape), expected);
    tape.append("7");
    journal.settle();
  }
  EXPECT_EQ(nextStart(dir.path()).back().first, "7");
}

TEST(TapeJournal, ClearEmptiesTheFile) {
  TempFolder dir;
  TapeJournal journal(dir.path());
  TapeLines tape;
  startInto(journal, tape);
  for (int i = 0; i < 50; ++i) tape.append(std::to_string(i));
  tape.clear();
  tape.append("1");
  journal.settle();
  EXPECT_EQ(readFile(dir / "tape.journal"), std::string(kJournalHeader) + appendRecord("1"));
}

// Each change is on disk when the call returns: a copy killed right after
// loses nothing, and its journal is adopted at the next start.
TEST(TapeJournal, AKilledCopysTapeIsAdopted) {
  TempFolder dir;
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    TapeJournal journal(dir.path());
    TapeLines tape;
    startInto(journal, tape);
    tape.append("12");
    tape.append("+");
    tape.setNote(1, "tip");
    ::raise(SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_EQ(nextStart(dir.path()), (Entries{{"12", ""}, {"+", "tip"}}));
  EXPECT_EQ(fileNames(dir.path()), std::vector<std::string>{"tape.journal"});
}

TEST(TapeJournal, TwoCopiesTheOneThatEndsLastWins) {
  for (bool firstEndsLast : {false, true}) {
    SCOPED_TRACE(firstEndsLast);
    TempFolder dir;
    TapeJournal a(dir.path()), b(dir.path());
    TapeLines tapeA, tapeB;
    startInto(a, tapeA);
    startInto(b, tapeB);
    tapeA.append("a1");
    tapeB.append("b1");
    tapeA.append("a2");
    // A copy that starts meanwhile sees neither running tape.
    EXPECT_TRUE(nextStart(dir.path()).empty());
    (firstEndsLast ? b : a).settle();
    (firstEndsLast ? a : b).settle();
    const Entries expected = firstEndsLast ? Entries{{"a1", ""}, {"a2", ""}} : Entries{{"b1", ""}};
    EXPECT_EQ(nextStart(dir.path()), expected);
  }
}

TEST(TapeJournal, OfKilledCopiesAndTheLastEndedTheNewestWins) {
  struct Case {
    const char* what;
    std::vector<time_t> orphans;  // modification times of killed copies' files
    time_t settled;               // of tape.journal; 0: none
    std::string shown;            // the first line of the tape shown
  };
  const Case cases[] = {
      {"a killed copy after the last end", {2000}, 1000, "orphan0"},
      {"a killed copy before the last end", {1000}, 2000, "settled"},
      {"the newest of two killed copies", {3000, 4000}, 2000, "orphan1"},
      {"killed copies and no end yet", {4000, 3000}, 0, "orphan0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TempFolder dir;
    if (c.settled) {
      writeFile(dir / "tape.journal", std::string(kJournalHeader) + appendRecord("settled"));
      setModified(dir / "tape.journal", c.settled);
    }
    for (std::size_t i = 0; i < c.orphans.size(); ++i) {
      const auto file = dir / ("tape.journal.99999-" + std::to_string(i) + ".run");
      writeFile(file, std::string(kJournalHeader) + appendRecord("orphan" + std::to_string(i)));
      setModified(file, c.orphans[i]);
    }
    writeFile(dir / "tape.journal.99999-7.tmp", "half a tape");
    writeFile(dir / "tape.journal.notes", "not ours");
    const Entries shown = nextStart(dir.path());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].first, c.shown);
    EXPECT_EQ(fileNames(dir.path()),
              (std::vector<std::string>{"tape.journal", "tape.journal.notes"}));
  }
}

TEST(TapeJournal, ARunningCopysJournalIsLeftAlone) {
  TempFolder dir;
  TapeJournal running(dir.path());
  TapeLines tape;
  startInto(running, tape);
  tape.append("mine");
  // Another start and another copy's discard leave the running copy's file.
  EXPECT_TRUE(nextStart(dir.path()).empty());
  TapeJournal(dir.path()).discard();
  tape.append("still mine");
  running.settle();
  EXPECT_EQ(nextStart(dir.path()), (Entries{{"mine", ""}, {"still mine", ""}}));
}

TEST(TapeJournal, DiscardRemovesEveryKeptTape) {
  TempFolder dir;
  writeFile(dir / "tape.journal", std::string(kJournalHeader) + appendRecord("old"));
  writeFile(dir / "tape.journal.99999-0.run", std::string(kJournalHeader) + appendRecord("x"));
  writeFile(dir / "CUSTOM.INI", "[Hints]\n");
  TapeJournal journal(dir.path());
  TapeLines tape;
  startInto(journal, tape);
  tape.append("1");
  journal.discard();
  EXPECT_FALSE(journal.started());
  tape.append("2");  // nothing is journalled any more
  journal.settle();
  EXPECT_EQ(fileNames(dir.path()), std::vector<std::string>{"CUSTOM.INI"});
  EXPECT_TRUE(journal.takeProblem().ok);
}

TEST(TapeJournal, StaysBoundedAndKeepsTheLastLines) {
  TempFolder dir;
  constexpr std::size_t kMax = 10;
  TapeJournal journal(dir.path(), kMax);
  TapeLines tape;
  startInto(journal, tape);
  std::size_t longest = 0;
  for (int i = 0; i < 100; ++i) {
    tape.append(std::to_string(i));
    if (i == 95) tape.setNote(95, "late");
    if (i == 50) tape.setNote(10, "early, then dropped");
    longest = std::max(longest, JournalReplay(readFile(dir / fileNames(dir.path())[0])).records());
  }
  EXPECT_LE(longest, kMax + kMax / 2 + 1);
  journal.settle();
  Entries expected;
  for (int i = 90; i < 100; ++i) expected.emplace_back(std::to_string(i), i == 95 ? "late" : "");
  EXPECT_EQ(nextStart(dir.path(), kMax), expected);
}

TEST(TapeJournal, AFolderThatCannotBeMadeIsReportedOnce) {
  TempFolder dir;
  writeFile(dir / "blocked", "a file, not a folder");
  TapeJournal journal(dir / "blocked" / "tivorum");
  TapeLines tape;
  startInto(journal, tape);
  tape.append("1");
  EXPECT_FALSE(journal.started());
  const WriteResult problem = journal.takeProblem();
  EXPECT_FALSE(problem.ok);
  EXPECT_EQ(problem.message, "Error. Cannot write file " +
                                 (dir / "blocked" / "tivorum" / "tape.journal").string() + ".");
  EXPECT_TRUE(journal.takeProblem().ok);
}

}  // namespace
