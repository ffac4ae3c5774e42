#include "controls/numeric_edit.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QRegularExpression>
#include <algorithm>

#include "calc/number.h"
#include "calc/numeric_key.h"
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

// A window that gives the field its own font still gets bold digits.
void keepBold(QLineEdit* edit, QEvent* event) {
  if (event->type() != QEvent::FontChange || edit->font().bold()) return;
  QFont bold = edit->font();
  bold.setBold(true);
  edit->setFont(bold);
}

}  // namespace

std::uint16_t virtualKeyCode(const QKeyEvent& event) {
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  const int key = event.key();
  if (key >= Qt::Key_0 && key <= Qt::Key_9) return (keypad ? 96 : 48) + (key - Qt::Key_0);
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return 65 + (key - Qt::Key_A);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 112 + (key - Qt::Key_F1);
  switch (key) {
    case Qt::Key_Backspace:
      return kVkBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return kVkTab;
    case Qt::Key_Clear:
      return 12;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 13;
    case Qt::Key_Shift:
      return 16;
    case Qt::Key_Control:
      return 17;
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
      return 18;
    case Qt::Key_Pause:
      return 19;
    case Qt::Key_CapsLock:
      return 20;
    case Qt::Key_Escape:
      return 27;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_PageUp:
      return 33;
    case Qt::Key_PageDown:
      return 34;
    case Qt::Key_End:
      return 35;
    case Qt::Key_Home:
      return 36;
    case Qt::Key_Left:
      return 37;
    case Qt::Key_Up:
      return 38;
    case Qt::Key_Right:
      return 39;
    case Qt::Key_Down:
      return 40;
    case Qt::Key_Print:
      return 44;
    case Qt::Key_Insert:
      return 45;
    case Qt::Key_Delete:
      return 46;
    case Qt::Key_Meta:
      return 91;
    case Qt::Key_Menu:
      return 93;
    case Qt::Key_Asterisk:
      return keypad ? 106 : 0;
    case Qt::Key_Plus:
      return keypad ? 107 : 187;
    case Qt::Key_Minus:
      return keypad ? 109 : 189;
    case Qt::Key_Period:
      return keypad ? kVkKeypadDecimal : kVkPeriod;
    // Where the keypad's decimal key types a comma it is still that key.
    case Qt::Key_Comma:
      return keypad ? kVkKeypadDecimal : 188;
    case Qt::Key_Slash:
      return keypad ? 111 : 191;
    case Qt::Key_NumLock:
      return 144;
    case Qt::Key_ScrollLock:
      return 145;
    case Qt::Key_Semicolon:
      return 186;
    case Qt::Key_Equal:
      return 187;
    case Qt::Key_QuoteLeft:
      return 192;
    case Qt::Key_BracketLeft:
      return 219;
    case Qt::Key_Backslash:
      return 220;
    case Qt::Key_BracketRight:
      return 221;
    case Qt::Key_Apostrophe:
      return 222;
    default:
      return 0;  // shifted symbols and other characters have no key of their own
  }
}

void applyDisplayLook(QLineEdit* edit) {
  QPalette pal = edit->palette();
  for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    pal.setColor(group, QPalette::Base, Qt::black);
    pal.setColor(group, QPalette::Window, Qt::black);
    pal.setColor(group, QPalette::Text, QColor(0, 255, 0));
  }
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
  const QString typed = event->text();
  const bool command = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (!command && isPointKey(*event)) {
    // Every point key types the one point the field takes.
    const QString rest = withoutSelection(*this);
    if (!rest.contains(QChar(point_)) && (maxChars_ == 0 || rest.size() < maxChars_))
      insert(QString(QChar(point_)));
    event->accept();
    return;
  }
  if (!command && !typed.isEmpty() && typed.at(0).isPrint()) {
    const std::uint16_t code = virtualKeyCode(*event);
    const QString rest = withoutSelection(*this);
    // The filter sees the line with the typed character at its end.
    if (!NumericKeyAllowed(code, (rest + typed).toStdString())) {
      event->accept();
      return;
    }
    if (maxChars_ > 0 && rest.size() + typed.size() > maxChars_) {
      event->accept();
      return;
    }
  }
  QLineEdit::keyPressEvent(event);
}

void NumericEdit::inputMethodEvent(QInputMethodEvent* event) {
  const QString commit = event->commitString();
  if (commit.isEmpty()) {
    QLineEdit::inputMethodEvent(event);
    return;
  }
  const QString rest = withoutSelection(*this);
  const QChar point(point_);
  QString kept;
  for (QChar c : commit) {
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      kept += c;
    } else if (isPointCharacter(c) && !(rest + kept).contains(point)) {
      kept += point;
    }
  }
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
