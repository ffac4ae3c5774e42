// The tape as a document: a saved tape file (Save Tape As..., Open Tape...),
// a note's text, and a line with its note as copied and printed.
//
// A tape file is UTF-8 text: the first line "Tivorum tape, format 1", then one
// tape line per line, its note (if any) after a tab.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "calc/tape_content.h"
#include "calc/write_result.h"

namespace tivorum {

inline constexpr std::string_view kTapeDocumentHeader = "Tivorum tape, format ";
inline constexpr int kTapeDocumentVersion = 1;
inline constexpr std::string_view kTapeDocumentExtension = ".tape";
inline constexpr std::size_t kNoteMaxCharacters = 80;
// A tape file larger than this is refused rather than read into memory.
inline constexpr std::size_t kTapeDocumentMaxBytes = std::size_t{512} << 20;

// A note as kept: control characters (tabs, line breaks) become blanks, blanks
// around it go, and it is cut to kNoteMaxCharacters characters. "" for a text
// of blanks only.
std::string cleanNote(std::string_view text);

// The line as copied, printed and printed to file: its text, and its note
// set apart after it.
std::string lineWithNote(std::string_view line, std::string_view note);

// The file's bytes.
std::string tapeDocument(const TapeContent& tape);

// Why a file's bytes are not a tape this program reads, naming the file as
// `shownName`; "" when they are one.
std::string tapeDocumentProblem(std::string_view bytes, std::string_view shownName);

// Calls `each` with every line and its note, in order, for bytes that
// tapeDocumentProblem accepts. A line that is not UTF-8 is read as
// Windows-1252, as older text files are; notes are cleaned.
void readTapeDocument(
    std::string_view bytes,
    const std::function<void(std::string_view line, std::string_view note)>& each);

// The name with `extension` added when its last part has none.
std::filesystem::path withDefaultExtension(const std::filesystem::path& name,
                                           std::string_view extension);

// Replaces the content of the regular file `path` (made when missing) with
// `bytes`. A FIFO, a device or a folder is refused without waiting on it.
// Fails with "Error. Cannot write file NAME." naming it as `shownName`.
[[nodiscard]] WriteResult writeWholeFile(const std::filesystem::path& path, std::string_view bytes,
                                         std::string_view shownName);

// A tape file as Open Tape... reads it: its bytes, or why it is refused (a
// missing, unreadable or special file, or one that is not a tape).
struct TapeDocumentFile {
  std::string problem;  // the box text; "" when the file is a tape
  std::string bytes;
};
TapeDocumentFile loadTapeDocument(const std::filesystem::path& path, std::string_view shownName);

}  // namespace tivorum
