#include "calc/settings.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <stdexcept>
#include <string>

#include "calc/ini_file.h"
#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::readFile;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

void expectSame(const Settings& a, const Settings& b) {
  EXPECT_EQ(a.memory, b.memory);
  EXPECT_EQ(a.hintsOn, b.hintsOn);
  EXPECT_EQ(a.tapeShown, b.tapeShown);
  EXPECT_EQ(a.keepTape, b.keepTape);
  EXPECT_EQ(a.placeFormat, b.placeFormat);
  EXPECT_EQ(a.top, b.top);
  EXPECT_EQ(a.left, b.left);
}

TEST(Settings, FirstRunUsesDefaultsAndClosingCreatesTheFile) {
  TempFolder dir;
  const Settings s = loadSettings(dir.path());
  for (const std::string& m : s.memory) EXPECT_EQ(m, "0");
  EXPECT_TRUE(s.hintsOn);
  EXPECT_TRUE(s.tapeShown);
  EXPECT_EQ(s.placeFormat, "%g");
  EXPECT_EQ(s.top, 0);
  EXPECT_EQ(s.left, 0);

  ASSERT_TRUE(saveSettings(dir.path(), s).ok);
  EXPECT_EQ(readFile(dir / "CUSTOM.INI"),
            "[Calculator Memory]\r\n"
            "Memory Loc. 0=0\r\nMemory Loc. 1=0\r\nMemory Loc. 2=0\r\nMemory Loc. 3=0\r\n"
            "Memory Loc. 4=0\r\nMemory Loc. 5=0\r\nMemory Loc. 6=0\r\nMemory Loc. 7=0\r\n"
            "Memory Loc. 8=0\r\nMemory Loc. 9=0\r\n"
            "\r\n[Hints]\r\nHintOn=1\r\n"
            "\r\n[Tape]\r\nShowTape=1\r\n"
            "\r\n[PlaceFormat]\r\nDisplay=%g\r\n"
            "\r\n[Location]\r\nTop=0\r\nLeft=0\r\n");
}

TEST(Settings, ReadBackAsSaved) {
  Settings a;
  a.memory = {"15.5",
              "          15.50",
              " 8.00000000000000E+0000",
              "-2.50000000000000E-0001",
              "0",
              "1E-5",
              "123456789012345",
              std::string(80, '9'),
              "",
              "-3"};
  a.hintsOn = false;
  a.tapeShown = false;
  a.placeFormat = "%15.2f";
  a.top = -40;
  a.left = 1900;
  Settings b;
  b.hintsOn = true;
  b.tapeShown = false;
  b.top = 100;
  b.left = -5;
  TempFolder dir;
  for (const Settings& s : {a, b}) {
    ASSERT_TRUE(saveSettings(dir.path(), s).ok);
    expectSame(loadSettings(dir.path()), s);
  }
}

struct LoadCase {
  const char* what;
  const char* content;
  std::function<void(Settings&)> expect;  // applied to the defaults
};

