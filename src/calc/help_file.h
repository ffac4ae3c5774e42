// CALC.ELP: the help texts, one INI section per topic with the keys "1" to
// "50", one line of text each.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tivorum {

inline constexpr std::string_view kHelpFileName = "CALC.ELP";
inline constexpr int kHelpLineCount = 50;

// The help window's lines for `topic`: the heading "*** topic ***", then the
// values of keys 1 to 50, empty where missing. A missing file or topic gives
// the heading and 50 empty lines.
std::vector<std::string> helpTopicLines(const std::filesystem::path& folder,
                                        std::string_view topic);

}  // namespace tivorum
