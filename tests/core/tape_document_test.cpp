#include "calc/tape_document.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <utility>
#include <vector>

#include "calc/tape_csv.h"
#include "tape_entries.h"
#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::Entries;
using tivorum::testing::EntriesTape;
using tivorum::testing::readFile;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

Entries readBack(std::string_view bytes) {
  Entries out;
  readTapeDocument(bytes, [&out](std::string_view line, std::string_view note) {
    out.emplace_back(line, note);
  });
  return out;
}

TEST(TapeDocument, SavedTapeReadsBackAsItWas) {
  const Entries cases[] = {
      {},
      {{"", ""}},
      {{"12", ""}, {"+", "plus"}, {"", ""}, {"= 15.5", "lunch, with \"Al\""}},
      {{"1,5", "Überweisung €"}, {"  padded  ", "x"}},
  };
  for (const Entries& entries : cases) {
    const std::string bytes = tapeDocument(EntriesTape(entries));
    SCOPED_TRACE(bytes);
    EXPECT_TRUE(bytes.starts_with("Tivorum tape, format 1\n"));
    EXPECT_EQ(tapeDocumentProblem(bytes, "t"), "");
    EXPECT_EQ(readBack(bytes), entries);
  }
  EXPECT_EQ(tapeDocument(EntriesTape({{"12", ""}, {"= 12", "sum"}})),
            "Tivorum tape, format 1\n12\n= 12\tsum\n");
}

