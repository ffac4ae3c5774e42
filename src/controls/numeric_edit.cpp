#include "controls/numeric_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QRegularExpression>
#include <algorithm>

#include "calc/number.h"
#include "controls/look.h"
#include "controls/qt_text.h"

namespace tivorum {

namespace {

// QLineEdit's own bound when a field has no limit.
constexpr int kNoLimit = 32767;

QString withoutSelection(const QLineEdit& edit) {
  QString text = edit.text();
  if (edit.hasSelectedText()) text.remove(edit.selectionStart(), edit.selectedText().size());
  return text;
}

bool isPointCharacter(QChar c) {
  return c == QLatin1Char('.') || c == QLatin1Char(',');
}

// The "." and "," keys, and the keypad's decimal key whatever it types.
bool isPointKey(const QKeyEvent& event) {
  const QString typed = event.text();
  if (typed.size() == 1 && isPointCharacter(typed.at(0))) return true;
  return (event.modifiers() & Qt::KeypadModifier) &&
         (event.key() == Qt::Key_Period || event.key() == Qt::Key_Comma);
}

// What of `typed` the field takes after `before`: digits, and "." or "," as
// the one point, typed as `point`.
QString acceptedText(const QString& typed, const QString& before, QChar point) {
  QString kept;
  for (QChar c : typed) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      kept += c;
    } else if (isPointCharacter(c) && !(before + kept).contains(point)) {
      kept += point;
    }
  }
  return kept;
}

// A window that gives the field its own font still gets bold digits.
void keepBold(QLineEdit* edit, QEvent* event) {
  if (event->type() != QEvent::FontChange || edit->font().bold()) return;
  QFont bold = edit->font();
  bold.setBold(true);
  edit->setFont(bold);
}

}  // namespace

void applyDisplayLook(QLineEdit* edit) {
  setScreenColours(edit, kLime);
  QPalette pal = edit->palette();
  pal.setColor(QPalette::Window, kBlack);
  edit->setPalette(pal);
  // Only the weight is the field's own; family and size follow the window.
  QFont bold;
  bold.setBold(true);
  edit->setFont(bold);
  edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

NumericEdit::NumericEdit(QWidget* parent) : QLineEdit(parent) {
  applyDisplayLook(this);
  applyLimit(0);
}

void NumericEdit::setMaxChars(int n) {
  maxChars_ = std::max(n, 0);
  applyLimit(text().size());
}

void NumericEdit::applyLimit(int shownLength) {
  const int limit = maxChars_ > 0 ? std::max(maxChars_, shownLength) : kNoLimit;
  if (maxLength() != limit) setMaxLength(limit);
}

std::string NumericEdit::valueText() const {
  // Pasted text may hold line breaks; only the first line is the value.
  QString line = text();
  const qsizetype end = line.indexOf(QRegularExpression(QStringLiteral("[\r\n]")));
  if (end >= 0) line.truncate(end);
  return tradePoint(line.toStdString(), point_);
}

void NumericEdit::setResultText(std::string_view text) {
  showText(qstr(tradePoint(text, point_)));
}

void NumericEdit::showText(const QString& text) {
  applyLimit(text.size());
  setText(text);
}

void NumericEdit::pasteText(const QString& text) {
  applyLimit(0);
  selectAll();
  insert(text);
}

void NumericEdit::keyPressEvent(QKeyEvent* event) {
  const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  const QString typed = isPointKey(*event) ? QStringLiteral(".") : event->text();
  if (command || typed.isEmpty() || !typed.at(0).isPrint()) {
    // Editing and moving keys and the standard shortcuts.
    QLineEdit::keyPressEvent(event);
    return;
  }
  // Of what types a character, a digit and one point are taken; nothing
  // else reaches the text.
  event->accept();
  const QString rest = withoutSelection(*this);
  const QString kept = acceptedText(typed, rest, QChar(point_));
  if (kept.isEmpty() || (maxChars_ > 0 && rest.size() + kept.size() > maxChars_)) return;
  insert(kept);
}

void NumericEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  const QString kept = acceptedText(commit, withoutSelection(*this), QChar(point_));
  if (kept == commit) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  QInputMethodEvent filtered(event->preeditString(), event->attributes());
  filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
  QLineEdit::inputMethodEvent(&filtered);
}

void NumericEdit::changeEvent(QEvent* event) {
  keepBold(this, event);
  QLineEdit::changeEvent(event);
}

ResultField::ResultField(QWidget* parent) : QLineEdit(parent) {
  applyDisplayLook(this);
  setReadOnly(true);
}

void ResultField::changeEvent(QEvent* event) {
  keepBold(this, event);
  QLineEdit::changeEvent(event);
}

std::string ResultField::valueText() const {
  return tradePoint(text().toStdString(), point_);
}

void ResultField::setResultText(std::string_view text) {
  setText(qstr(tradePoint(text, point_)));
}

}  // namespace tivorum
