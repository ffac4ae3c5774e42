// The numeric entry field of every module window and the read-only result
// field: one line, right-aligned, bold lime on black, like a calculator
// display.
#pragma once

#include <QLineEdit>
#include <string>
#include <string_view>

namespace tivorum {

// Gives a line edit the calculator-display look: right-aligned bold text,
// lime on black in every colour group.
void applyDisplayLook(QLineEdit* edit);

class NumericEdit : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumericEdit(QWidget* parent = nullptr);

  // Most characters the user can type or paste; 0 means no limit.
  int maxChars() const { return maxChars_; }
  void setMaxChars(int n);

  // The locale's decimal separator: the point keys type it, the value text
  // reads it and results show it. "." until the window sets it.
  char decimalChar() const { return point_; }
  void setDecimalChar(char point) { point_ = point; }

  // The field's value text (its first line) with "." as its point, as the
  // solvers read it; empty means unknown.
  std::string valueText() const;
  bool known() const { return !valueText().empty(); }

  // Shows a result text, written with "." as its point, with the field's
  // separator: results are already fitted to the field, so the typing limit
  // does not cut them.
  void setResultText(std::string_view text);
  // Empties the field.
  void clearText() { showText(QString()); }

  // Replaces the whole text as a paste would (limit applies, undo kept).
  void pasteText(const QString& text);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void applyLimit(int shownLength);
  void showText(const QString& text);

  int maxChars_ = 0;
  char point_ = '.';
};

// A read-only field that only shows results, with the same look.
class ResultField : public QLineEdit {
  Q_OBJECT

 public:
  explicit ResultField(QWidget* parent = nullptr);

  // As in NumericEdit: texts in and out have "." as their point.
  void setDecimalChar(char point) { point_ = point; }
  std::string valueText() const;
  void setResultText(std::string_view text);
  void clearText() { clear(); }

 protected:
  void changeEvent(QEvent* event) override;

 private:
  char point_ = '.';
};

}  // namespace tivorum
