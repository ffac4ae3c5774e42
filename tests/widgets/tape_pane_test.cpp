#include "controls/tape_pane.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QScrollBar>
#include <string>
#include <vector>

using namespace tivorum;

namespace {

using Lines = std::vector<std::string>;

// One step on the tape: a line to append, or "-" to remove the last line,
// or "clear".
struct EditCase {
  const char* name;
  std::vector<std::string> steps;
  Lines expected;
};

void run(TapePane& pane, const std::vector<std::string>& steps) {
  for (const std::string& s : steps) {
    if (s == "-")
      pane.removeLast();
    else if (s == "clear")
      pane.clear();
    else
      pane.append(s.substr(1));  // "+text"
  }
}

}  // namespace

TEST(TapePane, EditsKeepEveryLineIncludingEmptyOnes) {
  const EditCase cases[] = {
      {"empty", {}, {}},
      {"one line", {"+12"}, {"12"}},
      {"an empty first line stays a line", {"+", "+x"}, {"", "x"}},
      {"empty lines in between", {"+a", "+", "+", "+b"}, {"a", "", "", "b"}},
      {"only an empty line", {"+"}, {""}},
      {"remove the last", {"+12", "++", "-"}, {"12"}},
      {"remove the only line", {"+12", "-"}, {}},
      {"remove an empty last line", {"+a", "+", "-"}, {"a"}},
      {"remove from empty tape", {"-"}, {}},
      {"remove twice", {"+a", "+b", "+c", "-", "-"}, {"a"}},
      {"append after removing all", {"+a", "-", "+b"}, {"b"}},
      {"clear", {"+a", "+b", "clear"}, {}},
      {"append after clear", {"+a", "clear", "+", "+b"}, {"", "b"}},
  };
  for (const EditCase& c : cases) {
    TapePane pane;
    run(pane, c.steps);
    EXPECT_EQ(pane.lines(), c.expected) << c.name;
    EXPECT_EQ(pane.lineCount(), static_cast<int>(c.expected.size())) << c.name;
  }
}

TEST(TapePane, TextLinesSplitsAsATextPaneDoes) {
  const struct {
    QString text;
    Lines expected;
  } cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\n", {"a"}},
      {"a\nb", {"a", "b"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"\n", {""}},
      {"a\n\nb", {"a", "", "b"}},
      {"a\n\n", {"a", ""}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(textLines(c.text), c.expected) << c.text.toStdString();
  }
}

TEST(TapePane, SelectionCoversPartialLines) {
  TapePane pane;
  for (const char* line : {"12", "+", "3.5", "= 15.5"}) pane.append(line);
  // Characters: "12\n+\n3.5\n= 15.5"
  const struct {
    int from, to;
    const char* expected;
  } cases[] = {
      {0, 2, "12"},     {1, 6, "2\n+\n3"}, {3, 9, "+\n3.5\n"},
      {11, 15, "15.5"}, {15, 11, "15.5"},  // dragged backwards
      {0, 0, ""},
  };
  for (const auto& c : cases) {
    pane.selectCharacters(c.from, c.to);
    EXPECT_EQ(pane.selection().toStdString(), c.expected) << c.from << ".." << c.to;
    EXPECT_EQ(pane.hasSelection(), *c.expected != '\0');
  }
  pane.selectCharacters(3, 9);
  EXPECT_EQ(textLines(pane.selection()), (Lines{"+", "3.5"}));
}

TEST(TapePane, CopyTakesTheSelectionOrTheWholeTapeAndKeepsTheSelection) {
  TapePane pane;
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText("old");
  pane.copyToClipboard();
  EXPECT_EQ(clipboard->text(), "");

  for (const char* line : {"7", "x", "6", "= 42"}) pane.append(line);
  pane.copyToClipboard();
  EXPECT_EQ(clipboard->text(), "7\nx\n6\n= 42");
  EXPECT_FALSE(pane.hasSelection());

  pane.selectCharacters(2, 5);
  pane.copyToClipboard();
  EXPECT_EQ(clipboard->text(), "x\n6");
  EXPECT_EQ(pane.selection(), "x\n6");
}

TEST(TapePane, AppendingEndsTheSelectionAndShowsTheNewLine) {
  TapePane pane;
  pane.resize(209, 120);
  pane.show();
  for (int i = 0; i < 200; ++i) pane.append(std::to_string(i));
  QScrollBar* bar = pane.verticalScrollBar();
  EXPECT_GT(bar->maximum(), 0);
  EXPECT_EQ(bar->value(), bar->maximum());

  pane.selectCharacters(0, 5);
  ASSERT_TRUE(pane.hasSelection());
  bar->setValue(0);
  pane.append("new");
  EXPECT_FALSE(pane.hasSelection());
  EXPECT_EQ(bar->value(), bar->maximum());
  EXPECT_EQ(pane.lines().back(), "new");
}

namespace {

// A PDF writer that counts the pages the printing asks for.
class CountingWriter : public QPdfWriter {
 public:
  using QPdfWriter::QPdfWriter;
  bool newPage() override {
    ++pages;
    return QPdfWriter::newPage();
  }
  int pages = 1;
};

}  // namespace

TEST(TapePane, PrintingFillsAPageBeforeStartingTheNext) {
  QFont font = QApplication::font();
  font.setBold(true);
  const QString file = QDir::tempPath() + "/tivorum-tape-print-test.pdf";
  int width = 0;
  const int perPage = [&] {
    CountingWriter writer(file);
    QPainter p(&writer);
    QFontMetrics m(QFont(font, &writer), &writer);
    width = p.viewport().width() / m.horizontalAdvance('8');
    // The last line needs its full height, the others their line spacing.
    return (p.viewport().height() - m.height()) / m.lineSpacing() + 1;
  }();
  ASSERT_GT(perPage, 10);
  // Over two page widths of digits: it takes three printed lines.
  const std::string wide(2 * width + 3, '8');
  const struct {
    int lines;
    int wideLines;  // added after the others
    int pages;
  } cases[] = {{0, 0, 1},           {1, 0, 1},           {perPage, 0, 1},
               {perPage + 1, 0, 2}, {perPage * 2, 0, 2}, {perPage * 2 + 1, 0, 3},
               {perPage - 3, 1, 1}, {perPage - 2, 1, 2}};
  for (const auto& c : cases) {
    CountingWriter writer(file);
    std::vector<std::string> lines(c.lines, "1234.5");
    lines.insert(lines.end(), c.wideLines, wide);
    printLines(writer, font, lines);
    EXPECT_EQ(writer.pages, c.pages)
        << c.lines << " + " << c.wideLines << " wide lines, " << perPage << " per page";
  }
  QFile::remove(file);
}