TEST(Settings, LoadsWhatPeopleWrite) {
  const std::string longMemory(120, '7');
  const LoadCase cases[] = {
      {"hints off", "[Hints]\nHintOn=0\n", [](Settings& s) { s.hintsOn = false; }},
      {"any non-zero is on", "[Hints]\nHintOn=-2\n[Tape]\nShowTape=5\n", [](Settings&) {}},
      {"tape off", "[Tape]\nShowTape=0\n", [](Settings& s) { s.tapeShown = false; }},
      {"boolean text keeps the default", "[Hints]\nHintOn=false\n[Tape]\nShowTape=no\n",
       [](Settings&) {}},
      {"tape not kept", "[Tape Journal]\nkeeptape=0\n", [](Settings& s) { s.keepTape = false; }},
      {"keeping has a section of its own", "[Tape]\nKeepTape=0\n", [](Settings&) {}},
      {"financial format", "[PlaceFormat]\nDisplay=%15.2f\n",
       [](Settings& s) { s.placeFormat = "%15.2f"; }},
      {"financial format, blanks around", "[PlaceFormat]\nDisplay =  %15.2f \n",
       [](Settings& s) { s.placeFormat = "%15.2f"; }},
      {"other format is general", "[PlaceFormat]\nDisplay=%10.2f\n", [](Settings&) {}},
      {"format is matched exactly", "[PlaceFormat]\nDisplay=%15.2F\n", [](Settings&) {}},
      {"empty format is general", "[PlaceFormat]\nDisplay=\n", [](Settings&) {}},
      {"position", "[Location]\nTop=120\nLeft=-8\n",
       [](Settings& s) {
         s.top = 120;
         s.left = -8;
       }},
      {"position not an integer", "[Location]\nTop=12.5\nLeft=abc\n", [](Settings&) {}},
      {"memory by any case", "[calculator memory]\nMEMORY LOC. 3=12\nmemory loc. 9= 4.5 \n",
       [](Settings& s) {
         s.memory[3] = "12";
         s.memory[9] = "4.5";
       }},
      {"memory that is no number is kept as text", "[Calculator Memory]\nMemory Loc. 0=abc\n",
       [](Settings& s) { s.memory[0] = "abc"; }},
      {"memory key 10 is not a location", "[Calculator Memory]\nMemory Loc. 10=5\n",
       [](Settings&) {}},
  };
  TempFolder dir;
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.what);
    writeFile(dir / "CUSTOM.INI", c.content);
    Settings expected;
    c.expect(expected);
    expectSame(loadSettings(dir.path()), expected);
  }
  writeFile(dir / "CUSTOM.INI", "[Calculator Memory]\nMemory Loc. 4=" + longMemory + "\n");
  EXPECT_EQ(loadSettings(dir.path()).memory[4], std::string(80, '7'));
}

TEST(Settings, SaveKeepsOtherContent) {
  TempFolder dir;
  writeFile(dir / "CUSTOM.INI",
            "; mine\r\n[Currency Factors]\r\nFrench Franc=0.17\r\n\r\n[Extra]\r\nx=1\r\n"
            "\r\n[Location]\r\nTop=3\r\n; keep me\r\n");
  Settings s;
  s.top = 7;
  s.left = 9;
  ASSERT_TRUE(saveSettings(dir.path(), s).ok);
  const std::string text = readFile(dir / "CUSTOM.INI");
  EXPECT_TRUE(
      text.starts_with("; mine\r\n[Currency Factors]\r\nFrench Franc=0.17\r\n\r\n"
                       "[Extra]\r\nx=1\r\n\r\n[Location]\r\nTop=7\r\nLeft=9\r\n"
                       "; keep me\r\n\r\n[Calculator Memory]\r\n"))
      << text;
  EXPECT_DOUBLE_EQ(loadCurrencyFactors(dir.path()).factors[3], 0.17);
}

TEST(Settings, KeepTapeIsWrittenAtOnceAndOnlyWhenSwitched) {
  TempFolder dir;
  writeFile(dir / "CUSTOM.INI", "[Hints]\r\nHintOn=0\r\n\r\n[Newer]\r\nx=1\r\n");
  ASSERT_TRUE(saveKeepTape(dir.path(), false).ok);
  EXPECT_EQ(readFile(dir / "CUSTOM.INI"),
            "[Hints]\r\nHintOn=0\r\n\r\n[Newer]\r\nx=1\r\n\r\n[Tape Journal]\r\nKeepTape=0\r\n");
  Settings s = loadSettings(dir.path());
  EXPECT_FALSE(s.keepTape);
  // A close writes the other settings; another copy's switch stays.
  s.keepTape = true;
  ASSERT_TRUE(saveSettings(dir.path(), s).ok);
  EXPECT_FALSE(loadSettings(dir.path()).keepTape);
  ASSERT_TRUE(saveKeepTape(dir.path(), true).ok);
  EXPECT_TRUE(loadSettings(dir.path()).keepTape);
  EXPECT_FALSE(saveKeepTape(dir / "absent", true).ok);
}

TEST(Settings, SaveFailureIsReported) {
  TempFolder dir;
  const std::string expected =
      "Error. Cannot write file " + (dir / "absent/CUSTOM.INI").string() + ".";
  WriteResult r = saveSettings(dir / "absent", Settings{});
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, expected);
  r = saveCurrencyFactor(dir / "absent", 0, "2");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, expected);
}

