#include "calc/journal_records.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "tape_entries.h"

using namespace tivorum;
using tivorum::testing::Entries;
using tivorum::testing::EntriesTape;

namespace {

Entries entriesOf(const JournalReplay& replay) {
  Entries out;
  for (std::size_t i = 0; i < replay.size(); ++i) out.emplace_back(replay.line(i), replay.note(i));
  return out;
}

Entries replayed(const std::string& bytes, std::size_t maxLines = kJournalMaxLines) {
  return entriesOf(JournalReplay(bytes, maxLines));
}

TEST(JournalRecords, ChecksumIsTheUsualCrc32) {
  EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
  EXPECT_EQ(crc32(""), 0u);
}

TEST(JournalRecords, SnapshotReadsBackAsItsTape) {
  const Entries cases[] = {
      {},
      {{"12", ""}, {"+", ""}, {"3.5", "bus"}, {"= 15.5", "lunch, with \"Al\""}},
      {{"", ""}, {"", "a note on an empty line"}},
      {{"back\\slash \\n", "line\nfeed"}, {"carriage\rreturn", "tab\there"}},
      {{"1,5", "Überweisung €"}, {"\\", "\\\\"}},
  };
  for (const Entries& tape : cases) {
    const std::string bytes = journalSnapshot(EntriesTape(tape));
    SCOPED_TRACE(bytes);
    const JournalReplay replay(bytes);
    EXPECT_TRUE(replay.hasHeader());
    EXPECT_EQ(replay.damagedRecords(), 0u);
    EXPECT_EQ(entriesOf(replay), tape);
  }
}

TEST(JournalRecords, RecordsApplyInOrder) {
  const std::string h(kJournalHeader);
  struct Case {
    const char* what;
    std::string bytes;
    Entries tape;
    std::size_t damaged;
  };
  const Case cases[] = {
      {"appends", h + appendRecord("1") + appendRecord("2"), {{"1", ""}, {"2", ""}}, 0},
      {"remove last",
       h + appendRecord("1") + appendRecord("+") + removeLastRecord(),
       {{"1", ""}},
       0},
      {"remove on an empty tape is refused",
       h + removeLastRecord() + appendRecord("1"),
       {{"1", ""}},
       1},
      {"clear",
       h + appendRecord("1") + noteRecord(0, "n") + clearRecord() + appendRecord("2"),
       {{"2", ""}},
       0},
      {"note set, changed, removed",
       h + appendRecord("1") + appendRecord("2") + noteRecord(0, "a") + noteRecord(1, "b") +
           noteRecord(0, "c") + noteRecord(1, ""),
       {{"1", "c"}, {"2", ""}},
       0},
      {"a removed line takes its note",
       h + appendRecord("1") + noteRecord(0, "x") + removeLastRecord() + appendRecord("2"),
       {{"2", ""}},
       0},
      {"a note beyond the tape is refused",
       h + appendRecord("1") + noteRecord(1, "x"),
       {{"1", ""}},
       1},
      {"a note's text may hold blanks",
       h + appendRecord("1") + noteRecord(0, " two  words "),
       {{"1", " two  words "}},
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const JournalReplay replay(c.bytes);
    EXPECT_EQ(entriesOf(replay), c.tape);
    EXPECT_EQ(replay.damagedRecords(), c.damaged);
  }
}

// Whatever length a crash leaves, the replay is the tape of the records
// that were written whole.
TEST(JournalRecords, CutAnywhereKeepsEveryWholeRecord) {
  const std::vector<std::string> records = {appendRecord("12"),    appendRecord("+"),
                                            noteRecord(1, "plus"), appendRecord("3.5"),
                                            removeLastRecord(),    appendRecord("= 15.5")};
  std::string bytes(kJournalHeader);
  std::vector<std::size_t> ends;  // where each record ends
  for (const std::string& r : records) {
    bytes += r;
    ends.push_back(bytes.size());
  }
  for (std::size_t cut = kJournalHeader.size(); cut <= bytes.size(); ++cut) {
    SCOPED_TRACE(cut);
    const std::size_t whole = std::upper_bound(ends.begin(), ends.end(), cut) - ends.begin();
    std::string expected(kJournalHeader);
    for (std::size_t i = 0; i < whole; ++i) expected += records[i];
    const JournalReplay replay(bytes.substr(0, cut));
    EXPECT_EQ(entriesOf(replay), replayed(expected));
    EXPECT_EQ(replay.records(), whole);
    EXPECT_EQ(replay.damagedRecords(),
              cut == (whole ? ends[whole - 1] : kJournalHeader.size()) ? 0u : 1u);
  }
}

// A record as the writer would make it, with a body of the test's choosing.
std::string rawRecord(const std::string& body) {
  char checksum[9];
  std::snprintf(checksum, sizeof checksum, "%08x", crc32(body));
  return std::string(checksum) + " " + body + "\n";
}

TEST(JournalRecords, DamagedLinesAreSkippedAndTheRestKept) {
  const std::string two = appendRecord("2");
  auto changed = [&two](std::size_t at, char to) {
    std::string record = two;
    record[at] = to;
    return record;
  };
  struct Case {
    const char* what;
    std::string middle;
  };
  const Case cases[] = {
      {"a changed text", changed(11, '7')},
      {"a changed checksum", changed(0, two[0] == 'f' ? '0' : 'f')},
      {"a checksum that is not hex", changed(3, 'g')},
      {"an upper-case checksum", changed(0, 'A')},
      {"no blank after the checksum", changed(8, 'x')},
      {"zeros, as a crash can leave in a file", std::string(12, '\0') + "\n"},
      {"an empty line", "\n"},
      {"a short line", "abc\n"},
      {"an unknown record", rawRecord("z")},
      {"an append without its blank", rawRecord("a")},
      {"a remove with a text", rawRecord("r x")},
      {"an unknown escape", rawRecord("a x\\q")},
      {"a backslash at the end", rawRecord("a x\\")},
      {"a note without its index", rawRecord("n x")},
      {"a note without the blank after its index", rawRecord("n 0")},
      {"a note with a signed index", rawRecord("n -0 x")},
      {"a note index beyond any number", rawRecord("n 99999999999999999999999 x")},
  };
  const std::string h(kJournalHeader);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const JournalReplay replay(h + appendRecord("1") + c.middle + appendRecord("3"));
    EXPECT_EQ(entriesOf(replay), (Entries{{"1", ""}, {"3", ""}}));
    EXPECT_EQ(replay.damagedRecords(), 1u);
    EXPECT_EQ(replay.records(), 2u);
  }
  // The same bodies with good escapes and a good index are read.
  EXPECT_EQ(replayed(h + rawRecord("a x\\\\q") + rawRecord("n 0 y")), (Entries{{"x\\q", "y"}}));
}

TEST(JournalRecords, WithoutTheHeaderNothingIsRead) {
  for (const std::string& bytes :
       {std::string(), std::string("Tivorum tape journal 2\n") + appendRecord("1"),
        appendRecord("1"), std::string(kJournalHeader.substr(0, 10))}) {
    const JournalReplay replay(bytes);
    EXPECT_FALSE(replay.hasHeader());
    EXPECT_EQ(replay.size(), 0u);
  }
}

TEST(JournalRecords, KeepsTheLastLinesWithTheirNotes) {
  std::string bytes(kJournalHeader);
  for (int i = 0; i < 6; ++i) bytes += appendRecord(std::to_string(i));
  bytes += noteRecord(1, "gone") + noteRecord(4, "four");
  const JournalReplay replay(bytes, 3);
  EXPECT_EQ(entriesOf(replay), (Entries{{"3", ""}, {"4", "four"}, {"5", ""}}));
  EXPECT_EQ(replay.notedLines(), std::vector<std::size_t>{1});
}

}  // namespace
