#include "controls/tape_output.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <string>
#include <vector>

#include "controls/dialogs.h"
#include "controls/tape_pane.h"

using namespace tivorum;

namespace {

// Answers the print dialog as told and notes whether it offered a selection.
class PrintAnswering : public Dialogs {
 public:
  void message(QWidget*, const QString& caption, const QString& text, BoxIcon) override {
    boxes.push_back((caption + ": " + text).toStdString());
  }
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  void showHelp(QDialog&) override {}
  void showAbout(QDialog&) override {}
  PrintAnswer askPrint(QWidget*, bool hasSelection) override {
    offeredSelection = hasSelection;
    return answer;
  }
  PrintAnswer answer;
  bool offeredSelection = false;
  std::vector<std::string> boxes;
};

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

}  // namespace

// A text file takes the selection whatever the range says, and the working
// folder's CALCULAT.TXT starts afresh only when it was already too large at
// start-up.
TEST(TapeOutput, PrintsTheTapeOrItsSelectionToATextFile) {
  const QByteArray big(130000, 'x');
  const QString previous = QDir::currentPath();
  const struct {
    const char* what;
    int selectTo;  // characters selected from the start; 0: none
    bool accepted;
    bool bigAtStart;     // CALCULAT.TXT over the limit when noted
    bool bigAfterStart;  // ... or only grown so since
    QByteArray after;    // CALCULAT.TXT afterwards
  } cases[] = {
      {"whole tape", 0, true, false, false, "12\r\n+\r\n3.5\r\n"},
      {"selection", 4, true, false, false, "12\r\n+\r\n"},
      {"cancelled", 4, false, false, false, "missing"},
      {"too large at start-up", 0, true, true, false, "12\r\n+\r\n3.5\r\n"},
      {"grown too large since", 0, true, false, true, big + "12\r\n+\r\n3.5\r\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    const QString file = QDir(folder.path()).absoluteFilePath("CALCULAT.TXT");
    const auto writeBig = [&] {
      QFile f(file);
      ASSERT_TRUE(f.open(QIODevice::WriteOnly));
      f.write(big);
    };
    if (c.bigAtStart) writeBig();
    PrintAnswering dialogs;
    dialogs.answer.accepted = c.accepted;
    dialogs.answer.toFile = true;
    dialogs.answer.fileName = file;
    setDialogs(&dialogs);
    QWidget window;
    auto* tape = new TapePane(&window);
    for (const char* line : {"12", "+", "3.5"}) tape->append(line);
    TapeOutput output(window, *tape);
    output.noteTapeFile(folder.path().toStdString());
    if (c.bigAfterStart) writeBig();
    if (c.selectTo > 0) tape->selectCharacters(0, c.selectTo);
    output.print();
    setDialogs(nullptr);
    EXPECT_EQ(dialogs.offeredSelection, c.selectTo > 0);
    EXPECT_EQ(readAll(file), c.after);
    EXPECT_TRUE(dialogs.boxes.empty());
    QDir::setCurrent(previous);
  }
}
