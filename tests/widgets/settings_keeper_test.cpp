#include "controls/settings_keeper.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <string>
#include <vector>

#include "calc/engine.h"
#include "calc/ini_file.h"
#include "calc/tape.h"
#include "controls/dialogs.h"

using namespace tivorum;

namespace {

struct QuietHost : EngineHost {
  void showErrorBox(std::string_view, std::string_view) override {}
  bool confirm(std::string_view) override { return true; }
  void reportFault(std::string_view) override {}
};

class BoxCounter : public Dialogs {
 public:
  void message(QWidget*, const QString&, const QString&, BoxIcon) override { ++boxes; }
  bool confirm(QWidget*, const QString&, const QString&) override { return true; }
  void showHelp(QDialog&) override {}
  void showAbout(QDialog&) override {}
  PrintAnswer askPrint(QWidget*, bool) override { return {}; }
  int boxes = 0;
};

// A keeper over `folder` whose window holds `current`.
struct Keeper {
  explicit Keeper(const std::filesystem::path& folder)
      : keeper(window, engine, folder, [this] { return current; }) {
    setDialogs(&dialogs);
  }
  ~Keeper() { setDialogs(nullptr); }
  BoxCounter dialogs;
  QWidget window;
  MemoryTape tape;
  QuietHost host;
  CalcEngine engine{tape, host};
  Settings current;
  SettingsKeeper keeper;
};

}  // namespace

// Nothing is written before the settings were read, nor when nothing
// changed, nor after the run's last save.
TEST(SettingsKeeper, WritesWhatChangedFromReadingToTheLastSave) {
  enum Step { Load, HintsOff, Keep, Save, SaveLast };
  const struct {
    const char* what;
    std::vector<Step> steps;
    const char* hintOn;  // in CUSTOM.INI afterwards
  } cases[] = {
      {"not read yet", {HintsOff, Keep, Save, SaveLast}, "missing"},
      {"nothing changed", {Load, Keep}, "missing"},
      {"a change is kept at once", {Load, HintsOff, Keep}, "0"},
      {"the session's save", {Load, Save}, "1"},
      {"the last save", {Load, HintsOff, SaveLast}, "0"},
      {"nothing after the last save", {Load, SaveLast, HintsOff, Keep, Save, SaveLast}, "1"},
  };
  for (const auto& c : cases) {
    QTemporaryDir folder;
    const std::filesystem::path where(folder.path().toStdString());
    Keeper k(where);
    for (Step step : c.steps) {
      switch (step) {
        case Load:
          k.current = k.keeper.load();
          break;
        case HintsOff:
          k.current.hintsOn = false;
          break;
        case Keep:
          k.keeper.keep();
          break;
        case Save:
          k.keeper.save();
          break;
        case SaveLast:
          k.keeper.saveLast();
          break;
      }
    }
    EXPECT_EQ(IniFile(where / "CUSTOM.INI").readString("Hints", "HintOn", "missing"), c.hintOn)
        << c.what;
    EXPECT_EQ(k.dialogs.boxes, 0) << c.what;
  }
}

TEST(SettingsKeeper, AFileThatCannotBeWrittenIsShownOnceAndNotAtTheSessionsEnd) {
  QTemporaryDir folder;
  // The settings folder is a file: nothing can be written into it.
  const QString blocker = folder.filePath("not-a-folder");
  QFile file(blocker);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  for (bool silenced : {false, true}) {
    Keeper k(blocker.toStdString());
    if (silenced) k.keeper.silence();
    k.current = k.keeper.load();
    k.current.hintsOn = false;
    k.keeper.keep();
    k.current.tapeShown = false;
    k.keeper.keep();
    EXPECT_TRUE(k.keeper.saveLast());
    EXPECT_FALSE(k.keeper.saveLast());
    EXPECT_EQ(k.dialogs.boxes, silenced ? 0 : 1) << silenced;
  }
}
