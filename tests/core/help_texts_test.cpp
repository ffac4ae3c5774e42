// The help file shipped with the program has a text for every topic a key or
// a module window asks for, and no section that nothing asks for.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>

#include "calc/help_file.h"
#include "calc/keys.h"

using namespace tivorum;

namespace {

const std::filesystem::path kDataFolder = TIVORUM_DATA_DIR;

// Every topic the program asks for: the main window's keys (both names of
// the trigonometric keys), which include the module keys, whose topics the
// module windows' Help keys ask for too.
std::set<std::string> topics() {
  std::set<std::string> all;
  for (const KeyRow& row : keyTable()) {
    if (!row.topic.empty()) all.emplace(row.topic);
    if (!row.hyperbolicTopic.empty()) all.emplace(row.hyperbolicTopic);
  }
  return all;
}

const std::set<std::string> kTopics = topics();

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

// Only the digits, the point, the four operations, "Off" and the About key
// act in help mode as at any time; every other key has help of its own.
TEST(HelpTexts, EveryKeyButTheEntryKeysHasATopic) {
  for (const KeyRow& row : keyTable()) {
    const bool actsInHelpMode = row.kind == KeyKind::Digit || row.kind == KeyKind::Point ||
                                row.kind == KeyKind::Operator || row.kind == KeyKind::Off ||
                                row.kind == KeyKind::About;
    EXPECT_EQ(row.topic.empty(), actsInHelpMode) << row.name;
  }
  EXPECT_EQ(kTopics.size(), 52u);
}
