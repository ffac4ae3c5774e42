#include "calc/tape_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tape_recorder.h"

using namespace tivorum;

namespace {

std::vector<std::string> linesOf(const TapeLines& tape) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < tape.size(); ++i) out.emplace_back(tape.line(i));
  return out;
}

}  // namespace

TEST(TapeLines, EditsKeepEveryLineByteForByte) {
  // "+text" appends, "-" removes the last line, "clear" clears.
  struct Case {
    std::vector<std::string> steps;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {{}, {}},
      {{"+"}, {""}},
      {{"+", "+", "+"}, {"", "", ""}},
      {{"+12", "+", "+  = 15.5"}, {"12", "", "  = 15.5"}},
      {{"+a", "-"}, {}},
      {{"-", "-", "+a"}, {"a"}},
      {{"+a", "+", "-"}, {"a"}},
      {{"+a", "+bc", "-", "+de"}, {"a", "de"}},
      {{"+a", "+b", "clear", "+c"}, {"c"}},
      {{"+\xc3\xb7 x\xc2\xb2", "+tab\there",
        "+a\xc2\xa0"
        "b"},
       {"\xc3\xb7 x\xc2\xb2", "tab\there",
        "a\xc2\xa0"
        "b"}},
  };
  for (const Case& c : cases) {
    TapeLines tape;
    for (const std::string& step : c.steps) {
      if (step == "-")
        tape.removeLast();
      else if (step == "clear")
        tape.clear();
      else
        tape.append(std::string_view(step).substr(1));
    }
    EXPECT_EQ(linesOf(tape), c.lines) << ::testing::PrintToString(c.steps);
    EXPECT_EQ(tape.line(tape.size()), "");
    std::string joined;
    for (const std::string& line : c.lines) joined += line;
    EXPECT_EQ(tape.text(), joined);
  }
}

TEST(TapeLines, LineWithAZeroByteKeepsItsLength) {
  TapeLines tape;
  tape.append(std::string_view("a\0b", 3));
  tape.append("c");
  EXPECT_EQ(tape.line(0), std::string_view("a\0b", 3));
  EXPECT_EQ(tape.line(1), "c");
}

TEST(TapeLines, NotesStayWithTheirLines) {
  TapeLines tape;
  for (const char* line : {"1", "+", "2", "= 3"}) tape.append(line);
  tape.setNote(3, "lunch");
  tape.setNote(0, "first");
  tape.setNote(9, "past the end");
  EXPECT_EQ(tape.note(0), "first");
  EXPECT_EQ(tape.note(1), "");
  EXPECT_EQ(tape.note(3), "lunch");
  EXPECT_EQ(tape.note(9), "");
  EXPECT_EQ(tape.notedLines(), (std::vector<std::size_t>{0, 3}));

  tape.setNote(3, "dinner");
  EXPECT_EQ(tape.note(3), "dinner");
  tape.setNote(0, "");
  EXPECT_EQ(tape.notedLines(), (std::vector<std::size_t>{3}));

  // The line that takes the place of a removed one starts without a note.
  tape.removeLast();
  tape.append("= 4");
  EXPECT_EQ(tape.note(3), "");
  EXPECT_TRUE(tape.notedLines().empty());

  tape.setNote(1, "x");
  tape.clear();
  tape.append("1");
  tape.append("2");
  EXPECT_EQ(tape.note(1), "");
}

TEST(TapeLines, LinesOfAnotherTapeFollowWithTheirNotes) {
  TapeLines from;
  for (const char* line : {"7", "x", "6", "= 42"}) from.append(line);
  from.setNote(1, "times");
  from.setNote(3, "answer");
  TapeLines to;
  to.append("1");
  to.setNote(0, "mine");
  appendLinesOf(to, from);
  EXPECT_EQ(linesOf(to), (std::vector<std::string>{"1", "7", "x", "6", "= 42"}));
  EXPECT_EQ(to.notedLines(), (std::vector<std::size_t>{0, 2, 4}));
  EXPECT_EQ(to.note(0), "mine");
  EXPECT_EQ(to.note(2), "times");
  EXPECT_EQ(to.note(4), "answer");
}

