// Boxes answered at once, so a benchmark never waits for a person: OK,
// Yes, and the print dialog with print-to-file ticked.
#pragma once

#include <cstdio>

#include "controls/dialogs.h"

class QuietDialogs : public tivorum::Dialogs {
 public:
  void message(QWidget*, const QString& caption, const QString& text, tivorum::BoxIcon) override {
    ++messages;
    std::fprintf(stderr, "box %s: %s\n", qPrintable(caption), qPrintable(text));
  }
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  void showHelp(QDialog&) override {}
  void showAbout(QDialog&) override {}
  tivorum::PrintAnswer askPrint(QWidget*, bool) override {
    tivorum::PrintAnswer answer;
    answer.accepted = true;
    answer.toFile = true;
    return answer;
  }
  int messages = 0;
};
