// Captions of the standard buttons every module window shares.
#pragma once

#include <string_view>

namespace tivorum {

inline constexpr std::string_view kClearCaption = "C&lear";
inline constexpr std::string_view kSolveCaption = "&Solve";
inline constexpr std::string_view kCloseCaption = "&Close";
inline constexpr std::string_view kHelpCaption = "&Help";

}  // namespace tivorum
