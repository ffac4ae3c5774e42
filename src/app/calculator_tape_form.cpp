// The main window's tape as a document: kept between runs through the tape
// journal, and its context menu (copy, notes, saving, opening, CSV export,
// and whether to keep it).
#include <QAction>
#include <QMenu>

#include "app/calculator_form.h"
#include "calc/release_memory.h"
#include "calc/tape_csv.h"
#include "calc/tape_document.h"
#include "calc/tape_journal.h"
#include "controls/dialogs.h"
#include "controls/qt_text.h"
#include "controls/settings_keeper.h"
#include "controls/tape_pane.h"
#include "controls/tape_print.h"

using namespace tivorum;

namespace {

// Writes what `content` makes of the tape to the file the user chooses.
void writeTapeAs(QWidget* parent, FileQuestion question, const std::string& content) {
  const QString file = dialogs().askFile(parent, question);
  if (file.isEmpty()) return;
  const WriteResult result = writeWholeFile(toPath(file), content, file.toStdString());
  if (!result.ok) showError(parent, qstr(result.message));
}

}  // namespace

void Tcalculator1::buildTapeMenu() {
  // The menu is the window's: what it offers reaches beyond the pane.
  Tape->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Tape, &QWidget::customContextMenuRequested, this, &Tcalculator1::TapeMenuPopup);
}

void Tcalculator1::TapeMenuPopup(const QPoint& at) {
  QMenu menu(this);
  menu.setObjectName("TapeMenu");
  const bool hasLines = Tape->lineCount() > 0;
  auto item = [&](const char* caption, void (Tcalculator1::*handler)(), bool enabled) {
    QAction* action = menu.addAction(QString::fromUtf8(caption), this, handler);
    action->setEnabled(enabled);
    return action;
  };
  item("&Copy", &Tcalculator1::ButtonCopyClick, hasLines);
  item("Select &All", &Tcalculator1::SelectAllClick, hasLines);
  menu.addSeparator();
  item("Add &Note…", &Tcalculator1::AddNoteClick, hasLines);
  menu.addSeparator();
  item("&Save Tape As…", &Tcalculator1::SaveTapeClick, true);
  item("&Open Tape…", &Tcalculator1::OpenTapeClick, true);
  item("&Export as CSV…", &Tcalculator1::ExportCsvClick, true);
  menu.addSeparator();
  QAction* keep = item("&Keep Tape Between Runs", &Tcalculator1::KeepTapeClick, true);
  keep->setCheckable(true);
  keep->setChecked(KeepTape);
  dialogs().popUp(menu, Tape->viewport()->mapToGlobal(at));
  // As after the tape's keys: the next typed character reaches the keypad.
  focusEquals();
}

void Tcalculator1::TapeMenuKey() {
  if (!Tape->isVisible()) return;
  // By the caret when the user has placed it and it is in view, else in the
  // middle of the tape.
  const QRect view = Tape->viewport()->rect();
  QPoint at = view.center();
  if (Tape->caretLine()) {
    const QRect caret = Tape->characterRect(Tape->cursorPosition());
    if (view.contains(caret.bottomLeft())) at = caret.bottomLeft();
  }
  TapeMenuPopup(at);
}

void Tcalculator1::SelectAllClick() {
  Tape->selectAll();
}

void Tcalculator1::AddNoteClick() {
  const TapeLines& store = Tape->store();
  if (store.empty()) return;
  const std::size_t line = Tape->caretLine().value_or(store.size() - 1);
  const std::optional<QString> typed =
      dialogs().askText(this, "Add Note", "Note for the line \"" + qstr(store.line(line)) + "\":",
                        qstr(store.note(line)), static_cast<int>(kNoteMaxCharacters));
  if (typed) Tape->setNote(line, cleanNote(typed->toStdString()));
}

void Tcalculator1::SaveTapeClick() {
  writeTapeAs(this, FileQuestion::SaveTape, tapeDocument(Tape->store()));
}

void Tcalculator1::ExportCsvClick() {
  writeTapeAs(this, FileQuestion::ExportCsv, tapeCsv(Tape->store()));
}

void Tcalculator1::OpenTapeClick() {
  const QString file = dialogs().askFile(this, FileQuestion::OpenTape);
  if (file.isEmpty()) return;
  const TapeDocumentFile read = loadTapeDocument(toPath(file), file.toStdString());
  if (!read.problem.empty()) return showError(this, qstr(read.problem));
  const int count = Tape->lineCount();
  const QString what = count == 1 ? QString("line") : QString("%1 lines").arg(count);
  if (count > 0 && !dialogs().confirm(
                       this, "Confirm",
                       QString("Replace the %1 of the tape with the tape in %2?").arg(what, file)))
    return;
  TapeLines lines;
  readTapeDocument(read.bytes, [&lines](std::string_view line, std::string_view note) {
    lines.append(line);
    if (!note.empty()) lines.setNote(lines.size() - 1, note);
  });
  // Through the engine, so that "=" then takes back no line of the new tape.
  engine_->clearTape();
  Tape->fill(std::move(lines));
  // The journal was not told of the lines one by one: it starts afresh.
  if (journal_->started()) journal_->start(Tape->store());
  releaseFreedMemory();
  reportJournalProblem();
}

void Tcalculator1::KeepTapeClick() {
  KeepTape = !KeepTape;
  if (KeepTape)
    journal_->start(Tape->store());
  else
    journal_->discard();
  settings_->report(saveKeepTape(paths_.settingsFolder, KeepTape));
  reportJournalProblem();
}

void Tcalculator1::restoreTape() {
  if (tapeRestored_ || settings_->closing()) return;
  tapeRestored_ = true;
  Tape->setObserver(journal_.get());
  if (!KeepTape) {
    // Nothing kept by an earlier run comes back later.
    journal_->discard();
    return;
  }
  const std::unique_ptr<JournalReplay> replay = journal_->load();
  if (replay->size() > 0) {
    TapeLines lines;
    appendLinesOf(lines, *replay);
    // Lines written before the kept ones came back stay after them.
    appendLinesOf(lines, Tape->store());
    Tape->fill(std::move(lines));
  }
  journal_->start(Tape->store());
  // The journal's bytes and the copies made on the way are gone now.
  releaseFreedMemory();
  reportJournalProblem();
}

void Tcalculator1::settleTape() {
  journal_->settle();
}

void Tcalculator1::reportJournalProblem() {
  const WriteResult problem = journal_->takeProblem();
  if (!problem.ok) reportError(this, problem.message);
}
