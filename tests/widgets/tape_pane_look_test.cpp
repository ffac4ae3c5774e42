// The tape pane draws what the plain text pane it replaced drew, pixel for
// pixel: margins, line spacing, wrapping, scrolling and selection.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <functional>
#include <string>
#include <vector>

#include "controls/tape_pane.h"

using namespace tivorum;

namespace {

// The tape as it was: a read-only plain text pane, one block per line.
class OldTape : public QPlainTextEdit {
 public:
  OldTape() {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The same colours: only the drawing is compared.
    setPalette(TapePane().palette());
  }
  void append(const std::string& line) {
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    if (!empty_) end.insertBlock();
    end.insertText(QString::fromStdString(line));
    empty_ = false;
    if (textCursor().hasSelection()) setTextCursor(end);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
  }
  void removeLast() {
    if (document()->blockCount() == 1) {
      clear();
      empty_ = true;
      return;
    }
    QTextCursor last(document()->lastBlock());
    last.movePosition(QTextCursor::EndOfBlock);
    last.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
    last.movePosition(QTextCursor::PreviousCharacter, QTextCursor::KeepAnchor);
    last.removeSelectedText();
  }
  void select(int from, int to) {
    QTextCursor c(document());
    const int last = document()->characterCount() - 1;
    c.setPosition(std::clamp(from, 0, last));
    c.setPosition(std::clamp(to, 0, last), QTextCursor::KeepAnchor);
    setTextCursor(c);
  }

 private:
  bool empty_ = true;
};

template <typename Pane>
void dress(Pane& pane) {
  pane.setGeometry(0, 0, 209, 395);
  QFont font = QApplication::font();
  font.setBold(true);
  pane.setFont(font);
  QPalette paper = pane.palette();
  paper.setColor(QPalette::Base, Qt::white);
  paper.setColor(QPalette::Text, Qt::black);
  pane.setPalette(paper);
  pane.show();
}

std::vector<std::string> calculation(int lines) {
  std::vector<std::string> out;
  for (int i = 0; i < lines; ++i) {
    switch (i % 4) {
      case 0:
        out.push_back(std::to_string(1000 + i) + ".25");
        break;
      case 1:
        out.push_back("+");
        break;
      case 2:
        out.push_back(std::to_string(i % 977));
        break;
      default:
        out.push_back("= " + std::to_string(2000 + i) + ".25");
    }
  }
  return out;
}

const std::string kHeading = "------ Compound Interest ------";
const std::string kLongLine(255, '7');
const std::string kWords =
    "Number of Periods per Year: Monthly, Payment at the start of each period";

// What happens to both panes after their lines: a selection, a scroll, ...
struct Step {
  enum Kind { Select, Scroll, RemoveLast, Append } kind;
  int a, b;
  std::string line;
};

Step select(int from, int to) {
  return {Step::Select, from, to, {}};
}
Step scroll(int row) {
  return {Step::Scroll, row, 0, {}};
}
Step removeLast() {
  return {Step::RemoveLast, 0, 0, {}};
}
Step appendLine(std::string line) {
  return {Step::Append, 0, 0, std::move(line)};
}

struct LookCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<Step> steps;
};

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

}  // namespace

TEST(TapePaneLook, DrawsAsThePlainTextPaneDid) {
  const LookCase cases[] = {
      {"empty", {}, {}},
      {"a few lines", {"12", "+", "3.5", "= 15.5"}, {}},
      {"a few lines, part selected", {"12", "+", "3.5", "= 15.5"}, {select(1, 6)}},
      {"selected backwards to the start", {"12", "+", "3.5", "= 15.5"}, {select(9, 0)}},
      {"a selection ending at a line break", {"12", "+", "3.5", "= 15.5"}, {select(3, 4)}},
      {"long tape at its end", calculation(300), {}},
      {"long tape, selection near the top", calculation(300), {select(1, 6)}},
      {"long tape, selection below the view", calculation(300), {scroll(0), select(1000, 1100)}},
      {"long tape, everything selected", calculation(300), {select(0, 100000)}},
      {"long tape scrolled to the top", calculation(300), {scroll(0)}},
      {"long tape scrolled to row 1", calculation(300), {scroll(1)}},
      {"long tape scrolled half way", calculation(300), {scroll(137)}},
      {"lines removed at the end",
       calculation(300),
       {scroll(20), removeLast(), removeLast(), removeLast()}},
      {"all lines removed", {"1", "2"}, {removeLast(), removeLast()}},
      {"appending ends a selection", calculation(40), {select(3, 30), appendLine("= 99")}},
      {"wrapped lines",
       calculation(6) + std::vector{kHeading, kLongLine, kWords, std::string("1")},
       {}},
      {"wrapped lines selected",
       calculation(6) + std::vector{kHeading, kLongLine, kWords},
       {select(20, 300)}},
      {"wrapped lines at the end of a long tape",
       calculation(120) + std::vector{kHeading, kLongLine, kWords, kHeading},
       {}},
      {"wrapped lines scrolled into the middle of one",
       calculation(20) + std::vector{kLongLine, kLongLine, kWords} + calculation(40),
       {scroll(24)}},
      {"a long wrapped line at the top, scrolled",
       std::vector{kLongLine} + calculation(80),
       {scroll(3)}},
      {"signs, tabs and empty lines",
       {"\xc3\xb7 x\xc2\xb2", "", "tab\there", "", "  = 15.5", "\xe2\x82\xac 12,50"},
       {select(1, 14)}},
  };
  for (const LookCase& c : cases) {
    SCOPED_TRACE(c.name);
    OldTape old;
    TapePane pane;
    dress(old);
    dress(pane);
    for (const std::string& line : c.lines) {
      old.append(line);
      pane.append(line);
    }
    for (const Step& s : c.steps) {
      switch (s.kind) {
        case Step::Select:
          old.select(s.a, s.b);
          pane.selectCharacters(s.a, s.b);
          break;
        case Step::Scroll:
          old.verticalScrollBar()->setValue(s.a);
          pane.verticalScrollBar()->setValue(s.a);
          break;
        case Step::RemoveLast:
          old.removeLast();
          pane.removeLast();
          break;
        case Step::Append:
          old.append(s.line);
          pane.append(s.line);
          break;
      }
    }
    QApplication::processEvents();
    EXPECT_EQ(pane.verticalScrollBar()->maximum(), old.verticalScrollBar()->maximum());
    EXPECT_EQ(pane.verticalScrollBar()->value(), old.verticalScrollBar()->value());
    EXPECT_EQ(pane.verticalScrollBar()->pageStep(), old.verticalScrollBar()->pageStep());
    EXPECT_EQ(pane.selection(),
              old.textCursor().selectedText().replace(QChar::ParagraphSeparator, '\n'));
    const QImage want = old.grab().toImage();
    const QImage got = pane.grab().toImage();
    ASSERT_EQ(got.size(), want.size());
    int differ = 0;
    for (int y = 0; y < want.height(); ++y)
      for (int x = 0; x < want.width(); ++x) differ += got.pixel(x, y) != want.pixel(x, y);
    EXPECT_EQ(differ, 0);
    if (differ || qEnvironmentVariableIsSet("TAPE_LOOK_SAVE")) {
      want.save(QDir::tempPath() + QStringLiteral("/tape-look-old-%1.png").arg(c.name));
      got.save(QDir::tempPath() + QStringLiteral("/tape-look-new-%1.png").arg(c.name));
    }
  }
}
