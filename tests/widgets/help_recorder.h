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
#include "quiet_dialogs.h"

namespace tivorum::test {

class HelpRecorder : public testing::QuietDialogs {
 public:
  void showHelp(QDialog& window) override {
    topics.push_back(static_cast<THelpForm&>(window).lines().value(0).toStdString());
    if (whileShown) std::exchange(whileShown, nullptr)();
  }

  std::vector<std::string> topics;   // "*** Topic ***"
  std::function<void()> whileShown;  // runs once, as the next help window shows
};

}  // namespace tivorum::test
