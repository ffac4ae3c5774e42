// A whole-number spin field: up and down arrows over a short text.
#pragma once

#include <QAbstractSpinBox>

namespace tivorum {

class SpinField : public QAbstractSpinBox {
  Q_OBJECT

 public:
  explicit SpinField(QWidget* parent = nullptr);
  SpinField(int minimum, int maximum, int maxChars, QWidget* parent = nullptr);

  void setRange(int minimum, int maximum);
  int minimum() const { return min_; }
  int maximum() const { return max_; }
  // Most characters the user can type; 0 means no limit.
  void setMaxChars(int n);
  int maxChars() const { return maxChars_; }

  // The whole number in the text, or the minimum when the text is not one.
  // Not clamped: leaving the field does that.
  int value() const;
  // Shows v clamped into the range.
  void setValue(int v);

  QValidator::State validate(QString& input, int& pos) const override;
  void stepBy(int steps) override;

 signals:
  void valueChanged(int value);

 protected:
  StepEnabled stepEnabled() const override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void showNumber(int v);

  int min_ = 0;
  int max_ = 99;
  int maxChars_ = 0;
  int shownLength_ = 0;  // length of the last number shown by the program
};

}  // namespace tivorum
