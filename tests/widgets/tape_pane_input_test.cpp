// Selecting on the tape with the keyboard and the mouse, notes, bulk fills
// and what a screen reader reads.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QScrollBar>
#include <QTest>
#include <string>
#include <vector>

#include "../core/tape_recorder.h"
#include "controls/accessibility.h"
#include "controls/tape_pane.h"

using namespace tivorum;

namespace {

// A pane of the main window's size with these lines, shown.
struct Shown {
  explicit Shown(const std::vector<std::string>& lines) {
    pane.setGeometry(0, 0, 209, 395);
    pane.show();
    for (const std::string& line : lines) pane.append(line);
  }
  // The middle of character `at` in the viewport.
  QPoint at(qsizetype position) const { return pane.characterRect(position).center(); }
  TapePane pane;
};

const std::vector<std::string> kSum = {"12", "+", "3.5", "= 15.5"};
// "12\n+\n3.5\n= 15.5": 12 at 0, + at 3, 3.5 at 5, "= 15.5" at 9, end 15.

}  // namespace

TEST(TapePaneKeys, MoveAndSelectAsATextPane) {
  struct Key {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  const Qt::KeyboardModifiers shift = Qt::ShiftModifier, none = Qt::NoModifier,
                              ctrl = Qt::ControlModifier;
  const struct {
    const char* name;
    qsizetype anchor, position;  // before the keys
    std::vector<Key> keys;
    qsizetype wantAnchor, wantPosition;
  } cases[] = {
      {"right", 0, 0, {{Qt::Key_Right, none}}, 1, 1},
      {"shift right twice", 0, 0, {{Qt::Key_Right, shift}, {Qt::Key_Right, shift}}, 0, 2},
      {"right over a line break", 2, 2, {{Qt::Key_Right, none}}, 3, 3},
      {"left at the start stays", 0, 0, {{Qt::Key_Left, none}}, 0, 0},
      {"left collapses to the start", 5, 8, {{Qt::Key_Left, none}}, 5, 5},
      {"right collapses to the end", 8, 5, {{Qt::Key_Right, none}}, 8, 8},
      {"down keeps the column", 1, 1, {{Qt::Key_Down, none}, {Qt::Key_Down, none}}, 6, 6},
      {"down to a shorter line and on", 6, 6, {{Qt::Key_Up, none}, {Qt::Key_Up, none}}, 1, 1},
      {"up from the first row goes to the start", 1, 1, {{Qt::Key_Up, shift}}, 1, 0},
      {"down from the last row goes to the end", 10, 10, {{Qt::Key_Down, shift}}, 10, 15},
      {"shift end", 5, 5, {{Qt::Key_End, shift}}, 5, 8},
      {"home", 7, 7, {{Qt::Key_Home, none}}, 5, 5},
      {"ctrl shift end", 3, 3, {{Qt::Key_End, ctrl | shift}}, 3, 15},
      {"ctrl home", 12, 12, {{Qt::Key_Home, ctrl}}, 0, 0},
      {"ctrl a", 4, 4, {{Qt::Key_A, ctrl}}, 0, 15},
      {"ctrl right to the next word", 9, 9, {{Qt::Key_Right, ctrl}}, 11, 11},
      {"ctrl left to the word start", 14, 14, {{Qt::Key_Left, ctrl}}, 11, 11},
      {"page down goes to the end of a short tape", 0, 0, {{Qt::Key_PageDown, shift}}, 0, 15},
  };
  for (const auto& c : cases) {
    Shown shown(kSum);
    shown.pane.setFocus();
    shown.pane.setCaret(c.anchor, c.position);
    for (const Key& k : c.keys) QTest::keyClick(&shown.pane, k.key, k.modifiers);
    EXPECT_EQ(shown.pane.anchorPosition(), c.wantAnchor) << c.name;
    EXPECT_EQ(shown.pane.cursorPosition(), c.wantPosition) << c.name;
  }
}

TEST(TapePaneKeys, ShiftDownThroughALongTapeScrollsWithTheCaret) {
  std::vector<std::string> lines;
  for (int i = 0; i < 500; ++i) lines.push_back(std::to_string(i));
  Shown shown(lines);
  shown.pane.verticalScrollBar()->setValue(0);
  shown.pane.setCaret(0, 0);
  for (int i = 0; i < 100; ++i) QTest::keyClick(&shown.pane, Qt::Key_Down, Qt::ShiftModifier);
  // Lines 0 to 99 and their line breaks.
  EXPECT_EQ(shown.pane.selection().count('\n'), 100);
  EXPECT_EQ(shown.pane.caretLine(), 100u);
  // The caret's row is in view, at the bottom.
  const QRect caret = shown.pane.characterRect(shown.pane.cursorPosition());
  EXPECT_GE(caret.top(), 0);
  EXPECT_LE(caret.bottom(), shown.pane.viewport()->height());
  EXPECT_GT(caret.bottom(), shown.pane.viewport()->height() - 2 * caret.height());
  QTest::keyClick(&shown.pane, Qt::Key_PageDown, Qt::ShiftModifier);
  EXPECT_GT(shown.pane.caretLine().value(), 100u);
  EXPECT_LE(shown.pane.characterRect(shown.pane.cursorPosition()).bottom(),
            shown.pane.viewport()->height());
}

TEST(TapePane, TheSelectionLooksTheSameWithoutTheFocus) {
  const QPalette colours = TapePane().palette();
  for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
    EXPECT_EQ(colours.color(QPalette::Inactive, role), colours.color(QPalette::Active, role));
}

TEST(TapePaneMouse, PressDragAndReleaseSelectCharacters) {
  Shown shown(kSum);
  QWidget* view = shown.pane.viewport();
  EXPECT_EQ(shown.pane.caretLine(), std::nullopt);
  // From the left half of "2" in "12" to the left half of "5" in "3.5".
  const QPoint from = shown.pane.characterRect(1).topLeft() + QPoint(1, 3);
  const QPoint to = shown.pane.characterRect(7).topLeft() + QPoint(1, 3);
  QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, from);
  QTest::mouseMove(view, to);
  QMouseEvent move(QEvent::MouseMove, to, view->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                   Qt::NoModifier);
  QApplication::sendEvent(view, &move);
  QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, to);
  EXPECT_EQ(shown.pane.selection(), "2\n+\n3.");
  EXPECT_EQ(shown.pane.caretLine(), 2u);
  // Shift and a click extends the selection from where it started.
  QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier,
                    shown.pane.characterRect(12).topLeft() + QPoint(1, 3));
  EXPECT_EQ(shown.pane.selection(), "2\n+\n3.5\n= 1");
  // A click alone ends the selection.
  QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, from);
  EXPECT_FALSE(shown.pane.hasSelection());
  // Below the last line is the end of the tape.
  QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, QPoint(100, 380));
  EXPECT_EQ(shown.pane.selection(), "2\n+\n3.5\n= 15.5");
}