TEST(SettingsFile, TwoRunsKeepEachOthersMemory) {
  TempFolder dir;
  writeFile(dir / "CUSTOM.INI", "[Hints]\r\nHintOn=5\r\n; mine\r\n");
  SettingsFile a(dir.path());
  SettingsFile b(dir.path());
  Settings inA = a.load();
  Settings inB = b.load();
  inA.memory[1] = "111";
  ASSERT_TRUE(a.save(inA).ok);
  inB.memory[2] = "222";
  ASSERT_TRUE(b.save(inB).ok);
  // Each closes with its own place; neither brings back the other's stale 0.
  inA.top = 300;
  ASSERT_TRUE(a.save(inA).ok);
  inB.top = 40;
  ASSERT_TRUE(b.save(inB).ok);
  const Settings after = loadSettings(dir.path());
  EXPECT_EQ(after.memory[1], "111");
  EXPECT_EQ(after.memory[2], "222");
  EXPECT_EQ(after.top, 40);
  // "5" reads as on and was never changed: its line keeps its bytes.
  EXPECT_TRUE(readFile(dir / "CUSTOM.INI").starts_with("[Hints]\r\nHintOn=5\r\n; mine\r\n"));
}

TEST(SettingsFile, AnUnreadableFileIsReportedAndNeverWritten) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "CUSTOM.INI");
  SettingsFile file(dir.path());
  Settings s = file.load();
  EXPECT_TRUE(file.unreadable());
  const std::string expected = "Error. Cannot read file " + (dir / "CUSTOM.INI").string() + ".";
  EXPECT_EQ(file.readProblem().message, expected);
  s.memory[0] = "4";
  const WriteResult r = file.save(s);
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.message, expected);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "CUSTOM.INI"));
  EXPECT_TRUE(std::filesystem::is_empty(dir / "CUSTOM.INI"));
}

TEST(SettingsFile, StartUpClearsTemporariesBesideALinksTarget) {
  TempFolder dir;
  std::filesystem::create_directory(dir / "real");
  std::filesystem::create_symlink("real/mine.ini", dir / "CUSTOM.INI");
  // A process that has ended: its number is free until reused.
  const pid_t ended = ::fork();
  if (ended == 0) ::_exit(0);
  ASSERT_GT(ended, 0);
  ::waitpid(ended, nullptr, 0);
  const auto stale = dir / "real" / (".mine.ini.tmp" + std::to_string(ended) + "-7");
  const auto live = dir / "real" / (".mine.ini.tmp" + std::to_string(::getpid()) + "-7");
  writeFile(stale, "half");
  writeFile(live, "x");
  SettingsFile file(dir.path());
  Settings s = file.load();
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(live));
  // The link stays a link and its target, not there before, is written.
  s.memory[0] = "4";
  ASSERT_TRUE(file.save(s).ok);
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "CUSTOM.INI"));
  EXPECT_EQ(IniFile(dir / "real" / "mine.ini").readString("Calculator Memory", "Memory Loc. 0", ""),
            "4");
}

TEST(CurrencyFactors, FirstRunEveryFactorIsOne) {
  TempFolder dir;
  const CurrencyFactorsLoad load = loadCurrencyFactors(dir.path());
  EXPECT_TRUE(load.messages.empty());
  for (double f : load.factors) EXPECT_EQ(f, 1.0);
}

struct FactorCase {
  const char* value;
  double factor;
  const char* message;  // nullptr: read without a fault
};

