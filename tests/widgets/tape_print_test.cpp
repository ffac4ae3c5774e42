#include "controls/tape_print.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "../core/temp_folder.h"
#include "controls/dialogs.h"

using namespace tivorum;

namespace {

const std::vector<std::string> kLines = {"12", "+", "3.5", "= 15.5"};
const QByteArray kText = "12\r\n+\r\n3.5\r\n= 15.5\r\n";

QByteArray readAll(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& data) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(data);
}

class Recording : public Dialogs {
 public:
  void message(QWidget*, const QString& caption, const QString& text, BoxIcon) override {
    boxes << caption + ": " + text;
  }
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  void showHelp(QDialog&) override {}
  void showAbout(QDialog&) override {}
  PrintAnswer askPrint(QWidget*, bool) override { return {}; }
  QStringList boxes;
};

// Runs in a fresh working folder, as the program does in its own.
class TapePrint : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder.isValid());
    previous = QDir::currentPath();
    QDir::setCurrent(folder.path());
    setDialogs(&recording);
  }
  void TearDown() override {
    setDialogs(nullptr);
    QDir::setCurrent(previous);
  }
  QString at(const QString& name) const { return QDir(folder.path()).absoluteFilePath(name); }
  PrintAnswer toFile(const QString& name) const {
    PrintAnswer a;
    a.accepted = true;
    a.toFile = true;
    a.fileName = at(name);
    return a;
  }

  QTemporaryDir folder;
  QString previous;
  Recording recording;
  QFont font = QApplication::font();
};

TEST_F(TapePrint, TextFilesGetTheTapeAppendedOnlyCalculatTxtHasTheSizeRule) {
  const QByteArray big(130000, 'x');
  QDir(folder.path()).mkdir("sub");
  const struct {
    const char* written;  // the name the dialog answers with
    const char* file;     // the file that changes
    QByteArray after;
  } cases[] = {
      {"other.txt", "other.txt", big + kText},
      {"CALCULAT.TXT", "CALCULAT.TXT", kText},
      {"sub/../CALCULAT.TXT", "CALCULAT.TXT", kText},
      {"calculat.txt", "calculat.txt", big + kText},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.written);
    writeAll(at(c.file), big);
    printTape(nullptr, toFile(c.written), kLines, font, true);
    EXPECT_EQ(readAll(at(c.file)), c.after);
    EXPECT_TRUE(recording.boxes.isEmpty()) << recording.boxes.join('\n').toStdString();
  }
}

TEST_F(TapePrint, APdfNameGetsAPdf) {
  for (const char* name : {"tape.pdf", "TAPE.PDF"}) {
    SCOPED_TRACE(name);
    printTape(nullptr, toFile(name), kLines, font, false);
    EXPECT_TRUE(readAll(at(name)).startsWith("%PDF-"));
  }
  EXPECT_FALSE(QFile::exists(at("CALCULAT.TXT")));
}

TEST_F(TapePrint, FailuresNameTheFile) {
  QDir(folder.path()).mkdir("folder.txt");
  QDir(folder.path()).mkdir("folder.pdf");
  QFile::link("/dev/full", at("full.txt"));
  QFile::link("/dev/full", at("full.pdf"));
  const struct {
    QString name;
    QString box;
  } cases[] = {
      {"missing/tape.pdf", "Error: Error. Cannot create file " + at("missing/tape.pdf") + "."},
      {"missing/tape.txt", "Error: Error. Cannot create file " + at("missing/tape.txt") + "."},
      {"folder.txt", "Error: Error. Cannot write file " + at("folder.txt") + "."},
      {"folder.pdf", "Error: Error. Cannot write file " + at("folder.pdf") + "."},
      // A device is never written, neither as text nor as a PDF.
      {"full.txt", "Error: Error. Cannot write file " + at("full.txt") + "."},
      {"full.pdf", "Error: Error. Cannot write file " + at("full.pdf") + "."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    recording.boxes.clear();
    printTape(nullptr, toFile(c.name), kLines, font, false);
    EXPECT_EQ(recording.boxes, QStringList{c.box});
  }
}

TEST_F(TapePrint, APdfThatCannotBeWrittenWholeIsReportedAndTheOldOneKept) {
  writeAll(at("tape.pdf"), "older");
  {
    // A disk that fills up while the PDF is written.
    tivorum::testing::FileSizeLimit full(1000);
    printTape(nullptr, toFile("tape.pdf"), kLines, font, false);
  }
  EXPECT_EQ(recording.boxes,
            QStringList{"Error: Error. Cannot write file " + at("tape.pdf") + "."});
  EXPECT_EQ(readAll(at("tape.pdf")), "older");
  EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"tape.pdf"});
  // With room, the same print replaces it.
  recording.boxes.clear();
  printTape(nullptr, toFile("tape.pdf"), kLines, font, false);
  EXPECT_TRUE(recording.boxes.isEmpty());
  EXPECT_TRUE(readAll(at("tape.pdf")).startsWith("%PDF-"));
  EXPECT_TRUE(readAll(at("tape.pdf")).trimmed().endsWith("%%EOF"));
}

