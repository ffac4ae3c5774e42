#include "app/calculator_module_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/calculator_form.h"
#include "controls/dialogs.h"
#include "help_recorder.h"

using namespace tivorum;
using tivorum::test::HelpRecorder;

namespace {

void pressF1(QWidget* at) {
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent event(type, Qt::Key_F1, {}, 0, 0xffbe, 0);
    QApplication::sendEvent(at, &event);
  }
}

}  // namespace

// Each module key opens its own window; F1 there is its Help button, while
// in another window over the main one it is not.
TEST(CalculatorModuleHost, ModuleKeysOpenTheirWindowsAndF1IsTheirHelp) {
  const struct {
    Key key;
    Module module;
  } cases[] = {
      {Key::Currency, Module::Currency},     {Key::Loan, Module::Loan},
      {Key::Dividend, Module::Dividend},     {Key::Financial, Module::Financial},
      {Key::ProfitLoss, Module::Profit},     {Key::Interest, Module::Interest},
      {Key::Investment, Module::Investment}, {Key::Area, Module::Area},
      {Key::Volume, Module::Volume},         {Key::Surface, Module::Surface},
  };
  HelpRecorder recorder;
  setDialogs(&recorder);
  QTemporaryDir folder;
  const std::filesystem::path where(folder.path().toStdString());
  Tcalculator1 window(AppPaths{where, where});
  std::vector<Module> opened;
  window.setModuleWindows([&](Module module, ModuleHost& host) {
    opened.push_back(module);
    auto* dialog = new QDialog(&host.hostWindow());
    auto* help = new QPushButton("&Help", dialog);
    QObject::connect(help, &QPushButton::clicked, [&host] { host.showHelp("Module"); });
    QTimer::singleShot(0, dialog, [dialog, help] {
      help->setFocus();
      pressF1(help);
      dialog->reject();
    });
    return dialog;
  });
  startMainWindow(window);
  for (const auto& c : cases) window.pressKey(c.key);
  std::vector<Module> expected;
  for (const auto& c : cases) expected.push_back(c.module);
  EXPECT_EQ(opened, expected);
  EXPECT_EQ(recorder.topics, std::vector<std::string>(std::size(cases), "*** Module ***"));

  // A box over the main window is no module window: F1 there is not its Help.
  recorder.topics.clear();
  QDialog box(&window);
  auto* help = new QPushButton("&Help", &box);
  QObject::connect(help, &QPushButton::clicked, [&] { recorder.topics.push_back("box"); });
  box.show();
  QApplication::setActiveWindow(&box);
  help->setFocus();
  pressF1(help);
  EXPECT_TRUE(recorder.topics.empty());
  setDialogs(nullptr);
}
