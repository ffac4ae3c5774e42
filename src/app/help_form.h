// The help window: one topic of the help file, shown modally by the main
// window's help mode (which every module's Help key calls too).
#pragma once

#include <QDialog>
#include <QStringList>
#include <filesystem>
#include <string_view>

class QPlainTextEdit;
class QPushButton;

class THelpForm : public QDialog {
  Q_OBJECT

 public:
  explicit THelpForm(QWidget* owner = nullptr);

  // Fills HelpMemo with the topic's heading and its 50 lines from the help
  // file in helpFolder; a missing file or topic gives the heading and 50 empty lines.
  void fill(std::string_view topic, const std::filesystem::path& helpFolder);
  void setLines(const QStringList& lines);
  // The lines of HelpMemo, heading first.
  QStringList lines() const;

  QPlainTextEdit* HelpMemo;
  QPushButton* HelpOK;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void HelpOKClick();
};
