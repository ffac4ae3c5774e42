// CALCULAT.TXT: printing the tape to file appends its lines, each ended by
// CR LF. A file that was already big at start-up is emptied before the next
// print, so it cannot grow without bound over many runs. Any other text file
// the user names gets the same lines appended, without the size rule.
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

// The error box text of a failed step ("open", "empty", "create", "write"):
// "Error. Cannot open file CALCULAT.TXT.".
std::string tapeFileError(std::string_view step, std::string_view fileName);

// The folder CALCULAT.TXT goes to: the working folder when this user may
// write it, else the home folder (a copy started from a desktop menu may run
// in "/").
std::filesystem::path tapeFileFolder(const std::filesystem::path& working);

// The start-up check: the file exists and is larger than kBigTapeFileSize.
bool tapeFileIsBig(const std::filesystem::path& folder);

// Appends `lines` to the text file `path`, creating it when missing. When
// `emptyWhenBig` holds and the file is larger than kBigTapeFileSize, it is
// emptied first. A failure returns the message of the step that failed,
// naming the file as `shownName`; nothing is written after it. A folder, FIFO
// or device in the file's place is not written ("write"), and never waited for.
[[nodiscard]] WriteResult appendTapeText(const std::filesystem::path& path,
                                         std::span<const std::string> lines, bool emptyWhenBig,
                                         std::string_view shownName);

// CALCULAT.TXT in `folder`; `bigTapeFile` is the start-up check.
[[nodiscard]] WriteResult writeTapeFile(const std::filesystem::path& folder,
                                        std::span<const std::string> lines, bool bigTapeFile);

}  // namespace tivorum
