// A stand-in for the main window that module windows sit over: it records
// the help topics and message boxes asked of it and keeps the tape in memory.
#pragma once

#include <QString>
#include <QWidget>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "calc/tape.h"
#include "controls/module_host.h"

namespace tivorum::test {

class FakeHost : public ModuleHost {
 public:
  explicit FakeHost(std::filesystem::path folder = {}) : folder_(std::move(folder)) {}

  QWidget& hostWindow() override { return window_; }
  void showHelp(std::string_view topic) override { helpTopics.emplace_back(topic); }
  Tape& tape() override { return tapeLines; }
  CurrencyFactors& currencyFactors() override { return factors_; }
  char decimalChar() const override { return point; }
  const std::filesystem::path& settingsFolder() const override { return folder_; }
  void message(QWidget*, const QString& caption, const QString& text, BoxIcon) override {
    messages.push_back((caption + ": " + text).toStdString());
  }

  MemoryTape tapeLines;
  char point = '.';
  std::vector<std::string> helpTopics;
  std::vector<std::string> messages;  // "caption: text"

 private:
  QWidget window_;
  CurrencyFactors factors_{};
  std::filesystem::path folder_;
};

}  // namespace tivorum::test