TEST(TapePaneMouse, DoubleClickTakesAWordAndATripleClickTheLine) {
  Shown shown(kSum);
  QWidget* view = shown.pane.viewport();
  const QPoint digit = shown.at(12);  // in "15.5"
  QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, digit);
  EXPECT_EQ(shown.pane.selection(), "15");
  QTest::mousePress(view, Qt::LeftButton, Qt::NoModifier, digit);
  QTest::mouseRelease(view, Qt::LeftButton, Qt::NoModifier, digit);
  EXPECT_EQ(shown.pane.selection(), "= 15.5");
}

TEST(TapePane, NotesShowAfterTheirLineAndLongOnesWrap) {
  Shown plain(kSum);
  Shown noted(kSum);
  noted.pane.setNote(2, "rent");
  noted.pane.setNote(9, "ignored");
  EXPECT_EQ(noted.pane.store().note(2), "rent");
  const QImage before = plain.pane.grab().toImage();
  const QImage after = noted.pane.grab().toImage();
  // Only the noted line's row changes, and only right of its text.
  const QRect text = noted.pane.characterRect(7);
  int changed = 0;
  for (int y = 0; y < after.height(); ++y) {
    for (int x = 0; x < after.width(); ++x) {
      if (before.pixel(x, y) == after.pixel(x, y)) continue;
      ++changed;
      EXPECT_GT(x, text.right() + 4) << x << "," << y;
      EXPECT_GE(y, text.top()) << x << "," << y;
      EXPECT_LE(y, text.bottom() + 2) << x << "," << y;
    }
  }
  EXPECT_GT(changed, 20);
  // The note travels with its line when copied.
  noted.pane.copyToClipboard();
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "12\n+\n3.5  [rent]\n= 15.5");

  std::vector<std::string> many(60, "1");
  Shown scrolled(many);
  const int rows = scrolled.pane.verticalScrollBar()->maximum();
  scrolled.pane.setNote(59, std::string(80, 'n'));
  EXPECT_GT(scrolled.pane.verticalScrollBar()->maximum(), rows);
  scrolled.pane.setNote(59, "");
  EXPECT_EQ(scrolled.pane.verticalScrollBar()->maximum(), rows);
}

