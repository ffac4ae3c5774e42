#include "calc/tape_document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>

#include "calc/file_write.h"
#include "calc/legacy_text.h"
#include "calc/regular_file.h"
#include "calc/tape_file.h"

namespace tivorum {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Tabs and line breaks would split the line when the file is read again.
std::string blankControls(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
  }
  return out;
}

bool isBlank(char c) {
  return c == ' ';
}

// Cuts after `characters` UTF-8 characters (continuation bytes never start one).
std::string_view firstCharacters(std::string_view text, std::size_t characters) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (count++ == characters) return text.substr(0, i);
  }
  return text;
}

// The lines after the first, as the tape has them: a last line end starts no
// further line; a carriage return before a line feed is not part of the line.
template <class Each>
void forEachTextLine(std::string_view bytes, Each&& each) {
  while (!bytes.empty()) {
    const std::size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    each(line);
    if (end == std::string_view::npos) break;
    bytes.remove_prefix(end + 1);
  }
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
  if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
  return bytes;
}

}  // namespace

std::string cleanNote(std::string_view text) {
  const std::string blanked = blankControls(utf8FromLegacy(text));
  std::string_view note = blanked;
  while (!note.empty() && isBlank(note.front())) note.remove_prefix(1);
  note = firstCharacters(note, kNoteMaxCharacters);
  while (!note.empty() && isBlank(note.back())) note.remove_suffix(1);
  return std::string(note);
}

std::string lineWithNote(std::string_view line, std::string_view note) {
  std::string out(line);
  if (note.empty()) return out;
  out += "  [";
  out += note;
  out += ']';
  return out;
}

std::string tapeDocument(const TapeContent& tape) {
  std::string out(kTapeDocumentHeader);
  out += std::to_string(kTapeDocumentVersion);
  out += '\n';
  for (std::size_t i = 0; i < tape.size(); ++i) {
    out += blankControls(tape.line(i));
    if (const std::string_view note = tape.note(i); !note.empty()) {
      out += '\t';
      out += blankControls(note);
    }
    out += '\n';
  }
  return out;
}

std::string tapeDocumentProblem(std::string_view bytes, std::string_view shownName) {
  bytes = withoutByteOrderMark(bytes);
  std::string_view first = bytes.substr(0, bytes.find('\n'));
  if (first.ends_with('\r')) first.remove_suffix(1);
  const std::string name(shownName);
  if (!first.starts_with(kTapeDocumentHeader)) return "Error. " + name + " is not a Tivorum tape.";
  first.remove_prefix(kTapeDocumentHeader.size());
  int version = 0;
  const auto [end, error] = std::from_chars(first.data(), first.data() + first.size(), version);
  if (error != std::errc() || end != first.data() + first.size() || first.empty() ||
      first.front() == '-' || version < 1)
    return "Error. " + name + " is not a Tivorum tape.";
  if (version > kTapeDocumentVersion)
    return "Error. " + name + " is a tape of a newer format (" + std::string(first) +
           ") than this program reads.";
  return {};
}

void readTapeDocument(
    std::string_view bytes,
    const std::function<void(std::string_view line, std::string_view note)>& each) {
  bytes = withoutByteOrderMark(bytes);
  const std::size_t firstEnd = bytes.find('\n');
  if (firstEnd == std::string_view::npos) return;
  forEachTextLine(bytes.substr(firstEnd + 1), [&each](std::string_view text) {
    const std::size_t tab = text.find('\t');
    const std::string_view line = text.substr(0, tab);
    const std::string note =
        tab == std::string_view::npos ? std::string() : cleanNote(text.substr(tab + 1));
    if (isValidUtf8(line))
      each(line, note);
    else
      each(utf8FromLegacy(line), note);
  });
}

std::filesystem::path withDefaultExtension(const std::filesystem::path& name,
                                           std::string_view extension) {
  if (name.has_extension() || !name.has_filename()) return name;
  std::filesystem::path out = name;
  out += extension;
  return out;
}

WriteResult writeWholeFile(const std::filesystem::path& path, std::string_view bytes,
                           std::string_view shownName) {
  const WriteResult failure = WriteResult::failure(tapeFileError("write", shownName));
  // Without O_NONBLOCK opening a FIFO waits for a reader; not truncated at
  // opening, so that nothing but a regular file is changed.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
  if (fd < 0) return failure;
  struct stat st {};
  const bool written = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) == 0 &&
                       writeAll(fd, bytes);
  if (::close(fd) != 0 || !written) return failure;
  return WriteResult::success();
}

TapeDocumentFile loadTapeDocument(const std::filesystem::path& path, std::string_view shownName) {
  TapeDocumentFile file;
  FileRead read = readRegularFile(path, kTapeDocumentMaxBytes);
  const std::string name(shownName);
  switch (read.problem) {
    case FileRead::Problem::None:
      file.problem = tapeDocumentProblem(read.bytes, shownName);
      if (file.problem.empty()) file.bytes = std::move(read.bytes);
      break;
    case FileRead::Problem::Missing:
      file.problem = "Error. File " + name + " not found.";
      break;
    case FileRead::Problem::Unreadable:
      file.problem = tapeFileError("read", shownName);
      break;
    case FileRead::Problem::NotRegular:
      file.problem = "Error. " + name + " is not a file.";
      break;
    case FileRead::Problem::TooBig:
      file.problem = "Error. File " + name + " is too large for a tape.";
      break;
  }
  return file;
}

}  // namespace tivorum