TEST(CurrencyFactors, BadTextIsReportedAndLoadingGoesOn) {
  // Each case is written for British Pound (1); Swiss Franc (11) follows it in
  // the file and must be read whatever happened before.
  const FactorCase cases[] = {
      {"1.5", 1.5, nullptr},
      {"1234.56789", 1234.56789, nullptr},
      {" 2 ", 2.0, nullptr},
      {"1e3", 1000.0, nullptr},
      {"-2", -2.0, nullptr},
      {"0", 0.0, nullptr},
      {"abc", 0.0, "'abc' is not a valid floating point value"},
      {"", 0.0, "'' is not a valid floating point value"},
      // Written under a decimal-comma locale.
      {"1,5", 1.5, nullptr},
      {"0,00125", 0.00125, nullptr},
      {"1,2.5", 0.0, "'1,2.5' is not a valid floating point value"},
      {"1,2,3", 0.0, "'1,2,3' is not a valid floating point value"},
      {"1.2.3", 0.0, "'1.2.3' is not a valid floating point value"},
      {"1e400", 0.0, "Floating point overflow"},
  };
  TempFolder dir;
  for (const FactorCase& c : cases) {
    SCOPED_TRACE(std::string("value '") + c.value + "'");
    writeFile(dir / "CUSTOM.INI", std::string("[Currency Factors]\r\nBritish Pound=") + c.value +
                                      "\r\nSwiss Franc=0.5\r\n");
    const CurrencyFactorsLoad load = loadCurrencyFactors(dir.path());
    EXPECT_DOUBLE_EQ(load.factors[1], c.factor);
    EXPECT_EQ(load.factors[11], 0.5);
    EXPECT_EQ(load.factors[0], 1.0);
    EXPECT_EQ(load.factors[12], 1.0);
    if (c.message == nullptr) {
      EXPECT_TRUE(load.messages.empty());
    } else {
      EXPECT_EQ(load.messages, std::vector<std::string>{c.message});
    }
  }
}

TEST(CurrencyFactors, EveryBadFactorIsReportedInTableOrder) {
  TempFolder dir;
  writeFile(dir / "CUSTOM.INI",
            "[Currency Factors]\nUnited States $=x\nCanadian $=0.75\nBelgian Franc=y\n");
  const CurrencyFactorsLoad load = loadCurrencyFactors(dir.path());
  EXPECT_EQ(load.messages, (std::vector<std::string>{"'y' is not a valid floating point value",
                                                     "'x' is not a valid floating point value"}));
  EXPECT_EQ(load.factors[0], 0.0);
  EXPECT_EQ(load.factors[2], 0.75);
  EXPECT_EQ(load.factors[12], 0.0);
}

TEST(CurrencyFactors, SavedFactorIsReadByTheNextStartUp) {
  TempFolder dir;
  for (int i = 0; i < kCurrencyCount; ++i) {
    SCOPED_TRACE(kCurrencyKeys[i]);
    const std::string text = std::to_string(i + 2) + ".25";
    ASSERT_TRUE(saveCurrencyFactor(dir.path(), i, text).ok);
    const IniFile ini(dir / "CUSTOM.INI");
    EXPECT_EQ(ini.readString("Currency Factors", kCurrencyKeys[i], ""), text);
    EXPECT_DOUBLE_EQ(loadCurrencyFactors(dir.path()).factors[i], i + 2.25);
  }
  // The key is the table's, with "Franc" where the list shows "Frank".
  EXPECT_NE(readFile(dir / "CUSTOM.INI").find("\r\nFrench Franc=5.25\r\n"), std::string::npos);
}

TEST(CurrencyFactors, SaveWritesTheTextUnchanged) {
  TempFolder dir;
  ASSERT_TRUE(saveSettings(dir.path(), Settings{}).ok);
  ASSERT_TRUE(saveCurrencyFactor(dir.path(), 11, "2.5").ok);
  ASSERT_TRUE(saveCurrencyFactor(dir.path(), 2, "0.75000").ok);
  ASSERT_TRUE(saveCurrencyFactor(dir.path(), 11, "2.50").ok);
  const std::string text = readFile(dir / "CUSTOM.INI");
  EXPECT_TRUE(
      text.ends_with("\r\n[Location]\r\nTop=0\r\nLeft=0\r\n"
                     "\r\n[Currency Factors]\r\nSwiss Franc=2.50\r\nCanadian $=0.75000\r\n"))
      << text;
  // Closing the main window later keeps the saved factors.
  ASSERT_TRUE(saveSettings(dir.path(), Settings{}).ok);
  EXPECT_EQ(readFile(dir / "CUSTOM.INI"), text);
  EXPECT_THROW((void)saveCurrencyFactor(dir.path(), 13, "1"), std::out_of_range);
  EXPECT_THROW((void)saveCurrencyFactor(dir.path(), -1, "1"), std::out_of_range);
}

}  // namespace