TEST(TapePane, FillTakesEveryLineAtOnceWithoutTellingTheObserver) {
  TapeRecorder recorder;
  Shown shown({"old"});
  shown.pane.setObserver(&recorder);
  shown.pane.setCaret(0, 2);
  TapeLines lines;
  const std::string wide = "Number of Periods per Year: Monthly, Payment at the start";
  for (int i = 0; i < 100000; ++i) lines.append(i % 7 == 0 ? wide : std::to_string(i));
  lines.setNote(5, "five");
  shown.pane.fill(std::move(lines));
  EXPECT_EQ(shown.pane.lineCount(), 100000);
  EXPECT_EQ(shown.pane.store().note(5), "five");
  EXPECT_FALSE(shown.pane.hasSelection());
  EXPECT_EQ(shown.pane.caretLine(), std::nullopt);
  QScrollBar* bar = shown.pane.verticalScrollBar();
  EXPECT_EQ(bar->value(), bar->maximum());
  // Every seventh line wraps into two rows or more.
  EXPECT_GT(bar->maximum(), 100000 + 100000 / 7 - 40);
  EXPECT_EQ(shown.pane.characterCount(),
            static_cast<qsizetype>(shown.pane.store().text().size()) + 100000 - 1);
  EXPECT_TRUE(recorder.events.empty());
  shown.pane.append("after");
  shown.pane.removeLast();
  shown.pane.clear();
  EXPECT_EQ(recorder.events, (std::vector<std::string>{"+after", "-", "clear"}));
}

TEST(TapePane, PositionsCountUtf16UnitsAsATextPaneDoes) {
  // "÷ x²", "€ 12,50", "😀 1": one, one and two UTF-16 units for the signs.
  Shown shown({"\xc3\xb7 x\xc2\xb2", "\xe2\x82\xac 12,50", "\xf0\x9f\x98\x80 1", "end"});
  EXPECT_EQ(shown.pane.characterCount(), 4 + 1 + 7 + 1 + 4 + 1 + 3);
  const struct {
    int from, to;
    QString want;
  } cases[] = {
      {0, 4, QString::fromUtf8("\xc3\xb7 x\xc2\xb2")},
      {3, 7, QString::fromUtf8("\xc2\xb2\n\xe2\x82\xac ")},
      {13, 17, QString::fromUtf8("\xf0\x9f\x98\x80 1")},
      {16, 22, QStringLiteral("1\nend")},
  };
  for (const auto& c : cases) {
    shown.pane.selectCharacters(c.from, c.to);
    EXPECT_EQ(shown.pane.selection(), c.want) << c.from << ".." << c.to;
  }
}

TEST(TapePane, ALongTapeSelectsAndCopiesWhole) {
  TapePane pane;
  pane.resize(209, 395);
  TapeLines lines;
  for (int i = 0; i < 300000; ++i) lines.append(std::to_string(i));
  pane.fill(std::move(lines));
  pane.selectAll();
  pane.copyToClipboard();
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_EQ(copied.count('\n'), 299999);
  EXPECT_TRUE(copied.startsWith("0\n1\n2\n"));
  EXPECT_TRUE(copied.endsWith("\n299998\n299999"));
}

TEST(TapePaneAccessible, AScreenReaderReadsLinesCaretAndSelection) {
  installAccessibility();
  Shown shown(kSum);
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&shown.pane);
  ASSERT_NE(iface, nullptr);
  QAccessibleTextInterface* text = iface->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(iface->role(), QAccessible::EditableText);
  EXPECT_TRUE(iface->state().readOnly);
  EXPECT_TRUE(iface->state().multiLine);
  EXPECT_EQ(text->characterCount(), 15);
  EXPECT_EQ(text->text(0, 15), "12\n+\n3.5\n= 15.5");
  EXPECT_EQ(iface->text(QAccessible::Value), "12\n+\n3.5\n= 15.5");
  int start = -1, end = -1;
  const struct {
    QAccessible::TextBoundaryType type;
    int offset;
    const char* at;
    int start, end;
  } cases[] = {
      {QAccessible::LineBoundary, 6, "3.5\n", 5, 9},
      {QAccessible::LineBoundary, 12, "= 15.5", 9, 15},
      {QAccessible::ParagraphBoundary, 0, "12\n", 0, 3},
      {QAccessible::WordBoundary, 12, "15.5", 11, 15},
      {QAccessible::CharBoundary, 6, ".", 6, 7},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(text->textAtOffset(c.offset, c.type, &start, &end), c.at) << c.offset;
    EXPECT_EQ(start, c.start) << c.offset;
    EXPECT_EQ(end, c.end) << c.offset;
  }
  EXPECT_EQ(text->textBeforeOffset(6, QAccessible::LineBoundary, &start, &end), "+\n");
  EXPECT_EQ(text->textAfterOffset(6, QAccessible::LineBoundary, &start, &end), "= 15.5");
  EXPECT_EQ(text->textAfterOffset(12, QAccessible::LineBoundary, &start, &end), "");
  text->setSelection(0, 3, 8);
  EXPECT_EQ(shown.pane.selection(), "+\n3.5");
  EXPECT_EQ(text->selectionCount(), 1);
  text->selection(0, &start, &end);
  EXPECT_EQ(start, 3);
  EXPECT_EQ(end, 8);
  EXPECT_EQ(text->cursorPosition(), 8);
  EXPECT_EQ(text->offsetAtPoint(shown.pane.viewport()->mapToGlobal(shown.at(6))), 6);
  text->removeSelection(0);
  EXPECT_EQ(text->selectionCount(), 0);
}
