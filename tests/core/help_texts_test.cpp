// The help file shipped with the program has a text for every topic a key or
// a module window asks for, and no section that nothing asks for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "calc/help_file.h"

using namespace tivorum;

namespace {

const std::filesystem::path kDataFolder =
    std::filesystem::path(__FILE__).parent_path().parent_path().parent_path() / "data";

// Every topic the program asks for: the keys of the main window (the Help
// key's own, the tape buttons, the function, memory and setting keys, both
// names of the trigonometric keys) and the module windows.
const std::set<std::string> kTopics = {
    "Help",  "CT",        "Print",      "Copy",        "+/-",         "Sto",      "Rec",
    "1/x",   "%",         "EE",         "n!",          "Ln",          "square",   "Absolute of x",
    "pi",    "Log",       "x^y",        "Root",        "square root", "Hypot",    "Perm",
    "Comb",  "Clr Mem",   "=!",         "Deg/Rad/Gra", "Trig",        "Sin",      "Sinh",
    "Cos",   "Cosh",      "Tan",        "Tanh",        "aSin",        "aSinh",    "aCos",
    "aCosh", "aTan",      "aTanh",      "Tape",        "Display",     "Hint",     "CE/C",
    "Loans", "Financial", "Investment", "Interest",    "Dividend",    "Currency", "Profit",
    "Area",  "Volume",    "Surface"};

}  // namespace

TEST(HelpTexts, EveryTopicHasText) {
  for (const std::string& topic : kTopics) {
    const std::vector<std::string> lines = helpTopicLines(kDataFolder, topic);
    ASSERT_EQ(lines.size(), 51u) << topic;
    int text = 0;
    for (size_t i = 1; i < lines.size(); ++i) text += !lines[i].empty();
    EXPECT_GE(text, 1) << topic;
  }
}

TEST(HelpTexts, EverySectionIsATopicAndAppearsOnce) {
  std::ifstream file(kDataFolder / "CALC.ELP");
  ASSERT_TRUE(file) << (kDataFolder / "CALC.ELP");
  std::set<std::string> seen;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.size() < 2 || line.front() != '[' || line.back() != ']') continue;
    const std::string section = line.substr(1, line.size() - 2);
    EXPECT_TRUE(kTopics.count(section)) << "unknown section " << section;
    EXPECT_TRUE(seen.insert(section).second) << "twice: " << section;
  }
  EXPECT_EQ(seen.size(), kTopics.size());
}