TEST_F(TapePrint, CancelledPrintsNothing) {
  PrintAnswer cancelled = toFile("CALCULAT.TXT");
  cancelled.accepted = false;
  printTape(nullptr, cancelled, kLines, font, false);
  EXPECT_FALSE(QFile::exists(at("CALCULAT.TXT")));
}

// What the real print dialog showed when it opened.
struct Shown {
  QString item, file, type;
};

// Opens the real print dialog and lets `user` act on it before OK is
// pressed; a question box on the way is recorded and answered No.
PrintAnswer answerRealDialog(const std::function<void(QPrintDialog&)>& user, Shown& shown,
                             QStringList& questions) {
  QTimer questionGuard;
  QObject::connect(&questionGuard, &QTimer::timeout, [&] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(w);
      if (box && box->isVisible()) {
        questions << box->text();
        box->reject();
      }
    }
  });
  questionGuard.start(20);
  QTimer::singleShot(0, [&] {
    QPrintDialog* dialog = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* d = qobject_cast<QPrintDialog*>(w); d && d->isVisible()) dialog = d;
    }
    if (!dialog) return;
    auto* printers = dialog->findChild<QComboBox*>("printers");
    auto* file = dialog->findChild<QLineEdit*>("filename");
    auto* type = dialog->findChild<QLabel*>("type");
    if (!printers || !file || !type) {
      dialog->reject();
      return;
    }
    // The print-to-file choice, as a user picks it when printers exist.
    printers->setCurrentIndex(printers->count() - 1);
    shown = {printers->currentText(), file->text(), type->text()};
    user(*dialog);
    dialog->accept();
    if (dialog->isVisible()) dialog->reject();
  });
  return dialogs().askPrint(nullptr, false);
}

TEST_F(TapePrint, RealDialogPresetsCalculatTxtAndHonoursATypedName) {
  setDialogs(nullptr);
  writeAll(at("CALCULAT.TXT"), "old\r\n");
  writeAll(at("tape.txt"), "old\r\n");
  auto typeName = [](const QString& name) {
    return [name](QPrintDialog& d) { d.findChild<QLineEdit*>("filename")->setText(name); };
  };
  const struct {
    const char* what;
    std::function<void(QPrintDialog&)> user;
    QString shownFile;  // the output file the dialog opens with
    QString answered;   // the file the answer names
    bool pdf;
    QString type;  // what the dialog says the file gets, at OK
  } cases[] = {
      {"default", [](QPrintDialog&) {}, at("CALCULAT.TXT"), at("CALCULAT.TXT"), false,
       "Append the tape as plain text"},
      {"a bare text name", typeName("tape.txt"), at("CALCULAT.TXT"), at("tape.txt"), false,
       "Append the tape as plain text"},
      {"remembered, then a PDF", typeName("tape.pdf"), at("tape.txt"), at("tape.pdf"), true,
       "Write PDF file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Shown shown;
    QStringList questions;
    QString typeAtOk;
    auto user = [&](QPrintDialog& d) {
      c.user(d);
      typeAtOk = d.findChild<QLabel*>("type")->text();
    };
    const PrintAnswer answer = answerRealDialog(user, shown, questions);
    ASSERT_TRUE(answer.accepted);
    EXPECT_EQ(shown.item, "Print to File");
    EXPECT_EQ(shown.file, c.shownFile);
    EXPECT_EQ(typeAtOk, c.type);
    EXPECT_TRUE(answer.toFile);
    EXPECT_EQ(answer.fileName, c.answered);
    EXPECT_EQ(isPdfFileName(answer.fileName), c.pdf);
    // Appending overwrites nothing, so nothing asks about it.
    EXPECT_TRUE(questions.isEmpty()) << questions.join('\n').toStdString();
    if (c.pdf) {
      ASSERT_NE(answer.printer, nullptr);
      EXPECT_EQ(answer.printer->outputFormat(), QPrinter::PdfFormat);
      EXPECT_EQ(answer.printer->outputFileName(), c.answered);
    } else {
      EXPECT_EQ(answer.printer, nullptr);
    }
  }
}

}  // namespace
