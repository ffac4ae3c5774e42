#include "calc/help_file.h"

#include "calc/ini_file.h"

namespace tivorum {

std::vector<std::string> helpTopicLines(const std::filesystem::path& folder,
                                        std::string_view topic) {
  const IniFile ini(folder / kHelpFileName);
  std::vector<std::string> lines;
  lines.reserve(kHelpLineCount + 1);
  lines.push_back("*** " + std::string(topic) + " ***");
  for (int i = 1; i <= kHelpLineCount; ++i) {
    lines.push_back(ini.readString(topic, std::to_string(i), ""));
  }
  return lines;
}

}  // namespace tivorum
