// Dialogs that record the topic of every help window shown, by its heading,
// and answer every other box at once.
#pragma once

#include <QDialog>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/help_form.h"
#include "controls/dialogs.h"

namespace tivorum::test {

class HelpRecorder : public Dialogs {
 public:
  void message(QWidget*, const QString&, const QString&, BoxIcon) override {}
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  void showHelp(QDialog& window) override {
    topics.push_back(static_cast<THelpForm&>(window).lines().value(0).toStdString());
    if (whileShown) std::exchange(whileShown, nullptr)();
  }
  void showAbout(QDialog&) override {}
  PrintAnswer askPrint(QWidget*, bool) override { return {}; }

  std::vector<std::string> topics;   // "*** Topic ***"
  std::function<void()> whileShown;  // runs once, as the next help window shows
};

}  // namespace tivorum::test