TEST(TapeDocument, ReadsWhatEditorsWrite) {
  struct Case {
    const char* what;
    std::string bytes;
    Entries entries;
  };
  const Case cases[] = {
      {"CR LF line ends", "Tivorum tape, format 1\r\n1\r\n2\tn\r\n", {{"1", ""}, {"2", "n"}}},
      {"no last line end", "Tivorum tape, format 1\n1\n2", {{"1", ""}, {"2", ""}}},
      {"a byte order mark", "\xEF\xBB\xBFTivorum tape, format 1\n1\n", {{"1", ""}}},
      {"the header alone", "Tivorum tape, format 1", {}},
      {"a note after the first tab, cleaned",
       "Tivorum tape, format 1\n1\t a\tb \n",
       {{"1", "a b"}}},
      {"Windows-1252 text",
       "Tivorum tape, format 1\n\xE9t\xE9\t\x80\n",
       {{"\xC3\xA9t\xC3\xA9", "\xE2\x82\xAC"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(tapeDocumentProblem(c.bytes, "t"), "");
    EXPECT_EQ(readBack(c.bytes), c.entries);
  }
}

TEST(TapeDocument, RefusesWhatIsNoTape) {
  struct Case {
    std::string bytes;
    std::string problem;
  };
  const std::string notTape = "Error. /x/t.tape is not a Tivorum tape.";
  const Case cases[] = {
      {"", notTape},
      {"12\n+\n", notTape},
      {"Tivorum tape, format \n", notTape},
      {"Tivorum tape, format 0\n", notTape},
      {"Tivorum tape, format -1\n", notTape},
      {"Tivorum tape, format 1x\n", notTape},
      {"Tivorum tape, format 99999999999999999999\n", notTape},
      {" Tivorum tape, format 1\n", notTape},
      {"Tivorum tape, format 2\n1\n",
       "Error. /x/t.tape is a tape of a newer format (2) than this program reads."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(tapeDocumentProblem(c.bytes, "/x/t.tape"), c.problem);
  }
}

TEST(TapeDocument, OpeningRefusesMissingSpecialAndForeignFiles) {
  TempFolder dir;
  writeFile(dir / "good.tape", "Tivorum tape, format 1\n7\n");
  writeFile(dir / "list.txt", "7\n");
  ASSERT_EQ(::mkfifo((dir / "pipe.tape").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder.tape");
  struct Case {
    const char* file;
    std::string problem;
  };
  const Case cases[] = {
      {"good.tape", ""},
      {"none.tape", "Error. File none.tape not found."},
      {"list.txt", "Error. list.txt is not a Tivorum tape."},
      {"pipe.tape", "Error. pipe.tape is not a file."},  // and it does not wait for a writer
      {"folder.tape", "Error. folder.tape is not a file."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    const TapeDocumentFile file = loadTapeDocument(dir / c.file, c.file);
    EXPECT_EQ(file.problem, c.problem);
    EXPECT_EQ(file.bytes.empty(), !c.problem.empty());
  }
}

TEST(TapeDocument, WritingReplacesOnlyRegularFiles) {
  TempFolder dir;
  writeFile(dir / "old.tape", std::string(1000, 'x'));
  EXPECT_TRUE(writeWholeFile(dir / "old.tape", "new", "old.tape").ok);
  EXPECT_EQ(readFile(dir / "old.tape"), "new");
  EXPECT_TRUE(writeWholeFile(dir / "made.tape", "made", "made.tape").ok);
  EXPECT_EQ(readFile(dir / "made.tape"), "made");
  ASSERT_EQ(::mkfifo((dir / "pipe.tape").c_str(), 0600), 0);
  std::filesystem::create_directory(dir / "folder.tape");
  for (const char* name : {"pipe.tape", "folder.tape", "missing/x.tape"}) {
    const WriteResult result = writeWholeFile(dir / name, "x", name);
    EXPECT_FALSE(result.ok) << name;
    EXPECT_EQ(result.message, std::string("Error. Cannot write file ") + name + ".");
  }
}

TEST(TapeDocument, NotesAreOneCleanLineOfAtMost80Characters) {
  const std::string eighty(80, 'n');
  struct Case {
    std::string typed;
    std::string kept;
  };
  const Case cases[] = {
      {"lunch", "lunch"},
      {"  lunch  ", "lunch"},
      {"   ", ""},
      {"a\tb\r\nc", "a b  c"},
      {eighty + "cut", eighty},
      {std::string(79, 'n') + " x", std::string(79, 'n')},
      // 80 characters of two bytes each are kept whole.
      {[] {
         std::string s;
         for (int i = 0; i < 81; ++i) s += "\xC3\xA9";
         return s;
       }(),
       [] {
         std::string s;
         for (int i = 0; i < 80; ++i) s += "\xC3\xA9";
         return s;
       }()},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(cleanNote(c.typed), c.kept);
  }
}

TEST(TapeDocument, LineWithNoteAndDefaultExtension) {
  EXPECT_EQ(lineWithNote("= 15.5", ""), "= 15.5");
  EXPECT_EQ(lineWithNote("= 15.5", "lunch"), "= 15.5  [lunch]");
  const std::pair<const char*, const char*> names[] = {
      {"/t/mine", "/t/mine.tape"},
      {"/t/mine.tape", "/t/mine.tape"},
      {"/t/mine.txt", "/t/mine.txt"},
      {"/t.d/mine", "/t.d/mine.tape"},
  };
  for (const auto& [typed, used] : names)
    EXPECT_EQ(withDefaultExtension(typed, kTapeDocumentExtension), used) << typed;
}

TEST(TapeCsv, AmountAndOperatorOfEachKindOfLine) {
  struct Case {
    const char* line;
    const char* amount;
    const char* op;
  };
  const Case cases[] = {
      {"12", "12", ""},
      {"3.5", "3.5", ""},
      {"1,5", "1.5", ""},
      {"+", "", "+"},
      {"-", "", "-"},
      {"x", "", "x"},
      {"/", "", "/"},
      {"= 15.5", "15.5", "="},
      {"= -7", "-7", "="},
      {"=           1.50", "1.50", "="},
      {"=          -1 234,50", "-1234.50", "="},
      {"= 1\xC2\xA0"
       "234.5",
       "1234.5", "="},
      {"= 1\xE2\x80\xAF"
       "234\xE2\x80\xAF"
       "567,25",
       "1234567.25", "="},
      {"= 1,234,567.25", "1234567.25", "="},
      {"= 1.234.567,25", "1234567.25", "="},
      {"= 1.234.567", "1234567", "="},
      {"= 1'234.5", "1234.5", "="},
      {"= ERROR", "", "="},
      {"= 1E79", "1E79", "="},
      {"= -2.5E-7", "-2.5E-7", "="},
      {"5E+3", "5E3", ""},
      {"0.1%", "0.1", "%"},
      {"0,1%", "0.1", "%"},
      {"Yield (%): 4.02684", "4.02684", ""},
      {"% Annual return on Investment (expected): 8", "8", ""},
      {"Cost ($): 80.00", "80.00", ""},
      {"After Payment Number:  12", "12", ""},
      {"10 French Frank", "10", ""},
      {"1.23456789E10 US $", "1.23456789E10", ""},
      {"2 Saudi Riyal", "2", ""},
      {"Abs(-7)", "-7", ""},
      {"1/4", "4", ""},
      {"(42)\xC2\xB2", "42", ""},
      {"Sqrt(9)", "9", ""},
      {"x^y", "", ""},
      {"Combinations of x/y", "", ""},
      {"ERROR - Permutations possible on whole numbers only!", "", ""},
      {"ERROR", "", ""},
      {"All Clear", "", ""},
      {"------- Loan -------", "", ""},
      {"", "", ""},
      {"Term 5 year-3", "3", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    const LineFigures figures = lineFigures(c.line);
    EXPECT_EQ(figures.amount, c.amount);
    EXPECT_EQ(figures.op, c.op);
  }
}

TEST(TapeCsv, FieldsAreQuotedOnlyWhenTheyMustBe) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"plain text", "plain text"},
      {" blanks ", " blanks "},
      {"a,b", "\"a,b\""},
      {"say \"hi\"", "\"say \"\"hi\"\"\""},
      {"two\nlines", "\"two\nlines\""},
      {"cr\r", "\"cr\r\""},
      {"semi;colon", "semi;colon"},
  };
  for (const auto& [text, field] : cases) EXPECT_EQ(csvField(text), field) << text;
  EXPECT_EQ(tapeCsv(EntriesTape({{"12", ""}, {"+", ""}, {"= 1,5", "lunch, \"Al\""}})),
            "text,amount,operator,note\r\n"
            "12,12,,\r\n"
            "+,,+,\r\n"
            "\"= 1,5\",1.5,=,\"lunch, \"\"Al\"\"\"\r\n");
}

}  // namespace
