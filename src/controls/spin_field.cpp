#include "controls/spin_field.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <algorithm>
#include <limits>

namespace tivorum {

namespace {

// Blanks, an optional sign and digits; false for anything else and for
// numbers beyond the int range.
bool parseWhole(const QString& text, int& out) {
  qsizetype i = 0;
  while (i < text.size() && text.at(i) == QLatin1Char(' ')) ++i;
  bool negative = false;
  if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
    negative = text.at(i) == QLatin1Char('-');
    ++i;
  }
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    const QChar c = text.at(i);
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return false;
    v = v * 10 + (c.unicode() - '0');
    if (v > static_cast<long long>(std::numeric_limits<int>::max()) + 1) return false;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

SpinField::SpinField(QWidget* parent) : SpinField(0, 99, 0, parent) {}

SpinField::SpinField(int minimum, int maximum, int maxChars, QWidget* parent)
    : QAbstractSpinBox(parent) {
  setRange(minimum, maximum);
  setMaxChars(maxChars);
  showNumber(min_);
  connect(lineEdit(), &QLineEdit::textChanged, this, [this] { emit valueChanged(value()); });
}

void SpinField::setRange(int minimum, int maximum) {
  min_ = minimum;
  max_ = std::max(minimum, maximum);
}

void SpinField::setMaxChars(int n) {
  maxChars_ = std::max(n, 0);
}

int SpinField::value() const {
  int v = 0;
  return parseWhole(text(), v) ? v : min_;
}

void SpinField::setValue(int v) {
  showNumber(std::clamp(v, min_, max_));
}

void SpinField::showNumber(int v) {
  const QString text = QString::number(v);
  // The program may show more digits than the user may type (5000 in a
  // three-character field); typing then still cannot lengthen it.
  shownLength_ = text.size();
  if (lineEdit()->text() != text) lineEdit()->setText(text);
}

QValidator::State SpinField::validate(QString& input, int&) const {
  for (QChar c : input) {
    if (!(c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char(' ')))
      return QValidator::Invalid;
  }
  if (maxChars_ > 0 && input.size() > std::max(maxChars_, shownLength_)) return QValidator::Invalid;
  return QValidator::Acceptable;
}

void SpinField::stepBy(int steps) {
  const long long next = static_cast<long long>(value()) + steps;
  setValue(static_cast<int>(std::clamp<long long>(next, min_, max_)));
}

QAbstractSpinBox::StepEnabled SpinField::stepEnabled() const {
  if (isReadOnly()) return StepNone;
  StepEnabled e = StepNone;
  const int v = value();
  if (v < max_) e |= StepUpEnabled;
  if (v > min_) e |= StepDownEnabled;
  return e;
}

void SpinField::focusInEvent(QFocusEvent* event) {
  QAbstractSpinBox::focusInEvent(event);
  selectAll();
}

void SpinField::focusOutEvent(QFocusEvent* event) {
  int v = 0;
  const bool whole = parseWhole(text(), v);
  // Text that is not a number already counts as the minimum; show it so.
  if (!whole || std::clamp(v, min_, max_) != v) setValue(whole ? v : min_);
  QAbstractSpinBox::focusOutEvent(event);
}

}  // namespace tivorum
