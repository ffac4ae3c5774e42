#include "calc/help_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "temp_folder.h"

using namespace tivorum;
using tivorum::testing::TempFolder;
using tivorum::testing::writeFile;

namespace {

std::vector<std::string> headingAndEmpty(const std::string& topic) {
  std::vector<std::string> lines(51);
  lines[0] = "*** " + topic + " ***";
  return lines;
}

const char* const kHelp =
    "[Sto]\r\n"
    "1=Stores the displayed value.\r\n"
    "2=Press a digit key next.\r\n"
    "50=Last line.\r\n"
    "51=Never shown.\r\n"
    "0=Never shown either.\r\n"
    "\r\n"
    "[Clr Mem]\r\n"
    "3=  \"Clears\" every location.\r\n";

TEST(HelpFile, TopicLinesWithHeading) {
  TempFolder dir;
  writeFile(dir / "CALC.ELP", kHelp);

  std::vector<std::string> sto = headingAndEmpty("Sto");
  sto[1] = "Stores the displayed value.";
  sto[2] = "Press a digit key next.";
  sto[50] = "Last line.";
  std::vector<std::string> stoAnyCase = sto;
  stoAnyCase[0] = "*** STO ***";
  std::vector<std::string> clr = headingAndEmpty("Clr Mem");
  clr[3] = "\"Clears\" every location.";

  struct TopicCase {
    const char* topic;
    std::vector<std::string> lines;
  };
  const TopicCase cases[] = {
      {"Sto", sto},
      {"STO", stoAnyCase},
      {"Clr Mem", clr},
      {"Rec", headingAndEmpty("Rec")},
      {"", headingAndEmpty("")},
  };
  for (const TopicCase& c : cases) {
    SCOPED_TRACE(c.topic);
    EXPECT_EQ(helpTopicLines(dir.path(), c.topic), c.lines);
  }
}

TEST(HelpFile, MissingFileGivesHeadingAndFiftyEmptyLines) {
  TempFolder dir;
  EXPECT_EQ(helpTopicLines(dir.path(), "Loan"), headingAndEmpty("Loan"));
  EXPECT_EQ(helpTopicLines(dir / "absent", "Loan"), headingAndEmpty("Loan"));
}

}  // namespace