TEST(TapeLines, ObserverHearsEachChangeOnce) {
  TapeLines tape;
  TapeRecorder recorder;
  tape.append("before");
  tape.setObserver(&recorder);
  tape.append("a");
  tape.append("");
  tape.setNote(1, "n");
  tape.setNote(5, "ignored");
  tape.setNote(1, "");
  tape.removeLast();
  tape.removeLast();
  tape.removeLast();
  tape.removeLast();  // nothing left: nothing to tell
  tape.clear();
  tape.setObserver(nullptr);
  tape.append("after");
  EXPECT_EQ(recorder.events,
            (std::vector<std::string>{"+a", "+", "1:n", "1:", "-", "-", "-", "clear"}));
}

TEST(TapeLines, ObserverSeesTheChangeAlreadyMade) {
  struct Checker : TapeObserver {
    const TapeLines* tape = nullptr;
    std::vector<std::size_t> sizes;
    void appended(std::string_view line) override {
      sizes.push_back(tape->size());
      EXPECT_EQ(tape->line(tape->size() - 1), line);
    }
    void removedLast() override { sizes.push_back(tape->size()); }
    void cleared() override { sizes.push_back(tape->size()); }
    void noteSet(std::size_t index, std::string_view note) override {
      EXPECT_EQ(tape->note(index), note);
    }
  } checker;
  TapeLines tape;
  checker.tape = &tape;
  tape.setObserver(&checker);
  tape.append("x");
  tape.append("yy");
  tape.setNote(0, "n");
  tape.removeLast();
  tape.clear();
  EXPECT_EQ(checker.sizes, (std::vector<std::size_t>{1, 2, 1, 0}));
}

TEST(TapeLines, PositionsCountOneSeparatorAfterEachLine) {
  // Lines "ab", "", "cde": positions 0-2 (a, b, separator), 3, 4-7.
  TapeLines tape;
  for (const char* line : {"ab", "", "cde"}) tape.append(line);
  struct Case {
    std::size_t position;
    std::size_t line;
  };
  const Case cases[] = {{0, 0}, {1, 0}, {2, 0}, {3, 1}, {4, 2}, {7, 2}, {8, 2}, {1000, 2}};
  for (const Case& c : cases)
    EXPECT_EQ(tape.lineAtPosition(c.position), c.line) << "position " << c.position;
  EXPECT_EQ(tape.offset(0), 0u);
  EXPECT_EQ(tape.offset(1), 2u);
  EXPECT_EQ(tape.offset(2), 2u);
  EXPECT_EQ(tape.offset(3), 5u);
  EXPECT_EQ(tape.offset(99), 5u);
  EXPECT_EQ(TapeLines().lineAtPosition(5), 0u);
}

TEST(TapeLines, PositionsOfEveryLineOfALongTapeRoundTrip) {
  TapeLines tape;
  for (int i = 0; i < 2000; ++i) tape.append(std::string(static_cast<std::size_t>(i % 7), 'x'));
  for (std::size_t i = 0; i < tape.size(); ++i) {
    const std::size_t start = tape.offset(i) + i;
    ASSERT_EQ(tape.lineAtPosition(start), i);
    ASSERT_EQ(tape.lineAtPosition(start + tape.line(i).size()), i);
  }
}

TEST(TapeLines, MoveTakesLinesNotesAndObserver) {
  TapeRecorder recorder;
  TapeLines from;
  from.append("a");
  from.setNote(0, "n");
  from.setObserver(&recorder);
  TapeLines to(std::move(from));
  EXPECT_EQ(from.size(), 0u);
  EXPECT_EQ(from.observer(), nullptr);
  from.append("stray");  // the moved-from tape tells nobody
  EXPECT_EQ(linesOf(to), std::vector<std::string>{"a"});
  EXPECT_EQ(to.note(0), "n");
  TapeLines again;
  again.append("old");
  again = std::move(to);
  again.append("b");
  EXPECT_EQ(linesOf(again), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(recorder.events, std::vector<std::string>{"+b"});
}

TEST(TapeLines, ALineCostsLittleMoreThanItsCharacters) {
  TapeLines tape;
  const std::size_t base = tape.memoryBytes();
  constexpr std::size_t kLines = 100000;
  for (std::size_t i = 0; i < kLines; ++i) tape.append("  = 12,345.67");
  tape.setNote(7, std::string(80, 'n'));
  const std::size_t perLine = (tape.memoryBytes() - base) / kLines;
  // 13 characters and an offset, with at most as much again in spare room.
  EXPECT_GE(perLine, 13u + sizeof(std::size_t));
  EXPECT_LE(perLine, 2 * (13 + sizeof(std::size_t)));
  tape.clear();
  EXPECT_EQ(tape.memoryBytes(), base);
}
