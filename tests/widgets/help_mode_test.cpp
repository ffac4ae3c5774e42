#include "app/help_mode.h"

#include <gtest/gtest.h>

#include <QPushButton>
#include <QWidget>
#include <string>
#include <vector>

#include "controls/dialogs.h"
#include "help_recorder.h"

using namespace tivorum;
using tivorum::test::HelpRecorder;

namespace {

struct Fixture {
  Fixture() {
    setDialogs(&recorder);
    window.show();
  }
  ~Fixture() { setDialogs(nullptr); }
  HelpRecorder recorder;
  QWidget window;
  QPushButton* enableKey = new QPushButton(&window);
  HelpMode mode{window, *enableKey, "missing"};
};

}  // namespace

TEST(HelpMode, TheHelpKeyAndATopicStartAndEndTheMode) {
  enum Step { HelpKey, Topic };
  const struct {
    const char* what;
    std::vector<Step> steps;
    bool onAfter;
    std::vector<std::string> shown;
  } cases[] = {
      {"help key starts", {HelpKey}, true, {}},
      {"a key's topic ends", {HelpKey, Topic}, false, {"*** Sin ***"}},
      {"help key again shows help on help", {HelpKey, HelpKey}, false, {"*** Help ***"}},
      {"a topic outside the mode", {Topic}, false, {"*** Sin ***"}},
      {"the mode again after it ended", {HelpKey, Topic, HelpKey}, true, {"*** Sin ***"}},
  };
  for (const auto& c : cases) {
    Fixture f;
    for (Step step : c.steps) step == HelpKey ? f.mode.helpKey() : f.mode.show("Sin");
    EXPECT_EQ(f.mode.on(), c.onAfter) << c.what;
    // The Help Enable key lies over the Help key and hides while the mode lasts.
    EXPECT_EQ(f.enableKey->isVisible(), !c.onAfter) << c.what;
    EXPECT_EQ(f.recorder.topics, c.shown) << c.what;
  }
}

// A module's Help asked for while the help on help shows leaves the mode to
// the Help key, which ends it once that window closes.
TEST(HelpMode, HelpOnHelpEndsTheModeWhenItCloses) {
  Fixture f;
  f.mode.helpKey();
  bool onDuring = false;
  f.recorder.whileShown = [&] {
    f.mode.show("Loan");
    onDuring = f.mode.on();
  };
  f.mode.helpKey();
  EXPECT_TRUE(onDuring);
  EXPECT_FALSE(f.mode.on());
  EXPECT_TRUE(f.enableKey->isVisible());
  EXPECT_EQ(f.recorder.topics, (std::vector<std::string>{"*** Help ***", "*** Loan ***"}));
}
