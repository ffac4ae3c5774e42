// CALCULAT.TXT: printing the tape to file appends its lines, each ended by
// CR LF. A file that was already big at start-up is emptied before the next
// print, so it cannot grow without bound over many runs.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "calc/write_result.h"

namespace tivorum {

inline constexpr std::string_view kTapeFileName = "CALCULAT.TXT";
inline constexpr std::uintmax_t kBigTapeFileSize = 125000;

inline constexpr std::string_view kTapeOpenError = "Error. Cannot open file CALCULAT.TXT.";
inline constexpr std::string_view kTapeEmptyError = "Error. Cannot empty file CALCULAT.TXT.";
inline constexpr std::string_view kTapeCreateError = "Error. Cannot create file CALCULAT.TXT.";
inline constexpr std::string_view kTapeWriteError = "Error. Cannot write file CALCULAT.TXT.";

// The start-up check: the file exists and is larger than kBigTapeFileSize.
bool tapeFileIsBig(const std::filesystem::path& folder);

// Appends `lines` to the file in `folder`, creating it when missing. When
// `bigTapeFile` (the start-up check) holds and the file is still larger than
// kBigTapeFileSize, it is emptied first. A failure returns the message of the
// step that failed; nothing is written after it.
[[nodiscard]] WriteResult writeTapeFile(const std::filesystem::path& folder,
                                        std::span<const std::string> lines, bool bigTapeFile);

}  // namespace tivorum
