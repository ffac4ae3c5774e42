#include "calc/legacy_text.h"

#include <gtest/gtest.h>

#include <string>

#include "calc/ini_file.h"
#include "temp_folder.h"

using namespace tivorum;

namespace {

struct TextCase {
  const char* what;
  std::string bytes;
  std::string utf8;
};

TEST(LegacyText, UtfEightStaysAndAnythingElseIsReadAsWindows1252) {
  const TextCase cases[] = {
      {"plain ASCII", "Memory 12.5", "Memory 12.5"},
      {"empty", "", ""},
      {"valid UTF-8 accents", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9"},
      {"valid euro sign", "\xE2\x82\xAC", "\xE2\x82\xAC"},
      {"valid four-byte sign", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
      {"Latin-1 accents", "\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
      {"euro and quotes of the code page", "\x80 \x93x\x94",
       "\xE2\x82\xAC \xE2\x80\x9Cx\xE2\x80\x9D"},
      {"unassigned byte becomes its control", "a\x81", "a\xC2\x81"},
      {"lone continuation byte", "\xA9 1999", "\xC2\xA9 1999"},
      {"cut-off sequence at the end", "x\xC3", "x\xC3\x83"},
      {"overlong slash", "\xC0\xAF", "\xC3\x80\xC2\xAF"},
      {"encoded surrogate", "\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xC3\xB4\xC2\x90\xE2\x82\xAC\xE2\x82\xAC"},
      {"one bad byte makes the whole value Windows-1252", "\xC3\xA9\xE9",
       "\xC3\x83\xC2\xA9\xC3\xA9"},
  };
  for (const TextCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(utf8FromLegacy(c.bytes), c.utf8);
    EXPECT_TRUE(isValidUtf8(utf8FromLegacy(c.bytes)));
  }
}

TEST(LegacyText, IniValuesAreReadThroughIt) {
  tivorum::testing::TempFolder dir;
  const std::string content = "[Help]\r\n1=\xE9t\xE9\r\n2=\xC3\xA9t\xC3\xA9\r\n";
  tivorum::testing::writeFile(dir / "CALC.ELP", content);
  IniFile ini(dir / "CALC.ELP");
  EXPECT_EQ(ini.readString("Help", "1", ""), "\xC3\xA9t\xC3\xA9");
  EXPECT_EQ(ini.readString("Help", "2", ""), "\xC3\xA9t\xC3\xA9");
  // Writing another key leaves the bytes of the old lines as they were.
  ini.writeString("Help", "3", "x");
  EXPECT_EQ(ini.text(), content + "3=x\r\n");
}

}  // namespace
